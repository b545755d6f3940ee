#include "help/HelpViewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "help/ChmBrowser.h"
#include "help/ChmFile.h"

namespace {

QString Inside(QString local) {
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return local.startsWith(QLatin1Char('/')) ? local : QLatin1Char('/') + local;
}

}  // namespace

HelpViewer::HelpViewer(std::unique_ptr<ChmFile> chm) : file(std::move(chm)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(file->Title().isEmpty() ? QStringLiteral("Torvik Vandrel") : file->Title());
    // The game's icon when the program carries it; nothing breaks without it.
    setWindowIcon(QIcon(QStringLiteral(":/ui/icon_32.png")));
    // Wide enough for the board picture of the rules pages beside the contents.
    resize(1000, 680);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    const auto makeButton = [this, bar](const char* name, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(style()->standardIcon(icon));
        button->setAutoRaise(true);
        bar->addWidget(button);
        return button;
    };
    back = makeButton("back", QStyle::SP_ArrowBack);
    forward = makeButton("forward", QStyle::SP_ArrowForward);
    home = makeButton("home", QStyle::SP_DirHomeIcon);
    bar->addStretch();
    layout->addLayout(bar);

    auto* splitter = new QSplitter(this);
    contents = new QTreeWidget(splitter);
    contents->setObjectName(QStringLiteral("contents"));
    contents->header()->hide();
    page = new ChmBrowser(*file, splitter);
    page->setObjectName(QStringLiteral("page"));
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 750});
    layout->addWidget(splitter, 1);

    AddEntries(nullptr, Sitemap::Parse(file->Read(file->ContentsFile())));
    contents->expandAll();

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, page, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, page, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { ShowContext(1); });
    connect(page, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(page, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(page, &QTextBrowser::sourceChanged, this, &HelpViewer::MarkContentsLine);
    connect(page, &ChmBrowser::pageShown, this, &HelpViewer::MarkContentsLine);
    connect(contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString local = item->data(0, Qt::UserRole).toString();
        if (!local.isEmpty() && local != CurrentTopic()) ShowTopic(local);
    });
}

HelpViewer::~HelpViewer() = default;

const ChmFile& HelpViewer::File() const {
    return *file;
}

QString HelpViewer::TopicOf(const ChmFile& chm, std::int32_t context) {
    const QString topic = chm.TopicOfContext(context);
    return topic.isEmpty() ? chm.DefaultTopic() : topic;
}

void HelpViewer::ShowContext(std::int32_t context) {
    ShowTopic(TopicOf(*file, context));
}

void HelpViewer::ShowTopic(const QString& objectPath) {
    page->setSource(ChmBrowser::UrlOf(objectPath));
}

QString HelpViewer::CurrentTopic() const {
    return page->source().path();
}

void HelpViewer::AddEntries(QTreeWidgetItem* parent, const std::vector<SitemapEntry>& entries) {
    for (const SitemapEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents);
        item->setText(0, entry.name);
        if (!entry.local.isEmpty()) item->setData(0, Qt::UserRole, Inside(entry.local));
        AddEntries(item, entry.children);
    }
}

void HelpViewer::MarkContentsLine() {
    const QString topic = CurrentTopic();
    QTreeWidgetItem* current = contents->currentItem();
    if (current && current->data(0, Qt::UserRole).toString() == topic) return;
    for (QTreeWidgetItemIterator it(contents); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == topic) {
            contents->setCurrentItem(*it);
            return;
        }
    }
    contents->setCurrentItem(nullptr);
}
