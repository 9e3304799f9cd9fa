#include <gtest/gtest.h>

#include <QSet>
#include <functional>

#include "support/GermanTranslation.h"
#include "support/QtPrinters.h"
#include "tokens/MetaDataCatalogue.h"
#include "tokens/ZKMetaDataType.h"

namespace {

using Entry = MetaDataCatalogueEntry;
namespace Id = MetaDataTypeIdentifier;

QList<const ZKMetaDataType *> allTypes() {
    QList<const ZKMetaDataType *> types;
    for (const Entry &entry : ZKMetaDataType::availableMetaDataTypesByCategory()) {
        for (const ZKMetaDataType *type : entry.types) {
            if (type) types.append(type);
        }
        if (entry.type) types.append(entry.type);
    }
    return types;
}

int countTypes(const std::function<bool(const QString &)> &question) {
    QSet<QString> answered;
    for (const ZKMetaDataType *type : allTypes()) {
        if (question(type->type())) answered.insert(type->type());
    }
    return int(answered.size());
}

}  // namespace

TEST(ZKMetaDataTypeTest, CatalogueHoldsTheCategoriesInMenuOrder) {
    struct Expected {
        Entry::Kind kind;
        QString title;
        int types;
        int separators;
    };
    const QList<Expected> expected{
        {Entry::Kind::Category, "Name", 11, 2},    {Entry::Kind::Header, "Metadata", 0, 0},
        {Entry::Kind::Category, "File", 24, 5},    {Entry::Kind::Category, "Image", 32, 4},
        {Entry::Kind::Category, "Audio", 24, 5},   {Entry::Kind::Category, "Video", 14, 4},
        {Entry::Kind::Category, "Location", 7, 1}, {Entry::Kind::Category, "Other", 39, 2},
        {Entry::Kind::Header, "Miscellany", 0, 0}};
    const QList<Entry> &catalogue = ZKMetaDataType::availableMetaDataTypesByCategory();
    ASSERT_EQ(catalogue.size(), expected.size() + 3);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].title.toStdString());
        EXPECT_EQ(catalogue[i].kind, expected[i].kind);
        EXPECT_EQ(catalogue[i].title, expected[i].title);
        const auto separators = catalogue[i].types.count(nullptr);
        EXPECT_EQ(catalogue[i].types.size() - separators, expected[i].types);
        EXPECT_EQ(separators, expected[i].separators);
        // Groups are never empty: no separator at either end or twice in a row.
        for (qsizetype t = 0; t < catalogue[i].types.size(); ++t) {
            if (catalogue[i].types[t]) continue;
            EXPECT_TRUE(t > 0 && t + 1 < catalogue[i].types.size() && catalogue[i].types[t + 1]);
        }
    }
    const QStringList direct{Id::kFileListNumberOfFiles, Id::kCurrentDate, Id::kRandomCharacters};
    for (qsizetype i = 0; i < direct.size(); ++i) {
        const Entry &entry = catalogue[expected.size() + i];
        EXPECT_EQ(entry.kind, Entry::Kind::Type);
        ASSERT_NE(entry.type, nullptr);
        EXPECT_EQ(entry.type->type(), direct[i]);
    }
}

TEST(ZKMetaDataTypeTest, TypesListedTwiceHaveOneIndexEntry) {
    const MetaDataCatalogue &catalogue = MetaDataCatalogue::shared();
    // 154 rows, of which Duration and Audio Bit Rate appear under Audio and under Video.
    EXPECT_EQ(allTypes().size(), 154);
    EXPECT_EQ(catalogue.displayNamesByType().entries().size(), 152);
    EXPECT_EQ(catalogue.typesByLowercaseDisplayName().entries().size(), 152);
    // Every type is found again by its display name: no two types share one.
    for (const ZKMetaDataType *type : allTypes()) {
        EXPECT_EQ(ZKMetaDataType::typeForLowercaseDisplayName(type->displayName().toLower()),
                  type->type());
    }
}

