#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "help/Sitemap.h"

class ChmBrowser;
class ChmFile;
class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;

// The help window: the file's contents on the left, the page on the right, back, forward and
// start above.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(std::unique_ptr<ChmFile> file);
    ~HelpViewer() override;

    const ChmFile& File() const;
    // The topic of the context number, or the start topic when the file maps none to it.
    static QString TopicOf(const ChmFile& file, std::int32_t context);
    // Shows the topic of the context number, or the start topic when the file maps none to it.
    void ShowContext(std::int32_t context);
    void ShowTopic(const QString& objectPath);
    QString CurrentTopic() const;

private:
    void AddEntries(QTreeWidgetItem* parent, const std::vector<SitemapEntry>& entries);
    void MarkContentsLine();

    std::unique_ptr<ChmFile> file;
    QTreeWidget* contents = nullptr;
    ChmBrowser* page = nullptr;
    QToolButton* back = nullptr;
    QToolButton* forward = nullptr;
    QToolButton* home = nullptr;
};
