#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "tokens/DateDescription.h"
#include "tokens/ProxySettings.h"

namespace {

using ProxySettings::Section;

const QDateTime moment(QDate(2024, 3, 9), QTime(14, 5, 6));

QList<Section> sectionsOf(const QVariantMap &token) {
    QList<Section> result;
    for (const auto &section : ProxySettings::sections(token, moment))
        result.append(section.section);
    return result;
}

ProxySettings::MenuSection section(const QVariantMap &token, Section which) {
    for (const auto &section : ProxySettings::sections(token, moment)) {
        if (section.section == which) return section;
    }
    return {};
}

QList<qint64> checkedTags(const ProxySettings::MenuSection &section) {
    QList<qint64> tags;
    for (const auto &item : section.items) {
        if (item.checked) tags.append(item.tag);
    }
    return tags;
}

}  // namespace

TEST(ProxySettingsTest, EachTypeGetsItsSectionsInMenuOrder) {
    EXPECT_EQ(sectionsOf({{"Proxy", "current date"}}),
              QList<Section>({Section::DateFormat, Section::TimeFormat}));
    EXPECT_EQ(sectionsOf({{"Proxy", "parent folder: number of files"}}),
              QList<Section>({Section::AncestorLevel, Section::NumberOfCharacters}));
    EXPECT_EQ(sectionsOf({{"Proxy", "random characters"}}),
              QList<Section>({Section::CharacterSet, Section::NumberOfCharacters}));
    EXPECT_EQ(sectionsOf({{"Proxy", "kMDItemDurationSeconds"}}),
              QList<Section>({Section::DurationFormat}));
    EXPECT_TRUE(sectionsOf({{"Proxy", "name: intermediate: name"}}).isEmpty());
    EXPECT_TRUE(sectionsOf({{"Proxy", "no such type"}}).isEmpty());

    EXPECT_EQ(
        section({{"Proxy", "kMDItemAudioBitRate"}}, Section::FileSizeFormat).items.first().title,
        "Bits per Second");
    EXPECT_EQ(section({{"Proxy", "kMDItemFSSize"}}, Section::FileSizeFormat).items.first().title,
              "Bytes");
    EXPECT_EQ(section({{"Proxy", "kMDItemPixelWidth"}}, Section::NumberOfCharacters).heading,
              "Minimum Number of Digits:");
    EXPECT_EQ(section({{"Proxy", "random characters"}}, Section::NumberOfCharacters).heading,
              "Number of Characters:");
    const auto ancestor = section({{"Proxy", "parent folder: name"}}, Section::AncestorLevel);
    ASSERT_EQ(ancestor.items.size(), 9);
    EXPECT_EQ(ancestor.items.first().title, "1 (Parent)");
    EXPECT_EQ(ancestor.items.last().title, "9");
}

TEST(ProxySettingsTest, DateItemsPreviewTheMomentAndMissingKeysCheckTheirDefaults) {
    const QVariantMap token{{"Proxy", "current date"}};
    const auto dates = section(token, Section::DateFormat);
    ASSERT_EQ(dates.items.size(), 8);
    EXPECT_EQ(dates.items.at(0).title, "Omit Date");
    EXPECT_EQ(dates.items.at(1).title, "2024");
    EXPECT_EQ(dates.items.at(2).title, "2024-03");
    EXPECT_EQ(dates.items.at(3).title, "2024-03-09");
    EXPECT_EQ(dates.items.at(4).title, DateDescription::descriptionWithDateStyle(moment, 1, 0, 0));
    EXPECT_EQ(checkedTags(dates), QList<qint64>({100}));

    const auto times = section(token, Section::TimeFormat);
    ASSERT_EQ(times.items.size(), 7);
    EXPECT_EQ(times.items.at(1).title, "14-05");
    EXPECT_EQ(times.items.at(1).suffix, " (24-Hour Clock)");
    EXPECT_EQ(times.items.at(2).title, "14-05-06");
    EXPECT_TRUE(times.items.at(3).suffix.isEmpty());
    EXPECT_EQ(checkedTags(times), QList<qint64>({0}));

    const auto stored =
        section({{"Proxy", "current date"}, {"Time Format", 101}}, Section::TimeFormat);
    EXPECT_EQ(checkedTags(stored), QList<qint64>({101}));
}

TEST(ProxySettingsTest, ChoosingTheDefaultRemovesTheKey) {
    const QVariantMap token{{"Proxy", "current date"}, {"Date Format", 2}};
    EXPECT_EQ(ProxySettings::tokenWithChoice(token, Section::DateFormat, 100),
              QVariantMap({{"Proxy", "current date"}}));
    const QVariantMap omitted = ProxySettings::tokenWithChoice(token, Section::DateFormat, 0);
    EXPECT_EQ(omitted.value("Date Format"), QVariant(qint64(0))) << "0 is no default for dates";
    EXPECT_EQ(omitted.value("Date Format").typeId(), QMetaType::LongLong) << "stored as integer";

    const QVariantMap parent{{"Proxy", "parent folder: name"}};
    const QVariantMap grand = ProxySettings::tokenWithChoice(parent, Section::AncestorLevel, 2);
    EXPECT_EQ(grand.value("Ancestor Level").toLongLong(), 2);
    EXPECT_EQ(ProxySettings::tokenWithChoice(grand, Section::AncestorLevel, 1), parent);
    EXPECT_EQ(ProxySettings::tokenWithChoice(parent, Section::NumberOfCharacters, 1), parent);
}

TEST(ProxySettingsTest, ChoosingAPoolTwiceGivesItBack) {
    const QVariantMap token{{"Proxy", "random characters"}, {"Exclude 0-9", true}};
    const QVariantMap once = ProxySettings::tokenWithChoice(token, Section::CharacterSet, 0);
    EXPECT_EQ(once.value("Exclude A-Z"), QVariant(true));
    EXPECT_EQ(checkedTags(section(once, Section::CharacterSet)), QList<qint64>({1}));
    EXPECT_EQ(ProxySettings::tokenWithChoice(once, Section::CharacterSet, 0), token);

    const QVariantMap digits = ProxySettings::tokenWithChoice(token, Section::CharacterSet, 10);
    EXPECT_EQ(digits, QVariantMap({{"Proxy", "random characters"}}));
}