TEST(ZKMetaDataTypeTest, DisplayNameForTypeNamesAncestorsAboveLevelOne) {
    const auto name = [](const QString &type, const QVariantMap &settings = {}) {
        return ZKMetaDataType::displayNameForType(type, settings);
    };
    EXPECT_EQ(name(Id::kParentFolderName), "Name of Parent Folder");
    EXPECT_EQ(name(Id::kParentFolderName, {{"Ancestor Level", qint64(1)}}),
              "Name of Parent Folder");
    EXPECT_EQ(name(Id::kParentFolderName, {{"Ancestor Level", qint64(2)}}),
              "Name of Ancestor Folder");
    EXPECT_EQ(name(Id::kParentFolderNumberOfFiles, {{"Ancestor Level", qint64(1)}}),
              "Number of Items in Parent Folder");
    EXPECT_EQ(name(Id::kParentFolderNumberOfFiles, {{"Ancestor Level", qint64(5)}}),
              "Number of Items in Ancestor Folder");
    // The level renames only the two folder types.
    EXPECT_EQ(name("kMDItemFSSize", {{"Ancestor Level", qint64(3)}}), "Size");
    EXPECT_EQ(name(Id::kFinderComment), "Finder Comment");
    EXPECT_TRUE(name(QString()).isNull());
    EXPECT_TRUE(name("kMDItemNoSuchAttribute").isNull());
}

TEST(ZKMetaDataTypeTest, LowercaseDisplayNamesFindTypesNotCategories) {
    EXPECT_EQ(ZKMetaDataType::typeForLowercaseDisplayName("location"), "kMDItemNamedLocation");
    EXPECT_EQ(ZKMetaDataType::typeForLowercaseDisplayName("duration"), "kMDItemDurationSeconds");
    EXPECT_EQ(ZKMetaDataType::typeForLowercaseDisplayName("tags"), Id::kTags);
    EXPECT_TRUE(ZKMetaDataType::typeForLowercaseDisplayName("Location").isNull());
    EXPECT_TRUE(ZKMetaDataType::typeForLowercaseDisplayName("image").isNull());
    EXPECT_TRUE(ZKMetaDataType::typeForLowercaseDisplayName(QString()).isNull());
}

TEST(ZKMetaDataTypeTest, PrefixCompletionWrapsInAngleBrackets) {
    const auto complete = &ZKMetaDataType::displayNamesWithPrefix;
    EXPECT_EQ(complete("<file c", false), QStringList{"<File Creation Date>"});
    EXPECT_EQ(complete("<file c", true), QStringList{"<file creation date>"});
    EXPECT_EQ(complete("  <FILE C>  ", false), QStringList{"<File Creation Date>"});
    EXPECT_EQ(complete("file c", false), QStringList{"File Creation Date"});
    EXPECT_EQ(complete("<", false), QStringList());
    EXPECT_EQ(complete("<>", true), QStringList());
    EXPECT_EQ(complete("", true), QStringList());
    EXPECT_EQ(complete("<zz", true), QStringList());
    // Registration order, each type once though Duration is listed twice.
    EXPECT_EQ(complete("<dur", false), QStringList{"<Duration>"});
    EXPECT_EQ(complete("original ", false),
              QStringList({"Original Name", "Original Extension", "Original .Extension",
                           "Original Name.Extension", "Original Display Name", "Original Format",
                           "Original Source"}));
}

TEST(ZKMetaDataTypeTest, FilterReadsDateAsTime) {
    QStringList matches;
    for (const ZKMetaDataType *type : allTypes()) {
        if (!type->localizedDisplayNameMatchingFilterString(QString("time")).isNull()) {
            matches.append(type->displayName());
        }
    }
    for (const char *name :
         {"Current Date", "Due Date", "File Creation Date", "File Modification Date",
          "Content Creation Date", "Content Modification Date", "Metadata Modification Date",
          "Last Used Date", "Recording Date", "Time Signature", "Timestamp"}) {
        EXPECT_TRUE(matches.contains(name)) << name;
    }
    EXPECT_FALSE(matches.contains("Size"));
    EXPECT_FALSE(matches.contains("Recording Year"));

    const ZKMetaDataType size("kMDItemFSSize", "Size", 0);
    EXPECT_EQ(size.localizedDisplayNameMatchingFilterString(std::nullopt), "Size");
    EXPECT_EQ(size.localizedDisplayNameMatchingFilterString(QString("SI")), "Size");
    EXPECT_TRUE(size.localizedDisplayNameMatchingFilterString(QString("time")).isNull());
    // The synonym is only a second reading: "date" itself still matches the dates.
    const ZKMetaDataType due("kMDItemDueDate", "Due Date", 0);
    EXPECT_EQ(due.localizedDisplayNameMatchingFilterString(QString("due d")), "Due Date");
    EXPECT_EQ(due.localizedDisplayNameMatchingFilterString(QString("due t")), "Due Date");
}

