#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/LogCapture.h"
#include "common/PropertyList.h"
#include "common/UserDefaults.h"
#include "droplets/DesktopEntry.h"
#include "droplets/DropletCreation.h"
#include "droplets/DropletKeys.h"
#include "droplets/DropletLauncher.h"
#include "platform/ExtendedAttributes.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

const QVariantMap kConfiguration{{QStringLiteral("List Folders"), true},
                                 {QStringLiteral("Renamers"), QVariantList{}}};

DropletCreation::Result createDroplet(const QString &path, bool keepSeal = true) {
    return DropletCreation::create({path, kConfiguration, keepSeal, "/opt/t d/torvane-droplet"});
}

QString identifierKey() { return QLatin1String(DropletKeys::kDropletInstanceIdentifier); }

// A launcher with the given payload value and no identifier.
QString launcherWithPayload(TestDir &dir, const QByteArray &payload) {
    return dir.makeFile("Damaged.desktop",
                        "[Desktop Entry]\nType=Application\nExec=torvane-droplet %k %F\n"
                        "[X-Torvane Droplet]\nLprojPayload=" +
                            payload + "\n");
}

}  // namespace

TEST(DropletLauncherTest, CreationEmbedsTheConfigurationAndStoresItOutside) {
    TestDir dir;
    const QString path = dir.filePath("Photos by date.desktop");
    const auto result = createDroplet(path);
    ASSERT_TRUE(result.created);
    EXPECT_TRUE(QFile::permissions(path) & QFile::ExeOther);
    EXPECT_EQ(DropletLauncher::embeddedConfiguration(path, nullptr), kConfiguration);
    EXPECT_EQ(DropletLauncher::instanceIdentifier(path), result.identifier);
    EXPECT_EQ(PropertyList::readFile(DropletCreation::externalConfigurationPath(result.identifier)),
              QVariant(kConfiguration));
    QFile launcher(path);
    ASSERT_TRUE(launcher.open(QIODevice::ReadOnly));
    const auto groups = DesktopEntry::parse(launcher.readAll());
    EXPECT_EQ(groups["Desktop Entry"]["Name"], QStringLiteral("Photos by date"));
    EXPECT_EQ(groups["Desktop Entry"]["Exec"],
              QStringLiteral("\"/opt/t d/torvane-droplet\" %k %F"));

    QFile entry(result.openWithEntryPath);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const auto openWith = DesktopEntry::parse(entry.readAll())["Desktop Entry"];
    EXPECT_EQ(openWith["MimeType"], QStringLiteral("inode/directory;application/octet-stream;"));
    EXPECT_EQ(openWith["NoDisplay"], QStringLiteral("false"));
}

TEST(DropletLauncherTest, ReplacingKeepsTheIdentifierAndSaysSo) {
    TestDir dir;
    const QString path = dir.filePath("Droplet.desktop");
    const auto first = createDroplet(path);
    UserDefaults::standardUserDefaults().setBool(true, QStringLiteral("ZKDebugLog"));
    LogCapture log;
    const auto second = createDroplet(path);
    EXPECT_TRUE(second.replaced);
    EXPECT_EQ(second.identifier, first.identifier);
    EXPECT_TRUE(log.contains("[Debug] replaced droplet at " + path));
    EXPECT_TRUE(log.contains("[Debug] replaced droplet configuration at " +
                             DropletCreation::externalConfigurationPath(first.identifier)));
    EXPECT_TRUE(QFileInfo::exists(second.openWithEntryPath));

    // Without the seal the launcher carries the template's placeholder; the identifier leads
    // to the external configuration.
    const auto unsealed = createDroplet(path, false);
    EXPECT_FALSE(DropletLauncher::embeddedConfiguration(path, nullptr));
    EXPECT_EQ(DropletLauncher::relayConfiguration(path),
              (QVariantMap{{identifierKey(), first.identifier}}));
}

