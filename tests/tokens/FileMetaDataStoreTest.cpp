#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <QFile>
#include <QTimeZone>

#include "platform/ExtendedAttributes.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "tokens/FileMetaDataStore.h"

namespace {

class FileMetaDataStoreTest : public testing::Test {
protected:
    QVariant attribute(const QString &path, const char *key) {
        const MetaDataItemPtr item = store.createItem(path);
        return item ? item->copyAttribute(QString::fromLatin1(key)) : QVariant();
    }

    TestDir dir;
    FileMetaDataStore store;
};

void setModificationTime(const QString &path, qint64 seconds) {
    const struct utimbuf times { seconds, seconds };
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0);
}

}  // namespace

TEST_F(FileMetaDataStoreTest, NothingAtThePathGivesNoItem) {
    EXPECT_EQ(store.createItem(dir.filePath("missing.txt")), nullptr);
    EXPECT_EQ(store.createItem(QString()), nullptr);
}

TEST_F(FileMetaDataStoreTest, FileSystemAttributesOfAFile) {
    const QString path = dir.makeFile("notes one.txt", "twelve bytes");
    setModificationTime(path, 1714571110);
    const MetaDataItemPtr item = store.createItem(path);
    ASSERT_NE(item, nullptr);
    const auto value = [&](const char *key) { return item->copyAttribute(key); };

    EXPECT_EQ(value("kMDItemDisplayName").toString(), "notes one.txt");
    EXPECT_EQ(value("kMDItemPath").toString(), path);
    EXPECT_EQ(value("kMDItemURL").toString(), "file://" + QString(path).replace(" ", "%20"));
    EXPECT_EQ(value("kMDItemFSSize"), QVariant(qint64(12)));
    const QDateTime modified = QDateTime::fromSecsSinceEpoch(1714571110, QTimeZone::utc());
    EXPECT_EQ(value("kMDItemFSContentChangeDate").toDateTime(), modified);
    EXPECT_EQ(value("kMDItemContentModificationDate").toDateTime(), modified);
    EXPECT_EQ(value("kMDItemLastUsedDate").toDateTime(), modified);
    EXPECT_TRUE(value("kMDItemAttributeChangeDate").toDateTime().isValid());
    // Without an embedded date the content was created when the file was.
    EXPECT_EQ(value("kMDItemContentCreationDate"), value("kMDItemFSCreationDate"));
    EXPECT_EQ(value("kMDItemContentType").toString(), "text/plain");
    EXPECT_FALSE(value("kMDItemKind").toString().isEmpty());
    EXPECT_EQ(value("kMDItemFSOwnerUserID"), QVariant(qint64(::getuid())));
    EXPECT_EQ(value("kMDItemFSOwnerGroupID"), QVariant(qint64(::getgid())));
    EXPECT_EQ(value("kMDItemFSInvisible"), QVariant(false));
    EXPECT_EQ(value("kMDItemFSIsExtensionHidden"), QVariant(false));
    // A file has no entries, no label, no pixels.
    EXPECT_FALSE(value("kMDItemFSNodeCount").isValid());
    EXPECT_FALSE(value("kMDItemFSLabel").isValid());
    EXPECT_FALSE(value("kMDItemPixelWidth").isValid());
    EXPECT_FALSE(value("kMDItemFinderComment").isValid());
}

TEST_F(FileMetaDataStoreTest, FolderCountsItsEntriesAndHiddenItemsAreInvisible) {
    const QString folder = dir.makeFolder("folder");
    dir.makeFile("folder/.dotfile");
    dir.makeFile("folder/listed");
    dir.makeFile("folder/.hidden", "listed\n");
    dir.makeFolder("folder/sub");
    dir.makeFile("folder/sub/inner");

    EXPECT_EQ(attribute(folder, "kMDItemFSNodeCount"), QVariant(qint64(4)));
    EXPECT_EQ(attribute(folder, "kMDItemContentType").toString(), "inode/directory");
    EXPECT_TRUE(attribute(folder, "kMDItemURL").toString().endsWith("/folder/"));
    EXPECT_FALSE(attribute(folder, "kMDItemFSSize").isValid());
    EXPECT_EQ(attribute(folder, "kMDItemFSInvisible"), QVariant(false));
    EXPECT_EQ(attribute(folder + "/.dotfile", "kMDItemFSInvisible"), QVariant(true));
    EXPECT_EQ(attribute(folder + "/listed", "kMDItemFSInvisible"), QVariant(true));
    EXPECT_EQ(attribute(folder + "/sub", "kMDItemFSNodeCount"), QVariant(qint64(1)));
}

TEST_F(FileMetaDataStoreTest, SymbolicLinkDescribesItselfNotItsTarget) {
    const QString folder = dir.makeFolder("target");
    dir.makeFile("target/a");
    const QString link = dir.filePath("link");
    ASSERT_EQ(::symlink("target", QFile::encodeName(link).constData()), 0);
    const QString dangling = dir.filePath("dangling.jpg");
    ASSERT_EQ(::symlink("nowhere.jpg", QFile::encodeName(dangling).constData()), 0);

    EXPECT_EQ(attribute(link, "kMDItemContentType").toString(), "inode/symlink");
    EXPECT_EQ(attribute(link, "kMDItemFSSize"), QVariant(qint64(6)));
    EXPECT_FALSE(attribute(link, "kMDItemFSNodeCount").isValid());
    EXPECT_EQ(attribute(link, "kMDItemDisplayName").toString(), "link");
    ASSERT_NE(store.createItem(dangling), nullptr);
    EXPECT_EQ(attribute(dangling, "kMDItemContentType").toString(), "inode/symlink");
    EXPECT_FALSE(attribute(dangling, "kMDItemPixelWidth").isValid());
}

TEST_F(FileMetaDataStoreTest, FifoIsTypedWithoutBeingOpened) {
    const QString fifo = dir.filePath("pipe.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(attribute(fifo, "kMDItemContentType").toString(), "inode/fifo");
    EXPECT_FALSE(attribute(fifo, "kMDItemDurationSeconds").isValid());
}

TEST_F(FileMetaDataStoreTest, CommentComesFromTheExtendedAttribute) {
    const QString path = dir.makeFile("commented.txt", "x");
    QString error;
    if (!ExtendedAttributes::setComment(path, "Größe 2", &error))
        GTEST_SKIP() << "no user extended attributes here: " << error.toStdString();
    EXPECT_EQ(attribute(path, "kMDItemFinderComment").toString(), "Größe 2");
}
