#include "help/Sitemap.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace {

QString Attribute(const QString& attributes, const QString& name) {
    const QRegularExpression pattern(
        QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(attributes);
    if (!match.hasMatch()) return {};
    for (int i = 1; i <= 3; ++i) {
        if (match.capturedStart(i) >= 0)
            return QTextDocumentFragment::fromHtml(match.captured(i)).toPlainText();
    }
    return {};
}

}  // namespace

std::vector<SitemapEntry> Sitemap::Parse(const QByteArray& contents) {
    std::vector<SitemapEntry> root;
    // Each open list appends to the entry before it; the outermost one to the root.
    std::vector<std::vector<SitemapEntry>*> levels{&root};
    SitemapEntry entry;
    bool inObject = false;
    static const QRegularExpression tag(QStringLiteral("<\\s*(/?)\\s*([a-zA-Z]+)([^>]*)>"));
    const QString text = QString::fromLatin1(contents);
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        const QString attributes = match.captured(3);
        if (name == QLatin1String("ul")) {
            if (closing) {
                if (levels.size() > 1) levels.pop_back();
            } else {
                std::vector<SitemapEntry>* top = levels.back();
                levels.push_back(top->empty() || levels.size() == 1 ? top : &top->back().children);
            }
        } else if (name == QLatin1String("object")) {
            if (!closing) {
                inObject = Attribute(attributes, QStringLiteral("type"))
                               .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
                entry = SitemapEntry{};
            } else if (inObject) {
                inObject = false;
                if (!entry.name.isEmpty()) levels.back()->push_back(std::move(entry));
            }
        } else if (name == QLatin1String("param") && inObject) {
            const QString key = Attribute(attributes, QStringLiteral("name")).toLower();
            const QString value = Attribute(attributes, QStringLiteral("value"));
            if (key == QLatin1String("name") && entry.name.isEmpty()) entry.name = value;
            if (key == QLatin1String("local")) entry.local = value;
        }
    }
    return root;
}
