#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>

#include "platform/ExtendedAttributes.h"
#include "support/TestEnvironment.h"

using namespace ExtendedAttributes;

namespace {

bool supportsUserAttributes(const QString &folder) {
    const QString probe = folder + QStringLiteral("/xattr-probe");
    QFile file(probe);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.close();
    const bool supported = write(probe, "user.torvane.probe", "1", nullptr);
    QFile::remove(probe);
    return supported;
}

}  // namespace

class ExtendedAttributesTest : public testing::Test {
protected:
    void SetUp() override {
        // The temporary folder may be a tmpfs without user attributes; the home may not be.
        if (supportsUserAttributes(dir.path()))
            root = dir.path();
        else if (supportsUserAttributes(testHome()))
            root = testHome();
        if (root.isEmpty()) GTEST_SKIP() << "no file system here supports user attributes";
    }

    QString makeFile(const QString &name) {
        const QString path = root + u'/' + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        created += path;
        return path;
    }

    void TearDown() override {
        for (const QString &path : created) QFile::remove(path);
    }

    TestDir dir;
    QString root;
    QStringList created;
};

TEST_F(ExtendedAttributesTest, WriteReadAndRemoveAnAttribute) {
    const QString file = makeFile("item");
    const QByteArray big(3000, 'v');  // ext4 keeps values within one block
    QString error;
    ASSERT_TRUE(write(file, "user.torvane.test", big, &error)) << error.toStdString();
    QByteArray value;
    EXPECT_TRUE(read(file, "user.torvane.test", &value, &error));
    EXPECT_EQ(value, big);

    EXPECT_TRUE(remove(file, "user.torvane.test", &error));
    EXPECT_FALSE(read(file, "user.torvane.test", &value, &error));
    EXPECT_TRUE(error.isEmpty());
    // Removing what is not there is no failure.
    EXPECT_TRUE(remove(file, "user.torvane.test", &error));
    EXPECT_TRUE(error.isEmpty());
}

TEST_F(ExtendedAttributesTest, EmptyValueReadsAsAbsent) {
    const QString file = makeFile("item");
    ASSERT_TRUE(write(file, "user.torvane.empty", QByteArray(), nullptr));
    QByteArray value("untouched");
    QString error;
    EXPECT_FALSE(read(file, "user.torvane.empty", &value, &error));
    EXPECT_EQ(value, QByteArray("untouched"));
    EXPECT_TRUE(error.isEmpty());
}

TEST_F(ExtendedAttributesTest, ReadingAMissingItemIsAnError) {
    const QString missing = root + QStringLiteral("/missing");
    QString error;
    QByteArray value;
    EXPECT_FALSE(read(missing, "user.torvane.test", &value, &error));
    EXPECT_TRUE(error.contains(missing));
    error.clear();
    EXPECT_FALSE(setComment(missing, QStringLiteral("x"), &error));
    EXPECT_TRUE(error.contains(missing));
    EXPECT_EQ(comment(missing), QString());
}

TEST_F(ExtendedAttributesTest, CommentIsUtf8TextAndEmptyTextRemovesIt) {
    const QString file = makeFile("commented");
    EXPECT_EQ(comment(file), QString());
    const QString text = QStringLiteral("Caf\u00E9 \u2615, second line\nend");
    QString error;
    ASSERT_TRUE(setComment(file, text, &error)) << error.toStdString();
    EXPECT_EQ(comment(file), text);
    QByteArray raw;
    ASSERT_TRUE(read(file, commentAttribute, &raw));
    EXPECT_EQ(raw, text.toUtf8());

    EXPECT_TRUE(setComment(file, QString(), &error));
    EXPECT_FALSE(read(file, commentAttribute, &raw));
    EXPECT_EQ(comment(file), QString());
}

TEST_F(ExtendedAttributesTest, TagsAreTrimmedCommaSeparatedEntries) {
    const QString file = makeFile("tagged");
    EXPECT_TRUE(tags(file).isEmpty());
    ASSERT_TRUE(write(file, tagsAttribute, " red, ,blue ,,gr\xC3\xBCn,", nullptr));
    EXPECT_EQ(tags(file), (QStringList{"red", "blue", QStringLiteral("gr\u00FCn")}));
}

TEST_F(ExtendedAttributesTest, SymbolicLinksAreNeverFollowed) {
    const QString target = makeFile("target");
    ASSERT_TRUE(setComment(target, QStringLiteral("the target's"), nullptr));
    const QString link = root + QStringLiteral("/link");
    ASSERT_EQ(symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()),
              0);
    created += link;

    EXPECT_EQ(comment(link), QString());
    QString error;
    EXPECT_FALSE(setComment(link, QStringLiteral("the link's"), &error));
    EXPECT_TRUE(error.contains(link));
    EXPECT_TRUE(error.contains(QStringLiteral("symbolic link")));
    EXPECT_TRUE(remove(link, commentAttribute, &error));
    EXPECT_EQ(comment(target), QStringLiteral("the target's"));
}

TEST_F(ExtendedAttributesTest, NativePathsNeedNotBeValidUtf8) {
    const QByteArray path = QFile::encodeName(root) + "/caf\xE9";
    const int file = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(file, 0);
    close(file);
    QString error;
    EXPECT_TRUE(setComment(path, QStringLiteral("bytes"), &error)) << error.toStdString();
    EXPECT_EQ(comment(path), QStringLiteral("bytes"));
    unlink(path.constData());
}
