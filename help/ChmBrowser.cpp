#include "help/ChmBrowser.h"

#include <QDesktopServices>
#include <QStringDecoder>

#include "help/ChmFile.h"

ChmBrowser::ChmBrowser(const ChmFile& chm, QWidget* parent) : QTextBrowser(parent), file(chm) {
    // Links are followed here, so a relative link never reaches the desktop's URL handler.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::Follow);
}

QUrl ChmBrowser::UrlOf(const QString& objectPath) {
    QUrl url;
    url.setScheme(QStringLiteral("chm"));
    const qsizetype hash = objectPath.indexOf(QLatin1Char('#'));
    url.setPath(hash < 0 ? objectPath : objectPath.left(hash));
    if (hash >= 0) url.setFragment(objectPath.mid(hash + 1));
    return url;
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != QLatin1String("chm")) return {};
    const QByteArray bytes = file.Read(url.path());
    if (bytes.isEmpty()) return {};
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource) {
        // Pages declare their character set; without one they are Latin-1, as the compiler expects.
        QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
        if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Latin1);
        return QString(decoder(bytes));
    }
    return bytes;
}

void ChmBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    QTextBrowser::doSetSource(name, type);
    emit pageShown();
}

void ChmBrowser::Follow(const QUrl& link) {
    const QUrl target = source().resolved(link);
    if (target.scheme() == QLatin1String("chm")) {
        setSource(target);
    } else if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https") ||
               target.scheme() == QLatin1String("mailto")) {
        QDesktopServices::openUrl(target);
    }
}
