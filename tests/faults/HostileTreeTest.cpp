// Trees no one makes on purpose: the longest names, paths beyond PATH_MAX, a folder 10,000
// levels deep, names with line feeds, leading dashes, backslashes, control characters and
// bytes that are not UTF-8, pipes, sockets and device nodes (a pipe opened for its metadata
// would hang the scan). Preview and rename must end with a result or a clear message, never
// hang or crash, and must lose nothing.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <atomic>
#include <thread>

#include "FaultTree.h"
#include "common/PropertyList.h"
#include "support/TestEnvironment.h"

namespace {

// Makes `levels` nested folders named `name` below `folder` and a file at the bottom, by
// descriptors, since the full path may be longer than any call takes.
void makeDeepTree(const QString &folder, const QByteArray &name, int levels) {
    int current = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(current, 0);
    for (int level = 0; level < levels; ++level) {
        ASSERT_EQ(::mkdirat(current, name.constData(), 0755), 0) << "level " << level;
        const int next = ::openat(current, name.constData(), O_RDONLY | O_DIRECTORY);
        ::close(current);
        ASSERT_GE(next, 0);
        current = next;
    }
    const int file = ::openat(current, "bottom.dat", O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(::write(file, "bottom\n", 7), 7);
    ::close(file);
    ::close(current);
}

// What a tree holds, walked with `find` (which copes with any depth): per item its type and,
// for files, its size, sorted; names may hold any byte but NUL, so they do not count.
QByteArrayList shapeOf(const QString &folder) {
    QProcess find;
    find.start("find", {folder, "-printf", "%y %s\\0"});
    find.waitForFinished(120000);
    QByteArrayList items = find.readAllStandardOutput().split('\0');
    std::sort(items.begin(), items.end());
    return items;
}

class HostileTreeTest : public testing::Test {
protected:
    void TearDown() override {
        // A tree deeper than PATH_MAX is beyond QDir::removeRecursively.
        QProcess::execute("rm", {"-rf", "--", dir.path() + "/tree"});
    }

    // Preview, then rename with a prefix; each must end (not hang, not crash) with status
    // 0 or 1, and the rename must lose no item.
    void previewAndRename(const QString &tree, const std::string &where) {
        const QString steps = dir.filePath("steps.tva");
        PropertyList::writeFile(
            steps,
            QVariantList{QVariantMap{{"Task", 0},
                                     {"Rename: Find/Replace: Target", QVariantList{"^"}},
                                     {"Rename: Find/Replace: Replacement", QVariantList{"r_"}},
                                     {"Rename: Find/Replace: Query is RegEx", true}}},
            PropertyList::Format::Xml);
        const ProgramRun preview = runProgram(cliProgram(), {"preview", "--steps", steps, tree});
        EXPECT_FALSE(preview.crashed) << where << ": preview crashed";
        EXPECT_TRUE(preview.status == 0 || preview.status == 1)
            << where << ": preview " << preview.status << ' ' << preview.err.toStdString();
        const QByteArrayList before = shapeOf(tree);
        const ProgramRun rename =
            runProgram(cliProgram(), {"rename", "--yes", "--steps", steps, tree});
        EXPECT_FALSE(rename.crashed) << where << ": rename crashed";
        EXPECT_TRUE(rename.status == 0 || rename.status == 1)
            << where << ": rename " << rename.status << ' ' << rename.err.toStdString();
        // Same items, same types and sizes: only names may differ.
        EXPECT_EQ(before, shapeOf(tree)) << where << ": items were lost or changed";
    }

    TestDir dir;
};

TEST_F(HostileTreeTest, StrangeNamesAndSpecialFilesAreListedAndRenamedSafely) {
    const QString tree = dir.makeFolder("tree");
    const QByteArray folder = QFile::encodeName(tree) + '/';
    const QByteArrayList names{QByteArray(251, 'n') + ".dat",  // 255 bytes: no room for "r_"
                               "line\nfeed.txt",
                               "-rf",
                               "--help",
                               "back\\slash",
                               "bell\a\x01\x1b[31m.txt",
                               "latin1 \xe9t\xe9.txt",
                               "\xff\xfe",
                               " leading and trailing space ",
                               "*?[glob].txt"};
    for (const QByteArray &name : names) {
        const int file = ::open((folder + name).constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(file, 0) << name.toStdString();
        ::write(file, name.constData(), size_t(name.size()));
        ::close(file);
    }
    ASSERT_EQ(::mkfifo((folder + "pipe").constData(), 0644), 0);
    // A device node needs root; without one the rest still counts.
    ::mknod((folder + "device").constData(), S_IFCHR | 0644, makedev(1, 3));
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = folder + "socket";
    if (size_t(socketPath.size()) < sizeof(address.sun_path)) {
        std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
        ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    }
    previewAndRename(tree, "strange names");
    ::close(listening);
    // The pipe is still a pipe, under whichever name.
    struct stat status {};
    EXPECT_TRUE((::lstat((folder + "pipe").constData(), &status) == 0 ||
                 ::lstat((folder + "r_pipe").constData(), &status) == 0) &&
                S_ISFIFO(status.st_mode));
}

TEST_F(HostileTreeTest, PathsBeyondPathMaxAndTenThousandLevelsEndWithoutHangOrCrash) {
    const QString tree = dir.makeFolder("tree");
    // 30 levels of 200-byte names: 6,000 bytes, beyond PATH_MAX (4,096).
    makeDeepTree(dir.makeFolder("tree/long"), QByteArray(200, 'l'), 30);
    makeDeepTree(dir.makeFolder("tree/deep"), "d", 10000);
    previewAndRename(tree, "deep trees");
}

// Files vanish while the scan walks their folders and again while the run moves them: both
// must end with a result, and every file nobody deleted must still be there, once.
TEST_F(HostileTreeTest, FilesVanishingDuringTheScanAndTheRunLoseNothingElse) {
    const QString tree = dir.makeFolder("tree");
    QStringList paths;
    for (int folder = 0; folder < 100; ++folder)
        for (int file = 0; file < 100; ++file)
            paths << dir.makeFile(QStringLiteral("tree/%1/f%2.dat").arg(folder).arg(file),
                                  QStringLiteral("%1/%2").arg(folder).arg(file).toUtf8());
    QSet<QByteArray> deleted;
    // Deletes every third file, in an order unlike the scan's, until told to stop.
    auto deleteWhile = [&](const std::atomic<bool> &running, int offset) {
        for (int index = offset; index < paths.size() && running; index += 3) {
            const QString path = paths[(index * 7919) % paths.size()];
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QByteArray content = file.readAll();
            file.close();
            if (::unlink(QFile::encodeName(path).constData()) == 0) deleted.insert(content);
        }
    };
    for (const char *command : {"preview", "rename"}) {
        std::atomic<bool> running{true};
        std::thread deleter(deleteWhile, std::cref(running), command[0] == 'p' ? 0 : 1);
        QStringList arguments{command, "--prefix", "r_", tree};
        if (command[0] == 'r') arguments << "--yes";
        const ProgramRun run = runProgram(cliProgram(), arguments);
        running = false;
        deleter.join();
        EXPECT_FALSE(run.crashed) << command;
        EXPECT_TRUE(run.status == 0 || run.status == 1)
            << command << ' ' << run.status << ' ' << run.err.left(2000).toStdString();
    }
    QSet<QByteArray> kept;
    for (QDirIterator it(tree, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        EXPECT_FALSE(kept.contains(content)) << "twice: " << content.toStdString();
        kept.insert(content);
    }
    EXPECT_FALSE(deleted.isEmpty());
    EXPECT_EQ(kept.size() + deleted.size(), paths.size());
    EXPECT_TRUE(kept.intersect(deleted).isEmpty());
}

// Root passes every permission check, so an ordinary user meets the real EACCES: a folder
// it cannot read is left out of the list, as the window leaves it out; a file in a folder it
// cannot write gets a message naming it, the rest is renamed, and nothing is lost.
TEST_F(HostileTreeTest, AnOrdinaryUserMeetsUnreadableAndUnwritableFoldersSafely) {
    const passwd *nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody || QStandardPaths::findExecutable("setpriv").isEmpty())
        GTEST_SKIP() << "needs root, the user nobody and setpriv to act as an ordinary user";
    const auto giveToNobody = [&](const QString &path) {
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    };
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString home = dir.makeFolder("home");
    giveToNobody(home);
    const QString tree = dir.makeFolder("tree");
    giveToNobody(tree);
    giveToNobody(dir.makeFolder("tree/open"));
    giveToNobody(dir.makeFile("tree/open/a.txt", "a"));
    dir.makeFile("tree/readonly/b.txt", "b");  // root's folder: nobody may not rename in it
    dir.makeFile("tree/locked/c.txt", "c");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("tree/locked")).constData(), 0700), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                                 "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        environment.remove(variable);
    const QByteArrayList before = shapeOf(tree);
    const QStringList asNobody{QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                               QStringLiteral("--regid=%1").arg(nobody->pw_gid), "--clear-groups",
                               "--", cliProgram()};
    const ProgramRun preview = runProgram(
        "setpriv", asNobody + QStringList{"preview", "--prefix", "r_", tree}, environment);
    EXPECT_EQ(preview.status, 0) << preview.err.toStdString();
    const ProgramRun rename = runProgram(
        "setpriv", asNobody + QStringList{"rename", "--yes", "--prefix", "r_", tree}, environment);
    EXPECT_FALSE(rename.crashed);
    EXPECT_EQ(rename.status, 1) << rename.err.toStdString();
    EXPECT_TRUE(rename.err.contains("Cannot rename b.txt")) << rename.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("tree/open/r_a.txt")));
    EXPECT_TRUE(QFile::exists(dir.filePath("tree/readonly/b.txt")));
    EXPECT_TRUE(QFile::exists(dir.filePath("tree/locked/c.txt")));
    EXPECT_EQ(before, shapeOf(tree));
}

}  // namespace
