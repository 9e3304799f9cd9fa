#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <memory>

#include "ScriptedDialogPresenter.h"
#include "app/window/ZKControllingDragView.h"
#include "app/window/ZKMainWindow.h"
#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"
#include "engine/ZKRenamer.h"
#include "support/QtPrinters.h"
#include "support/RecordNames.h"
#include "support/TestEnvironment.h"

// The real main window on the offscreen platform, launched as the application launches it,
// with scripted dialogs; every user default a test writes is dropped afterwards.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ZKRenamingController::resetFirstLayoutFlag();
        ZKRenamer::removedRenamersStack().clear();
        ZKControllingDragView::applicationWillFinishLaunching();
        launch();
    }

    void TearDown() override {
        window.reset();
        forgetUserDefaults();
    }

    void launch() {
        window = std::make_unique<ZKMainWindow>(&dialogs);
        window->dragView()->applicationDidFinishLaunching();
    }

    static void forgetUserDefaults() {
        UserDefaults &defaults = UserDefaults::standardUserDefaults();
        for (const QString &key : defaults.dictionaryRepresentation().keys()) {
            if (defaults.hasPersistentValueForKey(key)) defaults.removeObjectForKey(key);
        }
    }

    ZKControllingDragView &view() { return *window->dragView(); }
    ZKRenamingController &controller() { return view().controller(); }

    QAction *action(const char *name) {
        QAction *found = window->findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Find and Replace of target by replacement as the only step, names computed.
    void useReplacement(const QString &target, const QString &replacement) {
        controller().setRenamers({ZKRenamer::renamerWithArchive(
            QVariantMap{{"Rename: Find/Replace: Target", target},
                        {"Rename: Find/Replace: Replacement", replacement}})});
        controller().updateRenamerLayoutAndRenameNames(true);
    }

    // Creates the (empty) files and lists the folder.
    void listFiles(const QStringList &names) {
        for (const QString &name : names) dir.makeFile(name);
        ASSERT_TRUE(controller().populateWithPaths({dir.path()}, false, false));
    }

    QStringList listedNames() { return namesOf(controller().fileRepresentations()); }

    // Lets queued work and timers run until the condition holds (at most two seconds).
    template <typename Condition>
    static bool waitFor(Condition condition) {
        QDeadlineTimer deadline(2000);
        while (!condition()) {
            if (deadline.hasExpired()) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    ScriptedDialogPresenter dialogs;
    TestDir dir;
    std::unique_ptr<ZKMainWindow> window;
};
