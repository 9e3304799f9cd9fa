#include <gtest/gtest.h>

#include <QFile>

#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"
#include "records/ZKFileRepresentation.h"
#include "support/TestEnvironment.h"

namespace {

const QString kFolderKey =
    QStringLiteral("                    com.quorlix.Torvane.FileType.1-Folder");
const QString kNoneKey = QStringLiteral("                    com.quorlix.Torvane.FileType.2-None");

class ZKFileRepresentationAttributesTest : public testing::Test {
protected:
    ZKFileRepresentationPtr record(const QString &relative) {
        return ZKFileRepresentation::fileRepresentationWithPath(dir.filePath(relative), nullptr);
    }

    TestDir dir;
};

}  // namespace

TEST_F(ZKFileRepresentationAttributesTest, KindKeysByItemKind) {
    dir.makeFolder(QStringLiteral("Plain"));
    dir.makeFolder(QStringLiteral("conf.d"));
    dir.makeFolder(QStringLiteral("Tool.app"));
    dir.makeFile(QStringLiteral("notes.txt"));
    dir.makeFile(QStringLiteral("README"));

    EXPECT_EQ(record(QStringLiteral("Plain"))->kind(), kFolderKey);
    EXPECT_EQ(record(QStringLiteral("conf.d"))->kind(), kFolderKey + QStringLiteral(": d"));
    EXPECT_EQ(record(QStringLiteral("Tool.app"))->kind(), QStringLiteral("app:     |    "));
    EXPECT_EQ(record(QStringLiteral("notes.txt"))->kind(), QStringLiteral("txt:     |    "));
    EXPECT_EQ(record(QStringLiteral("README"))->kind(), kNoneKey + QStringLiteral(":     |    "));
}

TEST_F(ZKFileRepresentationAttributesTest, CachedValuesAreReplacedOrReadAgain) {
    auto file = record(QStringLiteral("notes.txt"));
    EXPECT_EQ(file->fileType(), QString());
    EXPECT_EQ(file->fileCreator(), QString());
    EXPECT_EQ(file->kind(), QStringLiteral("txt:     |    "));

    file->setFileTypeInstanceVariableOnly(QStringLiteral("TEXT"));
    file->setFileCreatorInstanceVariableOnly(QStringLiteral("ttxt"));
    EXPECT_EQ(file->fileType(), QStringLiteral("TEXT"));
    // The kind stays cached until it is dropped too.
    EXPECT_EQ(file->kind(), QStringLiteral("txt:     |    "));
    file->setKindInstanceVariableOnly(std::nullopt);
    EXPECT_EQ(file->kind(), QStringLiteral("txt: TEXT|ttxt"));

    file->setPath(dir.filePath(QStringLiteral("notes.md")));
    file->setFileTypeInstanceVariableOnly(std::nullopt);
    file->setFileCreatorInstanceVariableOnly(std::nullopt);
    file->setKindInstanceVariableOnly(std::nullopt);
    EXPECT_EQ(file->fileType(), QString());
    EXPECT_EQ(file->kind(), QStringLiteral("md:     |    "));
    file->setKindInstanceVariableOnly(QStringLiteral("custom"));
    EXPECT_EQ(file->kind(), QStringLiteral("custom"));
}

TEST_F(ZKFileRepresentationAttributesTest, SizeOfAFolderSumsEverythingInside) {
    dir.makeFile(QStringLiteral("Folder/a"), QByteArray(100, 'a'));
    dir.makeFile(QStringLiteral("Folder/sub/b"), QByteArray(23, 'b'));
    dir.makeFile(QStringLiteral("single"), QByteArray(7, 'c'));

    EXPECT_EQ(record(QStringLiteral("Folder"))->size(), 123);
    auto single = record(QStringLiteral("single"));
    EXPECT_EQ(single->size(), 7);
    // Read once and kept for the life of the record.
    dir.makeFile(QStringLiteral("single"), QByteArray(70, 'c'));
    EXPECT_EQ(single->size(), 7);
    EXPECT_EQ(record(QStringLiteral("missing"))->size(), 0);
}

TEST_F(ZKFileRepresentationAttributesTest, DatesFallBackToTheDistantPast) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-5);
    dir.makeFile(QStringLiteral("dated"));
    auto file = record(QStringLiteral("dated"));
    EXPECT_GE(file->modificationDate(), before);
    const QDateTime created = file->creationDate();
    EXPECT_TRUE(created == FileAttributes::distantPast() || created >= before);

    auto missing = record(QStringLiteral("missing"));
    EXPECT_EQ(missing->creationDate(), FileAttributes::distantPast());
    EXPECT_EQ(missing->creationDate().date(), QDate(1, 1, 1));
    EXPECT_EQ(missing->modificationDate(), FileAttributes::distantPast());
}

TEST_F(ZKFileRepresentationAttributesTest, CommentComesFromTheXdgAttribute) {
    const QString path = dir.makeFile(QStringLiteral("commented"));
    QString error;
    if (!ExtendedAttributes::setComment(path, QStringLiteral("Caf\u00e9 notes"), &error)) {
        GTEST_SKIP() << "no user extended attributes here: " << error.toStdString();
    }
    auto file = record(QStringLiteral("commented"));
    EXPECT_EQ(file->spotlightComment(), QStringLiteral("Caf\u00e9 notes"));

    dir.makeFile(QStringLiteral("plain"));
    EXPECT_EQ(record(QStringLiteral("plain"))->spotlightComment(), QString());

    // A link has no comment of its own, whatever its target carries.
    ASSERT_TRUE(QFile::link(path, dir.filePath(QStringLiteral("link"))));
    EXPECT_EQ(record(QStringLiteral("link"))->spotlightComment(), QString());
}

TEST_F(ZKFileRepresentationAttributesTest, BitRateMultiplierDetectsKilobitReports) {
    // 1 MB over 8 s measures 1,000,000 bit/s.
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(1000000, 8, 1000), 1000u);
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(1000000, 8, 9900), 1000u);
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(1000000, 8, 9901), 1u);
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(1000000, 8, 1000000), 1u);
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(0, 8, 1000), 1u);
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(1000000, 0, 1000), 1u);
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(1000000, 8, 0), 1u);
    // A duration longer than the bit count measures nothing.
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(1, 9, 1), 1u);
    EXPECT_EQ(ZKFileRepresentation::bitRateMultiplier(~quint64(0), 1, 1), 1000u);
}

TEST_F(ZKFileRepresentationAttributesTest, BitRateMultiplierIsComputedOncePerRecord) {
    dir.makeFile(QStringLiteral("song.mp3"), QByteArray(1000, 'x'));
    auto song = record(QStringLiteral("song.mp3"));
    const ZKMediaTiming kilobits{8, 1};
    EXPECT_EQ(song->bitRateMultiplierForMetaDataItem(&kilobits), 1000u);
    const ZKMediaTiming bits{8, 1000};
    EXPECT_EQ(song->bitRateMultiplierForMetaDataItem(&bits), 1000u);

    auto other = record(QStringLiteral("song.mp3"));
    EXPECT_EQ(other->bitRateMultiplierForMetaDataItem(nullptr), 1u);
    EXPECT_EQ(other->bitRateMultiplierForMetaDataItem(&kilobits), 1u);
}
