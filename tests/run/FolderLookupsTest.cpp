#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "run/FolderLookups.h"

namespace {

void touch(const QByteArray &path) {
    QFile file(QFile::decodeName(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

}  // namespace

// Lookups through the folder's descriptor answer what lookups by path answer: for files in
// several folders, a name that is no UTF-8, a symbolic link (not followed), a missing item,
// and paths that name no item in a folder. Once forgotten, a replaced folder is the new one.
TEST(FolderLookupsTest, AnswersAsLookupsByPathDo) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QByteArray root = QFile::encodeName(scratch.path());
    ASSERT_TRUE(QDir().mkpath(scratch.path() + "/a") && QDir().mkpath(scratch.path() + "/b"));
    const QList<QByteArray> items{root + "/a/one", root + "/a/caf\xe9", root + "/b/one",
                                  root + "/a/link"};
    touch(items[0]);
    touch(items[1]);
    touch(items[2]);
    ASSERT_EQ(::symlink("one", items[3].constData()), 0);

    FolderLookups lookups;
    const QList<QByteArray> asked =
        items + QList<QByteArray>{root + "/a/missing", root + "/none/x", root + "/a", "/", "/tmp"};
    for (const QByteArray &path : asked) {
        const FileAttributes::FileIdentity byPath = FileAttributes::identity(path);
        const FileAttributes::FileIdentity looked = lookups.identity(path);
        EXPECT_EQ(looked.valid, byPath.valid) << path.constData();
        EXPECT_TRUE(!byPath.valid || looked == byPath) << path.constData();
        EXPECT_EQ(lookups.exists(path), byPath.valid) << path.constData();
    }
    EXPECT_FALSE(lookups.identity(items[0]) == lookups.identity(items[2]));

    // The folder replaced under the same path: the descriptor still names the old one.
    const FileAttributes::FileIdentity before = lookups.identity(items[0]);
    ASSERT_TRUE(QDir().rename(scratch.path() + "/a", scratch.path() + "/old"));
    ASSERT_TRUE(QDir().mkpath(scratch.path() + "/a"));
    EXPECT_TRUE(lookups.identity(items[0]) == before);
    lookups.forget();
    EXPECT_FALSE(lookups.exists(items[0]));
    touch(items[0]);
    EXPECT_FALSE(lookups.identity(items[0]) == before);
}
