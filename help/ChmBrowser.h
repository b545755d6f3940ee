#pragma once

#include <QTextBrowser>

class ChmFile;

// Shows the pages of one help file; links, pictures and style sheets are read from inside it.
// Pages are addressed as "chm:/inside/path.htm".
class ChmBrowser : public QTextBrowser {
    Q_OBJECT

public:
    ChmBrowser(const ChmFile& file, QWidget* parent);

    static QUrl UrlOf(const QString& objectPath);
    QVariant loadResource(int type, const QUrl& name) override;

signals:
    // At once when a page is set, where sourceChanged may come later from the event loop.
    void pageShown();

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    void Follow(const QUrl& link);

    const ChmFile& file;
};
