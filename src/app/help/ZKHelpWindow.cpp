#include "app/help/ZKHelpWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/help/HelpPageIndex.h"
#include "help/ZKHelpManager.h"

namespace {

constexpr int kUrlRole = Qt::UserRole;
constexpr int kQueryRole = Qt::UserRole + 1;

}  // namespace

ZKHelpWindow::ZKHelpWindow(ZKHelpManager &manager, QWidget *parent)
    : QMainWindow(parent),
      manager_(manager),
      index_(std::make_unique<HelpPageIndex>(manager.pageURLsByRelativePath())),
      browser_(new QTextBrowser),
      pageList_(new QListWidget),
      emptyLabel_(new QLabel) {
    setWindowTitle(tr("Torvane Help"));
    setObjectName(QStringLiteral("helpWindow"));
    browser_->setOpenLinks(false);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    pageList_->setObjectName(QStringLiteral("helpPages"));
    emptyLabel_->setWordWrap(true);
    emptyLabel_->setText(
        tr("<p>The help pages are not installed.</p><p>Torvane looks for them in %1 and in "
           "the folder \"help\" of %2.</p>")
            .arg(ZKHelpManager::defaultResourcesDirectory().toHtmlEscaped(),
                 QStringLiteral("~/.local/share/Torvane")));
    emptyLabel_->setAlignment(Qt::AlignCenter);

    auto *pages = new QStackedWidget;
    pages->addWidget(browser_);
    pages->addWidget(emptyLabel_);
    pages->setCurrentIndex(index_->pages().isEmpty() ? 1 : 0);
    auto *splitter = new QSplitter;
    splitter->addWidget(pageList_);
    splitter->addWidget(pages);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 680});
    setCentralWidget(splitter);
    buildToolBar();
    listAllPages();
    resize(960, 700);

    connect(browser_, &QTextBrowser::anchorClicked, this, &ZKHelpWindow::openLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &ZKHelpWindow::markCurrentPage);
    connect(pageList_, &QListWidget::itemActivated, this, &ZKHelpWindow::showListedPage);
    connect(pageList_, &QListWidget::itemClicked, this, &ZKHelpWindow::showListedPage);
}

ZKHelpWindow::~ZKHelpWindow() = default;

ZKHelpWindow &ZKHelpWindow::sharedWindow() {
    static ZKHelpWindow *window = new ZKHelpWindow(ZKHelpManager::helpManager());
    return *window;
}

void ZKHelpWindow::showHelp(const QString &topic) {
    ZKHelpWindow &window = sharedWindow();
    window.showTopic(topic);
    window.show();
    window.raise();
    window.activateWindow();
}

void ZKHelpWindow::buildToolBar() {
    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"),
                                   browser_, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction *forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"),
                                      browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), this,
                   [this] { showTopic(QString()); });
    auto *spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    searchField_ = new QLineEdit;
    searchField_->setObjectName(QStringLiteral("helpSearch"));
    searchField_->setPlaceholderText(tr("Search Help"));
    searchField_->setClearButtonEnabled(true);
    searchField_->setMaximumWidth(260);
    bar->addWidget(searchField_);
    connect(searchField_, &QLineEdit::textChanged, this, &ZKHelpWindow::search);
    auto *find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, searchField_, [this] {
        searchField_->setFocus();
        searchField_->selectAll();
    });
    addAction(find);
}

void ZKHelpWindow::listAllPages() {
    pageList_->clear();
    for (const HelpPageIndex::Page &page : index_->pages()) {
        auto *item = new QListWidgetItem(page.title, pageList_);
        item->setData(kUrlRole, page.url);
    }
    markCurrentPage();
}

void ZKHelpWindow::search(const QString &query) {
    if (query.trimmed().isEmpty()) {
        listAllPages();
        return;
    }
    pageList_->clear();
    const QList<HelpPageIndex::SearchHit> hits = index_->search(query);
    for (const HelpPageIndex::SearchHit &hit : hits) {
        auto *item = new QListWidgetItem(
            tr("%1 (%n matches)", nullptr, hit.occurrences).arg(hit.page.title), pageList_);
        item->setData(kUrlRole, hit.page.url);
        item->setData(kQueryRole, query.trimmed());
    }
    if (hits.isEmpty()) {
        auto *item = new QListWidgetItem(tr("No pages found"), pageList_);
        item->setFlags(Qt::NoItemFlags);
    }
}

void ZKHelpWindow::showTopic(const QString &topic) {
    const QString page = topic.section(u'#', 0, 0);
    const QString fragment = topic.section(u'#', 1);
    QUrl url = manager_.pageURL(page.isEmpty() ? QStringLiteral("index.html") : page);
    if (url.isEmpty()) return;
    if (!fragment.isEmpty()) url.setFragment(fragment);
    browser_->setSource(url);
}

void ZKHelpWindow::openLink(const QUrl &url) {
    if (ZKHelpManager::isHelpLink(url)) {
        manager_.followHelpLink(url);
        return;
    }
    const QUrl resolved = browser_->source().resolved(url);
    if (resolved.isLocalFile() && resolved.toLocalFile().endsWith(QStringLiteral(".html")))
        browser_->setSource(resolved);
    else
        QDesktopServices::openUrl(resolved);
}

void ZKHelpWindow::showListedPage() {
    QListWidgetItem *item = pageList_->currentItem();
    if (!item || !item->data(kUrlRole).isValid()) return;
    browser_->setSource(item->data(kUrlRole).toUrl());
    const QString query = item->data(kQueryRole).toString();
    // The first word searched for is selected on the page, so the reader sees where it is.
    if (!query.isEmpty()) browser_->find(query.section(u' ', 0, 0));
}

void ZKHelpWindow::markCurrentPage() {
    QUrl current = browser_->source();
    current.setFragment(QString());
    for (int row = 0; row < pageList_->count(); ++row) {
        QListWidgetItem *item = pageList_->item(row);
        if (item->data(kUrlRole).toUrl() == current && !item->data(kQueryRole).isValid()) {
            const QSignalBlocker blocker(pageList_);
            pageList_->setCurrentItem(item);
        }
    }
}