TEST(ZKMetaDataTypeTest, CustomisationQuestionsCoverCatalogueTypes) {
    // Counting over the catalogue catches an identifier misspelt in a customisation set.
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeIntegerDigitsForType), 9);
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeNumberOfCharactersForType), 1);
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeCharacterSetForType), 1);
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeDateFormatForType), 9);
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeFileSizeFormatForType), 1);
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeBitRateFormatForType), 3);
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeDurationFormatForType), 1);
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeAncestorForType), 2);
    EXPECT_EQ(countTypes(ZKMetaDataType::canCustomizeSettingsForType), 25);

    EXPECT_TRUE(ZKMetaDataType::canCustomizeIntegerDigitsForType(Id::kParentFolderNumberOfFiles));
    EXPECT_TRUE(ZKMetaDataType::canCustomizeAncestorForType(Id::kParentFolderNumberOfFiles));
    EXPECT_FALSE(ZKMetaDataType::canCustomizeSettingsForType("kMDItemTitle"));
    EXPECT_FALSE(ZKMetaDataType::canCustomizeSettingsForType(QString()));
    EXPECT_FALSE(ZKMetaDataType::canCustomizeSettingsForType(""));
}

TEST(ZKMetaDataTypeTest, PlatformsWithoutFileTagsOfferNoTags) {
    const ZKMetaDataType tags(Id::kTags, "Tags", ZKMetaDataType::kFileTagsFrameworkVersion);
    EXPECT_FALSE(tags.isOfferedOnFrameworkVersion(1187));
    EXPECT_FALSE(tags.isOfferedOnFrameworkVersion(1187.9));
    EXPECT_TRUE(tags.isOfferedOnFrameworkVersion(1188));
    EXPECT_TRUE(tags.isOffered());

    const MetaDataCatalogue older(1187.5);
    EXPECT_EQ(older.displayNamesByType().value(Id::kFinderComment), "Spotlight Comment");
    EXPECT_EQ(older.typesByLowercaseDisplayName().value("spotlight comment"), Id::kFinderComment);
    EXPECT_EQ(MetaDataCatalogue(1188).displayNamesByType().value(Id::kFinderComment),
              "Finder Comment");
}

TEST(ZKMetaDataTypeTest, TypeWithoutDisplayNameShowsItsIdentifier) {
    const ZKMetaDataType type("kMDItemPlain", QString(), 0);
    EXPECT_EQ(type.displayName(), "kMDItemPlain");
    EXPECT_EQ(ZKMetaDataType::localized("Metadata"), "Metadata");
}

// Names are shown in the session's language but stored and looked up in English, so a
// configuration made in one language reads the same in another.
TEST(ZKMetaDataTypeTest, DisplayNamesAreShownTranslatedAndFoundInEnglish) {
    const GermanTranslation german;
    ASSERT_TRUE(german.loaded());
    const ZKMetaDataType parent("parent folder: name", "Name of Parent Folder", 0);
    EXPECT_EQ(parent.localizedDisplayNameMatchingFilterString(std::nullopt),
              QString::fromUtf8("Name des übergeordneten Ordners"));
    // German words filter too, and "Zeit" finds the dates as "time" does.
    EXPECT_FALSE(
        parent.localizedDisplayNameMatchingFilterString(QString::fromUtf8("übergeord")).isNull());
    const ZKMetaDataType due("kMDItemDueDate", "Due Date", 0);
    EXPECT_FALSE(due.localizedDisplayNameMatchingFilterString(QString("zeit")).isNull());
    EXPECT_EQ(ZKMetaDataType::typeForLowercaseDisplayName("name of parent folder"),
              "parent folder: name");
    EXPECT_EQ(ZKMetaDataType::displayNameForType("parent folder: name", {}),
              "Name of Parent Folder");
}