TEST(DropletLauncherTest, TheIdentifierComesFromTheAttributeElseTheKey) {
    TestDir dir;
    const QString path = dir.filePath("Droplet.desktop");
    createDroplet(path, false);
    QString error;
    ASSERT_TRUE(ExtendedAttributes::write(path, DropletKeys::kInstanceAttribute,
                                          DropletLauncher::identifierAttributeValue("FROM-XATTR"),
                                          &error))
        << error.toStdString();
    EXPECT_EQ(DropletLauncher::instanceIdentifier(path), QStringLiteral("FROM-XATTR"));
    // A link is not the launcher: its target's attribute is never taken for its own.
    const QString link = dir.filePath("Link.desktop");
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_NE(DropletLauncher::instanceIdentifier(link), QStringLiteral("FROM-XATTR"));
    ASSERT_TRUE(ExtendedAttributes::remove(path, DropletKeys::kInstanceAttribute, &error));
    EXPECT_FALSE(DropletLauncher::instanceIdentifier(path).isEmpty());
}

// A launcher someone sent may carry any identifier; it names files in Torvane's folders, so
// one that could step out of them is ignored, and replacing that launcher removes nothing
// outside.
TEST(DropletLauncherTest, IdentifiersThatAreNotPlainNamesAreIgnored) {
    TestDir dir;
    const QString crafted = QStringLiteral("x/../../victim");
    const QString victim = DropletCreation::openWithEntryPath(crafted);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(DropletCreation::openWithEntryPath("x")).absolutePath() +
                              "/com.quorlix.Torvane.droplet-x"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(QDir::cleanPath(victim)).absolutePath()));
    QFile victimFile(victim);
    ASSERT_TRUE(victimFile.open(QIODevice::WriteOnly)) << victim.toStdString();
    victimFile.close();
    const QString path =
        dir.makeFile("Sent.desktop",
                     "[Desktop Entry]\nType=Application\nExec=torvane-droplet %k %F\n"
                     "[X-Torvane Droplet]\nDroplet Instance Identifier=" +
                         crafted.toUtf8() + "\n");
    EXPECT_EQ(DropletLauncher::instanceIdentifier(path), QString());
    EXPECT_EQ(DropletLauncher::relayConfiguration(path), std::nullopt);
    const auto replaced = createDroplet(path);
    EXPECT_TRUE(replaced.created);
    EXPECT_TRUE(DropletLauncher::isPlainIdentifier(replaced.identifier));
    EXPECT_TRUE(QFileInfo::exists(victim));
    for (const char *bad : {"", ".hidden", "a/b", "a\nb"})
        EXPECT_FALSE(DropletLauncher::isPlainIdentifier(bad)) << bad;
}

TEST(DropletLauncherTest, DamagedPayloadsAreNoConfiguration) {
    TestDir dir;
    const QByteArray list =
        PropertyList::toData(QVariantList{1, 2}, PropertyList::Format::Binary).toBase64();
    const QByteArray huge(50 * 1024 * 1024, 'A');
    for (const QByteArray &payload :
         {QByteArray("%%%not base64%%%"), QByteArray("bm90IGEgcGxpc3Q="), list, huge}) {
        const QString path = launcherWithPayload(dir, payload);
        QString problem;
        EXPECT_FALSE(DropletLauncher::embeddedConfiguration(path, &problem));
        EXPECT_FALSE(problem.isEmpty());
        EXPECT_FALSE(DropletLauncher::relayConfiguration(path)) << problem.toStdString();
    }
    // The template's placeholder gives way to the identifier.
    const QByteArray placeholder =
        PropertyList::toData(QVariantMap{{"DropletConfigurationPlaceholder", true}},
                             PropertyList::Format::Binary)
            .toBase64();
    const QString path = launcherWithPayload(dir, placeholder + "\nDroplet Instance Identifier=ID");
    EXPECT_EQ(DropletLauncher::relayConfiguration(path), (QVariantMap{{identifierKey(), "ID"}}));
}

TEST(DropletLauncherTest, AnItemThatCannotBeRemovedIsNotReplaced) {
    TestDir dir;
    const QString folder = dir.makeFolder("Busy.desktop");
    dir.makeFile("Busy.desktop/keep");
    const auto result = createDroplet(folder);
    EXPECT_FALSE(result.created);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(folder + "/keep"));
}
