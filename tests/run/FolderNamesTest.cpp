#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>

#include "run/FolderNames.h"
#include "support/ExfatVolume.h"
#include "support/TestEnvironment.h"

namespace {

QByteArray native(const QString &path) { return QFile::encodeName(path); }

}  // namespace

// A folder read whole answers what look-ups by path answer: identities of files, a name that
// is no UTF-8, a symbolic link (not followed) and a subfolder; free names are those missing,
// and the run's own steps keep that true. A folder with too few of the run's items is not
// read, so it never calls a name free.
TEST(FolderNamesTest, ReadFolderAnswersAsLookUpsAndFollowsTheRunsSteps) {
    TestDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray root = native(dir.path());
    QList<QByteArray> items;
    for (int i = 0; i < 20; ++i) items << native(dir.makeFile(QString("many/file %1").arg(i)));
    items << native(dir.makeFolder("many/sub"));
    items << root + "/many/caf\xe9";
    QFile(QFile::decodeName(items.last())).open(QIODevice::WriteOnly);
    items << root + "/many/link";
    ASSERT_EQ(::symlink("file 1", items.last().constData()), 0);
    const QByteArray few = native(dir.makeFile("few/one"));
    for (int i = 0; i < 5; ++i) native(dir.makeFile(QString("many/sub/inner %1").arg(i)));

    // Read as the run asks, or read ahead against a larger count than the folder's own.
    for (const bool ahead : {false, true}) {
        FolderNames names;
        if (ahead) names.readAheadFolderOf(items[0], 1000);
        for (const QByteArray &item : items) names.expect(item);
        names.expect(few);
        for (const QByteArray &item : items + QList<QByteArray>{few, root + "/many/missing"}) {
            const FileAttributes::FileIdentity byPath = FileAttributes::identity(item);
            const FileAttributes::FileIdentity read = names.identity(item);
            EXPECT_EQ(read.valid, byPath.valid) << item.constData();
            EXPECT_TRUE(!byPath.valid || read == byPath) << item.constData();
            EXPECT_EQ(names.isKnownFree(item), !byPath.valid && item.startsWith(root + "/many/"))
                << item.constData();
        }
        EXPECT_TRUE(names.isKnownFree(root + "/many/File 1")) << "names compare as bytes";
        EXPECT_FALSE(names.isKnownFree(root + "/few/missing")) << "not read: look on disk";
        EXPECT_FALSE(names.isKnownFree(root + "/many/sub/missing")) << "not read: look on disk";

        names.moved(items[0], root + "/many/renamed");
        EXPECT_TRUE(names.isKnownFree(items[0]));
        EXPECT_FALSE(names.isKnownFree(root + "/many/renamed"));
        names.moved(items[1], QByteArray());  // to the Trash
        EXPECT_TRUE(names.isKnownFree(items[1]));
    }

    // A folder read ahead that ends up with too few of the run's items is not used.
    FolderNames names;
    names.readAheadFolderOf(few, 1000);
    names.expect(few);
    EXPECT_FALSE(names.isKnownFree(root + "/few/missing"));
}

// A folder that moves takes what was read below it along: what is at its old path now is
// read afresh.
TEST(FolderNamesTest, MovedFolderForgetsWhatWasReadBelowIt) {
    TestDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray sub = native(dir.makeFolder("a/sub"));
    QList<QByteArray> inner;
    for (int i = 0; i < 20; ++i) inner << native(dir.makeFile(QString("a/sub/f%1").arg(i)));
    FolderNames names;
    for (const QByteArray &item : inner) names.expect(item);
    ASSERT_TRUE(names.isKnownFree(sub + "/missing"));
    ASSERT_EQ(::rename(qPrintable(dir.filePath("a")), qPrintable(dir.filePath("b"))), 0);
    names.moved(native(dir.filePath("a")), native(dir.filePath("b")));
    for (const QByteArray &item : inner)
        dir.makeFile("a/sub/" + QFile::decodeName(item.mid(sub.size() + 1)));
    dir.makeFile("a/sub/missing");
    EXPECT_FALSE(names.isKnownFree(sub + "/missing"));
    EXPECT_FALSE(names.isKnownFree(sub + "/f1"));
}

// A volume that ignores letter case is never read: "free" would be judged by the wrong rule.
TEST(FolderNamesTest, CaseInsensitiveVolumeIsLookedUpOnDisk) {
    ExfatVolume volume;
    if (!volume.isMounted()) GTEST_SKIP() << volume.reason().toStdString();
    FolderNames names;
    for (int i = 0; i < 20; ++i) {
        const QByteArray path = native(volume.path() + QString("/f%1").arg(i));
        QFile(QFile::decodeName(path)).open(QIODevice::WriteOnly);
        names.expect(path);
    }
    EXPECT_FALSE(names.isKnownFree(native(volume.path() + "/F1")));
    EXPECT_FALSE(names.isKnownFree(native(volume.path() + "/missing")));
    EXPECT_TRUE(names.identity(native(volume.path() + "/f1")) ==
                FileAttributes::identity(native(volume.path() + "/f1")));
}
