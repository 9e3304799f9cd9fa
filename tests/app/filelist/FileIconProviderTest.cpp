#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "app/filelist/ZKFileIconProvider.h"
#include "records/ZKFileRepresentation.h"
#include "support/TestEnvironment.h"

namespace {

QString makeImage(TestDir &dir, const QString &name, const QSize &size, Qt::GlobalColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

}  // namespace

TEST(FileIconProviderTest, ImagesGetPreviewsReadInTheBackgroundOthersTheirThemeIcon) {
    TestDir dir;
    ZKFileIconProvider icons;
    QSignalSpy ready(&icons, &ZKFileIconProvider::previewReady);
    const ZKFileRepresentationPtr photo = ZKFileRepresentation::fileRepresentationWithPath(
        makeImage(dir, "photo.png", QSize(400, 200), Qt::red), nullptr);
    const ZKFileRepresentationPtr text =
        ZKFileRepresentation::fileRepresentationWithPath(dir.makeFile("notes.txt"), nullptr);
    const ZKFileRepresentationPtr broken =
        ZKFileRepresentation::fileRepresentationWithPath(dir.makeFile("broken.png", "no"), nullptr);

    EXPECT_TRUE(icons.previewFor(*photo).isNull());
    EXPECT_TRUE(icons.previewFor(*broken).isNull());
    EXPECT_TRUE(icons.previewFor(*text).isNull());
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_EQ(ready.first().first().toString(), photo->path());

    const QPixmap preview = icons.previewFor(*photo);
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.size(), QSize(64, 32));
    EXPECT_EQ(preview.toImage().pixelColor(10, 10), QColor(Qt::red));
    EXPECT_FALSE(icons.iconFor(*text).isNull());

    // An unreadable image is tried once and then left alone.
    QTest::qWait(100);
    EXPECT_TRUE(icons.previewFor(*broken).isNull());
    EXPECT_FALSE(ready.wait(200));
    EXPECT_EQ(ready.size(), 1);
}

TEST(FileIconProviderTest, ANewFileAtAPreviewedPathGetsItsOwnPreview) {
    TestDir dir;
    ZKFileIconProvider icons;
    QSignalSpy ready(&icons, &ZKFileIconProvider::previewReady);
    const QString path = makeImage(dir, "a.png", QSize(8, 8), Qt::red);
    const ZKFileRepresentationPtr first =
        ZKFileRepresentation::fileRepresentationWithPath(path, nullptr);
    icons.previewFor(*first);
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_EQ(icons.previewFor(*first).toImage().pixelColor(1, 1), QColor(Qt::red));

    // Another file now sits at the path (as after swapping two names), newer than the first.
    QFile::remove(path);
    makeImage(dir, "a.png", QSize(8, 8), Qt::blue);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    file.close();
    const ZKFileRepresentationPtr second =
        ZKFileRepresentation::fileRepresentationWithPath(path, nullptr);
    EXPECT_TRUE(icons.previewFor(*second).isNull());
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_EQ(icons.previewFor(*second).toImage().pixelColor(1, 1), QColor(Qt::blue));
}
