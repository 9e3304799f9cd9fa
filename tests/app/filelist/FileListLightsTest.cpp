#include <gtest/gtest.h>

#include "app/filelist/NameDrawing.h"
#include "app/filelist/ZKLightImages.h"

using ZKLightImages::Style;

TEST(FileListLightsTest, ArrowsForModeTwoAndForModeOneWithInterimNames) {
    EXPECT_EQ(ZKLightImages::styleFor(0, false), Style::Round);
    EXPECT_EQ(ZKLightImages::styleFor(0, true), Style::Round);
    EXPECT_EQ(ZKLightImages::styleFor(1, false), Style::Round);
    EXPECT_EQ(ZKLightImages::styleFor(1, true), Style::Arrow);
    EXPECT_EQ(ZKLightImages::styleFor(2, false), Style::Arrow);
    EXPECT_EQ(ZKLightImages::styleFor(2, true), Style::Arrow);
    EXPECT_EQ(ZKLightImages::styleFor(7, false), Style::Arrow);
    EXPECT_EQ(ZKLightImages::styleFor(-1, true), Style::Round);
}

TEST(FileListLightsTest, ArrowImagesAreNamedByColourAndDrawnDifferently) {
    EXPECT_EQ(ZKLightImages::arrowImageName(ZKStatusLight::Green), "ZKTrafficLightArrowGreen");
    EXPECT_EQ(ZKLightImages::arrowImageName(ZKStatusLight::Yellow), "ZKTrafficLightArrowOrange");
    EXPECT_EQ(ZKLightImages::arrowImageName(ZKStatusLight::Red), "ZKTrafficLightArrowRed");
    EXPECT_EQ(ZKLightImages::arrowImageName(ZKStatusLight::Grey), "ZKTrafficLightArrowGray");

    const QImage arrow = ZKLightImages::pixmap(Style::Arrow, ZKStatusLight::Red, 32, 1.0).toImage();
    const QImage round = ZKLightImages::pixmap(Style::Round, ZKStatusLight::Red, 32, 1.0).toImage();
    const QImage green =
        ZKLightImages::pixmap(Style::Round, ZKStatusLight::Green, 32, 1.0).toImage();
    ASSERT_EQ(arrow.size(), QSize(32, 32));
    // The arrow's tip reaches where the lamp has ended; the lamp fills its centre.
    EXPECT_GT(qAlpha(arrow.pixel(29, 16)), 0);
    EXPECT_EQ(qAlpha(round.pixel(29, 16)), 0);
    EXPECT_GT(qAlpha(round.pixel(16, 16)), 0);
    EXPECT_GT(qRed(round.pixel(18, 18)), qGreen(round.pixel(18, 18)));
    EXPECT_GT(qGreen(green.pixel(18, 18)), qRed(green.pixel(18, 18)));
}

TEST(FileListLightsTest, WhitespaceMarkersReplaceEveryWhiteSpaceCharacter) {
    const NameDrawing::WhitespaceMarking on{true, QStringLiteral("\u00B7"), Qt::gray};
    EXPECT_EQ(NameDrawing::markedText(QStringLiteral("a  b\u00A0c\td "), on),
              QStringLiteral("a\u00B7\u00B7b\u00B7c\u00B7d\u00B7"));
    const NameDrawing::WhitespaceMarking off{false, QStringLiteral("\u00B7"), Qt::gray};
    EXPECT_EQ(NameDrawing::markedText(QStringLiteral("a b"), off), QStringLiteral("a b"));
}
