#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QSize>
#include <limits>

#include "collections/ZKDictionaryConfigurationArchive.h"
#include "collections/ZKUserDefaultsConfigurationArchive.h"
#include "common/PropertyList.h"
#include "controller/ZKGeneralSettings.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

TEST(ConfigurationArchive, ReadsOnlyNumbersAsBooleansAndIntegers) {
    ZKDictionaryConfigurationArchive archive(QVariantMap{
        {"yes", true},
        {"integer", qint64(-7)},
        {"real", 2.9},
        {"huge real", 1e300},
        {"text", QStringLiteral("YES")},
        {"digits", QStringLiteral("12")},
        {"list", QVariantList{1}},
        {"date", QDateTime::currentDateTimeUtc()},
    });
    bool ok = false;
    EXPECT_EQ(archive.integerForKey("integer", &ok), -7);
    EXPECT_TRUE(ok);
    EXPECT_EQ(archive.integerForKey("yes", &ok), 1);
    EXPECT_EQ(archive.integerForKey("real", &ok), 2);
    EXPECT_EQ(archive.integerForKey("huge real", &ok), std::numeric_limits<qint64>::max());
    EXPECT_TRUE(ok);
    for (const char *key : {"text", "digits", "list", "date", "missing"}) {
        ok = true;
        EXPECT_EQ(archive.integerForKey(key, &ok), 0) << key;
        EXPECT_FALSE(ok) << key;
        EXPECT_TRUE(archive.boolForKey(key, true)) << key;
        EXPECT_FALSE(archive.boolForKey(key, false)) << key;
    }
    EXPECT_TRUE(archive.boolForKey("integer", false));
    EXPECT_TRUE(archive.boolForKey("yes", false));
    EXPECT_TRUE(archive.hasValue("text"));
    EXPECT_FALSE(archive.hasValue("missing"));
}

TEST(ConfigurationArchive, DictionaryStoresPropertyListValuesAndRefusesOthers) {
    ZKDictionaryConfigurationArchive archive;
    archive.setBool(true, "switch");
    archive.setInteger(-1, "tag");
    archive.setObject(QStringList{"a", "b"}, "names");
    archive.setObject(QVariant::fromValue(QSize(1, 2)), "size");
    EXPECT_EQ(archive.objectForKey("switch").typeId(), QMetaType::Bool);
    EXPECT_EQ(archive.objectForKey("tag").typeId(), QMetaType::LongLong);
    EXPECT_EQ(archive.objectForKey("names").typeId(), QMetaType::QVariantList);
    EXPECT_FALSE(archive.hasValue("size"));

    archive.setObject(QVariant(), "switch");
    EXPECT_FALSE(archive.hasValue("switch"));
    EXPECT_EQ(archive.dictionary().keys(), (QStringList{"names", "tag"}));
}

TEST(ConfigurationArchive, DictionaryGoesThroughBothPropertyListFormatsAndFiles) {
    ZKDictionaryConfigurationArchive archive;
    archive.setInteger(-1, "negative");
    archive.setBool(false, "off");
    archive.setObject(QVariantList{QVariantMap{{"Strategy", qint64(-1)}, {"Invert", true}}},
                      "list");
    for (PropertyList::Format format : {PropertyList::Format::Binary, PropertyList::Format::Xml}) {
        const auto back = ZKDictionaryConfigurationArchive::fromData(archive.toData(format));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->dictionary(), archive.dictionary());
    }

    TestDir dir;
    const QString path = dir.filePath("sub/configuration.tvd");
    QString error;
    ASSERT_TRUE(archive.writeToFile(path, &error)) << error;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("<?xml"));
    const auto read = ZKDictionaryConfigurationArchive::fromFile(path, &error);
    ASSERT_TRUE(read.has_value()) << error;
    EXPECT_EQ(read->dictionary(), archive.dictionary());
}

TEST(ConfigurationArchive, DataThatIsNoDictionaryGivesNoArchiveAndAReason) {
    QString error;
    EXPECT_FALSE(ZKDictionaryConfigurationArchive::fromData("not a property list", &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    const QByteArray array = PropertyList::toData(QVariantList{1}, PropertyList::Format::Xml);
    EXPECT_FALSE(ZKDictionaryConfigurationArchive::fromData(array, &error));
    EXPECT_FALSE(error.isEmpty());

    TestDir dir;
    error.clear();
    EXPECT_FALSE(ZKDictionaryConfigurationArchive::fromFile(dir.filePath("missing"), &error));
    EXPECT_FALSE(error.isEmpty());
    const QString listFile = dir.makeFile("list.plist", array);
    EXPECT_FALSE(ZKDictionaryConfigurationArchive::fromFile(listFile, &error));
    EXPECT_TRUE(error.contains(listFile));
}

TEST(ConfigurationArchive, UserDefaultsArchiveReadsRegisteredValuesAndWritesPersistentOnes) {
    TestDir dir;
    UserDefaults defaults(dir.filePath("defaults.plist"));
    defaults.registerDefaults({{"Registered", true}, {"Both", qint64(1)}});
    ZKUserDefaultsConfigurationArchive archive(defaults);
    archive.setInteger(2, "Both");
    archive.setBool(false, "Written");

    EXPECT_TRUE(archive.boolForKey("Registered", false));
    EXPECT_EQ(archive.integerForKey("Both"), 2);
    EXPECT_TRUE(defaults.hasPersistentValueForKey("Written"));
    EXPECT_FALSE(defaults.hasPersistentValueForKey("Registered"));
    const QVariantMap all = archive.dictionaryRepresentation();
    EXPECT_EQ(all.value("Both"), QVariant(qint64(2)));
    EXPECT_EQ(all.value("Registered"), QVariant(true));
    EXPECT_EQ(all.value("Written"), QVariant(false));

    archive.setObject(QVariant(), "Both");
    EXPECT_EQ(archive.integerForKey("Both"), 1);
}

TEST(GeneralSettings, StartupActionsAreTheFiveTagsOfThePopUp) {
    // The test environment is not sandboxed, so the Path Finder item is offered.
    for (int tag : {0, 1, 2, 3, 99}) EXPECT_TRUE(ZKGeneralSettings::isStartupActionAvailable(tag));
    for (int tag : {-1, 4, 98, 100}) EXPECT_FALSE(ZKGeneralSettings::isStartupActionAvailable(tag));
    EXPECT_TRUE(ZKGeneralSettings::isPreviewPopUpConditionAvailable(7));
    EXPECT_FALSE(ZKGeneralSettings::isPreviewPopUpConditionAvailable(-1));
    EXPECT_FALSE(ZKGeneralSettings::isFileListThemeAvailable(-2));
}
