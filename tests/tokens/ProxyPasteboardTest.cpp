#include <gtest/gtest.h>

#include <QMimeData>

#include "common/PropertyList.h"
#include "support/QtPrinters.h"
#include "tokens/ProxyPasteboard.h"

namespace {

const QVariantMap date{
    {"Proxy", "current date"}, {"Date Format", qint64(1)}, {"Time Format", qint64(101)}};

}  // namespace

TEST(ProxyPasteboardTest, ElementsComeBackWithTheirSettings) {
    QMimeData data;
    const QVariantList selection{"ab ", date, " cd"};
    ASSERT_TRUE(ProxyPasteboard::writeRepresentedObjects(selection, &data));
    EXPECT_EQ(data.text(), "ab  cd") << "other programs get the literal text";

    const QVariantList read = ProxyPasteboard::readFromPasteboard(&data);
    EXPECT_EQ(read, selection);
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read.at(1).toMap().value("Date Format").typeId(), QMetaType::LongLong);
}

TEST(ProxyPasteboardTest, EmptySelectionWritesNothing) {
    QMimeData data;
    EXPECT_FALSE(ProxyPasteboard::writeRepresentedObjects({}, &data));
    EXPECT_TRUE(data.formats().isEmpty());
    EXPECT_TRUE(ProxyPasteboard::readFromPasteboard(&data).isEmpty());
}

TEST(ProxyPasteboardTest, PlainTextIsOneElementAndTheTokenTypeComesFirst) {
    QMimeData text;
    text.setText("photo 1");
    EXPECT_EQ(ProxyPasteboard::readFromPasteboard(&text), QVariantList({"photo 1"}));
    text.setText("");
    EXPECT_TRUE(ProxyPasteboard::readFromPasteboard(&text).isEmpty());

    QMimeData both;
    both.setText("something else");
    both.setData(ProxyPasteboard::kPasteboardType,
                 PropertyList::toData(QVariantList{date}, PropertyList::Format::Binary));
    EXPECT_EQ(ProxyPasteboard::readFromPasteboard(&both), QVariantList({date}));
}

TEST(ProxyPasteboardTest, DamagedOrForeignDataLosesOnlyWhatIsNoElement) {
    QMimeData damaged;
    damaged.setData(ProxyPasteboard::kPasteboardType, "not a property list");
    damaged.setText("fallback");
    EXPECT_EQ(ProxyPasteboard::readFromPasteboard(&damaged), QVariantList({"fallback"}));

    QMimeData mixed;
    const QVariantList stored{"a", qint64(5), QVariantMap{{"Date Format", qint64(1)}}, date};
    mixed.setData(ProxyPasteboard::kPasteboardType,
                  PropertyList::toData(stored, PropertyList::Format::Xml));
    EXPECT_EQ(ProxyPasteboard::readFromPasteboard(&mixed), QVariantList({"a", date}));
}
