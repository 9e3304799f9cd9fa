// The rename button through a run, a stop and a revert, with the confirmations answered from
// a script; Escape and a click on the button stop a run in progress.

#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"
#include "app/window/ZKRenameButton.h"

namespace {

class RenameButtonTest : public WindowFixture {
protected:
    // Every title the button showed while the action ran.
    QStringList titlesDuring(const std::function<void()> &action) {
        QStringList titles;
        const QMetaObject::Connection connection =
            QObject::connect(&view(), &ZKControllingDragView::stateChanged, [&] {
                const QString title = view().renameButton()->text();
                if (titles.isEmpty() || titles.last() != title) titles.append(title);
            });
        action();
        QObject::disconnect(connection);
        return titles;
    }

    void clickRenameButton() { QTest::mouseClick(view().renameButton(), Qt::LeftButton); }
    bool exists(const QString &name) { return QFileInfo::exists(dir.filePath(name)); }
};

TEST_F(RenameButtonTest, TitlesThroughRunAndRevert) {
    listFiles({"a1.txt", "a2.txt"});
    useReplacement("a", "b");
    ZKRenameButton *button = view().renameButton();
    // Confirmation is on at launch: a question follows.
    EXPECT_EQ(button->text(), "Rename 2 Files...");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(action("rename")->text(), "Rename 2 Files...");

    dialogs.answers = {{0, false}};
    const QStringList during = titlesDuring([&] { clickRenameButton(); });
    EXPECT_EQ(dialogs.messages(), QStringList{"Rename 2 Files"});
    EXPECT_TRUE(during.contains("Stop")) << during.join(" | ").toStdString();
    EXPECT_TRUE(exists("b1.txt") && exists("b2.txt"));
    EXPECT_FALSE(view().isBusy());

    // Nothing more applies, but the run can be undone: the button reverts.
    EXPECT_EQ(button->text(), "Revert...");
    EXPECT_EQ(button->state().tag, 1);
    EXPECT_TRUE(action("revert")->isEnabled());
    EXPECT_FALSE(action("rename")->isEnabled());

    dialogs.alerts.clear();
    dialogs.answers = {{0, false}};
    clickRenameButton();
    EXPECT_EQ(dialogs.messages(), QStringList{"Revert 2 Files..."});
    EXPECT_TRUE(exists("a1.txt") && exists("a2.txt"));
    EXPECT_EQ(button->text(), "Rename 2 Files...");
    EXPECT_FALSE(action("revert")->isEnabled());
}

TEST_F(RenameButtonTest, CancelledConfirmationRenamesNothing) {
    listFiles({"a1.txt"});
    useReplacement("a", "b");
    dialogs.answers = {{1, false}};
    clickRenameButton();
    EXPECT_TRUE(exists("a1.txt"));
    EXPECT_EQ(view().renameButton()->text(), "Rename a1.txt...");

    // "Do not ask again" turns the confirmation off, also for the next launch's preferences.
    dialogs.answers = {{1, true}};
    clickRenameButton();
    EXPECT_FALSE(controller().generalSettings().confirmBeforeRenaming);
    EXPECT_EQ(view().renameButton()->text(), "Rename a1.txt");
}

TEST_F(RenameButtonTest, EscapeOrClickDuringRunAsksStop) {
    listFiles({"a1.txt", "a2.txt", "a3.txt"});
    useReplacement("a", "b");
    controller().generalSettings().confirmBeforeRenaming = false;
    controller().updateRenameButton();

    struct Way {
        const char *name;
        std::function<void()> press;
    };
    const Way ways[] = {
        {"Escape", [&] { QTest::keyClick(window.get(), Qt::Key_Escape); }},
        {"click", [&] { clickRenameButton(); }},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        dialogs.alerts.clear();
        bool busyWhileAsked = false;
        bool menusOffWhileAsked = false;
        QString titleWhileAsked;
        dialogs.onAlert = [&](const ZKAlert &) {
            busyWhileAsked = view().isBusy();
            menusOffWhileAsked = !action("open")->isEnabled() && !action("clearList")->isEnabled();
            titleWhileAsked = view().renameButton()->text();
        };
        // "Stop": the first record's check sees the request before anything moves.
        dialogs.answers = {{1, false}};
        QTimer::singleShot(0, window.get(), way.press);
        view().rename();
        ASSERT_EQ(dialogs.messages(), QStringList{"Stop?"});
        EXPECT_EQ(dialogs.alerts.first().informativeText,
                  "Stopping now will not undo processing steps that have already taken place.");
        EXPECT_EQ(dialogs.alerts.first().buttons, (QStringList{"Continue", "Stop"}));
        EXPECT_TRUE(busyWhileAsked);
        EXPECT_TRUE(menusOffWhileAsked);
        EXPECT_EQ(titleWhileAsked, "Stop");
        EXPECT_TRUE(exists("a1.txt") && exists("a2.txt") && exists("a3.txt"));
        EXPECT_FALSE(view().isBusy());
        EXPECT_EQ(view().renameButton()->text(), "Rename 3 Files");
        EXPECT_TRUE(action("open")->isEnabled());
    }
    dialogs.onAlert = nullptr;

    // "Continue" goes on to the end.
    dialogs.alerts.clear();
    dialogs.answers = {{0, false}};
    QTimer::singleShot(0, window.get(), [&] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    view().rename();
    EXPECT_EQ(dialogs.messages(), QStringList{"Stop?"});
    EXPECT_TRUE(exists("b1.txt") && exists("b2.txt") && exists("b3.txt"));
}

TEST_F(RenameButtonTest, EscapeWhenIdleIsNotTaken) {
    listFiles({"a1.txt"});
    useReplacement("a", "b");
    QTest::keyClick(window.get(), Qt::Key_Escape);
    controller().generalSettings().confirmBeforeRenaming = false;
    view().rename();
    // An earlier Escape does not stop a later run.
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    EXPECT_TRUE(exists("b1.txt"));
}

TEST_F(RenameButtonTest, EscapeDuringScanAsksStopAndEmptiesList) {
    for (int index = 0; index < 20; ++index)
        dir.makeFile(QStringLiteral("deep/f%1.txt").arg(index));
    // Every entry is worth a stop check.
    qint64 now = 0;
    controller().setScanClock([&now] { return now += 100; });
    bool busyWhileAsked = false;
    dialogs.onAlert = [&](const ZKAlert &) { busyWhileAsked = view().isBusy(); };
    dialogs.answers = {{1, false}};
    // Escape once the scan has begun (the opened folder is listed after the request).
    bool pressed = false;
    QObject::connect(&view(), &ZKControllingDragView::stateChanged, window.get(), [&] {
        if (pressed || !view().isBusy()) return;
        pressed = true;
        QTimer::singleShot(0, window.get(), [&] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    });
    view().openFiles({dir.path()});
    ASSERT_TRUE(waitFor([&] { return !dialogs.alerts.isEmpty() && !view().isBusy(); }));
    EXPECT_EQ(dialogs.messages(), QStringList{"Stop?"});
    EXPECT_EQ(dialogs.alerts.first().informativeText,
              "Aren't these the files you are looking for?");
    EXPECT_TRUE(busyWhileAsked);
    EXPECT_TRUE(controller().fileRepresentations().isEmpty());
    EXPECT_EQ(view().renameButton()->text(), "There is nothing to rename.");
}

}  // namespace
