#pragma once

#include <QFile>

#include "RenamingControllerFixture.h"
#include "support/TreeContents.h"

// A controller that renames on disk: files carry distinct contents so that a test can check
// that a run lost and duplicated nothing, the clock moves on 100 ms at every reading (every
// record gets its stop check), and the run confirms nothing unless a test turns
// "Chicken" on.
class RenameRunFixture : public RenamingControllerFixture {
protected:
    void SetUp() override {
        RenamingControllerFixture::SetUp();
        controller->setHasFinishedLaunching(true);
        controller->generalSettings().confirmBeforeRenaming = false;
        controller->setScanClock([this] { return clock += 100; });
        QObject::connect(controller.get(), &ZKRenamingController::quitRequested,
                         [this] { ++quitRequests; });
    }

    // The text appended to every name (before the extension).
    static ZKRenamerPtr suffix(const QString &text) { return findAndReplace("$", text, true); }
    // Removes the extension of the names that end with it.
    static ZKRenamerPtr removeExtension(const QString &ending = "\\.txt$") {
        const QVariantMap archive{{"Rename: Find/Replace: Target", ending},
                                  {"Rename: Find/Replace: Replacement", ""},
                                  {"Rename: Find/Replace: Query is RegEx", true},
                                  {"Rename: Find/Replace: Preserve Extensions", false}};
        return ZKRenamer::renamerWithArchive(archive);
    }
    // a -> b and b -> a, through a name that no file has.
    static QList<ZKRenamerPtr> swapSteps(const QString &a, const QString &b) {
        return {findAndReplace(a, "#"), findAndReplace(b, a), findAndReplace("#", b)};
    }

    // Creates the files, each holding "content of <name>".
    void makeFiles(const QStringList &names) {
        for (const QString &name : names) dir.makeFile(name, contentOf(name));
    }
    static QByteArray contentOf(const QString &name) { return "content of " + name.toUtf8(); }

    // Creates the files and lists the folder that holds them (the test folder itself when no
    // folder is named).
    void listFilesWithContents(const QStringList &names, const QString &folder = QString()) {
        const QString prefix = folder.isEmpty() ? QString() : folder + u'/';
        for (const QString &name : names) dir.makeFile(prefix + name, contentOf(name));
        const QString root = folder.isEmpty() ? dir.path() : dir.filePath(folder);
        ASSERT_TRUE(controller->populateWithPaths({root}, false, false));
    }

    // Relative path -> content of every file in the test folder.
    QMap<QString, QByteArray> files() const { return filesUnder(dir.path()); }
    QStringList fileNames() const { return files().keys(); }

    QList<QByteArray> contentsBefore;
    void rememberContents() { contentsBefore = sortedContentsUnder(dir.path()); }
    // Nothing lost, nothing duplicated.
    void expectContentsKept() const { EXPECT_EQ(sortedContentsUnder(dir.path()), contentsBefore); }

    QStringList alertMessages() const {
        QStringList messages;
        for (const ZKAlert &alert : ui.alerts) messages.append(alert.messageText);
        return messages;
    }

    qint64 clock = 0;
    int quitRequests = 0;
};
