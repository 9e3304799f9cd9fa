#pragma once

#include <QMainWindow>
#include <memory>

class HelpPageIndex;
class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;
class ZKHelpManager;

// The help browser: the list of pages (or, while a search is typed, the pages that match it)
// beside the page, with back, forward and home. Help links go to the help manager, links to
// other pages of the help open here, every other link opens in the user's browser.
class ZKHelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ZKHelpWindow(ZKHelpManager &manager, QWidget *parent = nullptr);
    ~ZKHelpWindow() override;

    // The one help window of the application (created on first use).
    static ZKHelpWindow &sharedWindow();
    // Shows the window with a page ("tokens.html", "advanced.html#functions"); the index
    // page for an empty topic.
    static void showHelp(const QString &topic = QString());

    void showTopic(const QString &topic);
    void search(const QString &query);

    QTextBrowser *browser() const { return browser_; }
    QListWidget *pageList() const { return pageList_; }
    QLineEdit *searchField() const { return searchField_; }

private:
    void buildToolBar();
    void listAllPages();
    void openLink(const QUrl &url);
    void showListedPage();
    void markCurrentPage();

    ZKHelpManager &manager_;
    std::unique_ptr<HelpPageIndex> index_;
    QTextBrowser *browser_;
    QListWidget *pageList_;
    QLineEdit *searchField_ = nullptr;
    QLabel *emptyLabel_;
};
