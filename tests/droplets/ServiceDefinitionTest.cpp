#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/PropertyList.h"
#include "droplets/FileManagerActions.h"
#include "droplets/ServiceDefinition.h"
#include "droplets/ServiceInstallation.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

const QVariantMap kConfiguration{{QStringLiteral("List Files"), false}};

QString readText(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

TEST(ServiceDefinitionTest, WritesTheDefinitionAndDecodesItsConfiguration) {
    TestDir dir;
    const QString folder = dir.filePath("Photos by date.torvaneservice");
    const QString userData = ServiceDefinition::encodedConfiguration(kConfiguration);
    ASSERT_FALSE(userData.contains('\n'));
    ASSERT_TRUE(ServiceDefinition::write(folder, userData, nullptr));
    const QVariantMap entry = PropertyList::readFile(folder + "/Contents/Info.plist")
                                  .toMap()["NSServices"]
                                  .toList()
                                  .value(0)
                                  .toMap();
    EXPECT_EQ(entry["NSMenuItem"], QVariant(QVariantMap{{"default", "Photos by date"}}));
    EXPECT_EQ(entry["NSMessage"], QVariant("provideService"));
    EXPECT_EQ(entry["NSPortName"], QVariant("Torvane Service Provider"));
    EXPECT_EQ(ServiceDefinition::userData(folder), userData);
    // Characters outside the alphabet (a wrapped line) are ignored.
    EXPECT_EQ(ServiceDefinition::decode(userData.left(10) + "\n " + userData.mid(10)).configuration,
              kConfiguration);
}

TEST(ServiceDefinitionTest, DecodingFailuresSayWhichStepFailed) {
    const auto failure = [](const std::optional<QString> &userData) {
        return ServiceDefinition::decode(userData).failure.toStdString();
    };
    EXPECT_EQ(failure(std::nullopt), "[Torvane Service] missing encoded service configuration");
    EXPECT_EQ(failure(QStringLiteral("!!!")), "[Torvane Service] cannot decode configuration");
    EXPECT_EQ(failure(QStringLiteral("QUJD=A")), "[Torvane Service] cannot decode configuration");
    EXPECT_EQ(failure(QStringLiteral("bm90IGEgcGxpc3Q=")),
              "[Torvane Service] cannot deserialize configuration");
    const QString list = QString::fromLatin1(
        PropertyList::toData(QVariantList{1}, PropertyList::Format::Binary).toBase64());
    EXPECT_EQ(failure(list), "[Torvane Service] cannot deserialize configuration");
}

TEST(ServiceDefinitionTest, ActionsAreWrittenAndRemovedWithoutTouchingTheUsersOwn) {
    TestDir dir;
    const QString folder = dir.filePath("It's $HOME.torvaneservice");
    const auto where = FileManagerActions::locationsOf(folder);
    QDir().mkpath(QFileInfo(where.thunarActions).absolutePath());
    const QString usersOwn =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n<action>\n\t<name>Mine</name>\n"
        "\t<unique-id>1-1</unique-id>\n\t<command>echo %f</command>\n</action>\n</actions>\n";
    QFile thunar(where.thunarActions);
    ASSERT_TRUE(thunar.open(QIODevice::WriteOnly));
    thunar.write(usersOwn.toUtf8());
    thunar.close();
    QDir().mkpath(where.nautilusScriptsFolder);
    QFile script(where.nautilusScriptsFolder + "/It's $HOME");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho mine\n");
    script.close();

    const QString userData = ServiceDefinition::encodedConfiguration(kConfiguration);
    ASSERT_EQ(ServiceInstallation::create(folder, userData, "/usr/bin/torvane-service-provider"),
              QString());
    ASSERT_EQ(ServiceInstallation::create(folder, userData, "/usr/bin/torvane-service-provider"),
              QString());
    for (const QString &path :
         {where.dolphinServiceMenu, where.nemoAction, where.fileManagerAction})
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_EQ(FileManagerActions::nautilusScriptOf(folder),
              where.nautilusScriptsFolder + "/It's $HOME (Torvane)");
    EXPECT_EQ(readText(where.thunarActions).count("<unique-id>"), 2);
    EXPECT_TRUE(readText(where.thunarActions).contains("<unique-id>1-1</unique-id>"));

    ASSERT_EQ(ServiceInstallation::remove(folder), QString());
    EXPECT_FALSE(QFileInfo::exists(folder));
    for (const QString &path :
         {where.dolphinServiceMenu, where.nemoAction, where.fileManagerAction})
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_EQ(FileManagerActions::nautilusScriptOf(folder), QString());
    EXPECT_EQ(readText(where.thunarActions), usersOwn);
    EXPECT_EQ(readText(where.nautilusScriptsFolder + "/It's $HOME"), "#!/bin/sh\necho mine\n");

    // Something at the path that is no service is never removed.
    const QString plain = dir.makeFile("plain.torvaneservice", "data");
    EXPECT_NE(ServiceInstallation::create(plain, userData, "p"), QString());
    EXPECT_EQ(readText(plain), "data");
}
