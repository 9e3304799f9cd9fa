#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include "app/help/ZKHelpWindow.h"
#include "app/window/WindowFixture.h"
#include "app/window/ZKControllingDragView.h"
#include "help/ZKHelpManager.h"

namespace {

// The main window with a help window over pages of the test's own.
class HelpWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        pages.makeFile("help/en/index.html",
                       "<html><head><title>Contents</title></head><body>"
                       "<a href=\"second.html\">Second</a> <a href=\"first.html\">First</a>"
                       "</body></html>");
        pages.makeFile("help/en/first.html",
                       "<html><head><title>First Page</title></head><body>Numbers and digits."
                       " <a href=\"x-quorlix-help://default/Show%20Clear%20List%20Button#yes\">"
                       "hide</a></body></html>");
        pages.makeFile("help/en/second.html",
                       "<html><head><title>Second Page</title></head><body>Digits, digits,"
                       " numbers. <a href=\"first.html#top\">back</a></body></html>");
        manager = std::make_unique<ZKHelpManager>(pages.path(), pages.filePath("support"));
        manager->setUserInteraction(&view());
        manager->setDelegate(&view());
        help = std::make_unique<ZKHelpWindow>(*manager);
    }
    void TearDown() override {
        help.reset();
        WindowFixture::TearDown();
    }
    QStringList listed() const {
        QStringList titles;
        for (int row = 0; row < help->pageList()->count(); ++row)
            titles.append(help->pageList()->item(row)->text());
        return titles;
    }
    QString shownPage() const { return help->browser()->source().fileName(); }
    void click(const QString &link) { emit help->browser()->anchorClicked(QUrl(link)); }

    TestDir pages;
    std::unique_ptr<ZKHelpManager> manager;
    std::unique_ptr<ZKHelpWindow> help;
};

}  // namespace

TEST_F(HelpWindowTest, ListsPagesInTheOrderOfTheContentsAndSearchesTheirText) {
    EXPECT_EQ(listed(), QStringList({"Contents", "Second Page", "First Page"}));
    help->showTopic(QString());
    EXPECT_EQ(shownPage(), "index.html");

    help->search("digits numbers");
    EXPECT_EQ(listed(), QStringList({"Second Page (3 matches)", "First Page (2 matches)"}));
    help->search("nowhere");
    EXPECT_EQ(listed(), QStringList({"No pages found"}));
    help->search("");
    EXPECT_EQ(listed().size(), 3);
}

TEST_F(HelpWindowTest, LinksOpenPagesAndHelpLinksSwitchPreferencesAfterTelling) {
    help->showTopic("second.html");
    click("first.html#top");
    EXPECT_EQ(shownPage(), "first.html");
    help->browser()->backward();
    EXPECT_EQ(shownPage(), "second.html");

    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    ASSERT_FALSE(defaults.boolForKey("Show Clear List Button"));
    click("x-quorlix-help://default/Show%20Clear%20List%20Button#yes");
    ASSERT_EQ(dialogs.messages(), QStringList({"User default updated"}));
    EXPECT_EQ(dialogs.alerts[0].buttons, QStringList({"OK", "Revert to (No Value)"}));
    EXPECT_TRUE(defaults.boolForKey("Show Clear List Button"));
    // The link is never loaded as a page.
    EXPECT_EQ(shownPage(), "second.html");

    // Again: nothing changes, and the user is told so.
    click("x-quorlix-help://default/Show%20Clear%20List%20Button#yes");
    EXPECT_EQ(dialogs.messages().last(), "That didn't do anything");

    dialogs.answers = {{1, false}};  // "Revert to Yes"
    click("x-quorlix-help://default/Show%20Clear%20List%20Button#no");
    EXPECT_EQ(dialogs.alerts.last().buttons.last(), "Revert to Yes");
    EXPECT_TRUE(defaults.boolForKey("Show Clear List Button"));
}

TEST_F(HelpWindowTest, TheAdvancedEditorAndTheMenuLeadIntoTheGuide) {
    EXPECT_EQ(action("help")->shortcut(), QKeySequence(Qt::Key_F1));
    for (const char *name : {"helpGettingStarted", "helpAdvanced", "showLog", "about"})
        EXPECT_NE(window->findChild<QAction *>(QString::fromLatin1(name)), nullptr) << name;
    // The guide that ships has the pages the menu and the editors point to.
    ZKHelpManager installed(ZKHelpManager::defaultResourcesDirectory(), pages.filePath("none"));
    for (const char *page : {"index.html", "getting-started.html", "steps.html", "tokens.html",
                             "sequences.html", "advanced.html", "regular-expressions.html",
                             "renaming.html", "command-line.html", "troubleshooting.html"})
        EXPECT_FALSE(installed.pageURL(QString::fromLatin1(page)).isEmpty()) << page;
}
