#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "common/PropertyList.h"
#include "droplets/DropletKeys.h"
#include "droplets/RelayFile.h"
#include "droplets/RelayReception.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

const QVariantMap kRelay{{QStringLiteral("List Folders"), true},
                         {QLatin1String(DropletKeys::kDroppedFiles),
                          QVariantList{QStringLiteral("/a b"), QStringLiteral("/c")}}};

}  // namespace

TEST(RelayFileTest, WritesIntoThePrivateFolderAndReadsBack) {
    QString error;
    const QString path = RelayFile::write(kRelay, &error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/Torvane/"));
    EXPECT_TRUE(path.endsWith(QStringLiteral("/com.quorlix.Torvane.tvd")));
    const auto read = RelayFile::read(path, &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(*read, kRelay);

    const auto reception = RelayReception::receive(path);
    EXPECT_EQ(reception.outcome, RelayReception::Reception::Outcome::Received);
    EXPECT_EQ(reception.droppedFiles, (QStringList{"/a b", "/c"}));
    EXPECT_FALSE(reception.configuration.contains(QLatin1String(DropletKeys::kDroppedFiles)));
}

TEST(RelayFileTest, RefusesFilesThatAreNotOurs) {
    TestDir dir;
    QString error;
    const QString genuine = dir.filePath("genuine/Droplet.settings");
    ASSERT_TRUE(PropertyList::writeFile(genuine, kRelay, PropertyList::Format::Xml, &error));

    const QString link = dir.filePath("genuine/link/com.quorlix.Torvane.tvd");
    QDir().mkpath(dir.filePath("genuine/link"));
    ASSERT_TRUE(QFile::link(genuine, link));
    EXPECT_FALSE(RelayFile::read(link, &error));
    EXPECT_TRUE(error.contains("symbolic link")) << error.toStdString();

    const QString shared = dir.filePath("shared/com.quorlix.Torvane.tvd");
    ASSERT_TRUE(PropertyList::writeFile(shared, kRelay, PropertyList::Format::Xml, &error));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("shared")).constData(), 01777), 0);
    EXPECT_FALSE(RelayFile::read(shared, &error));
    EXPECT_TRUE(error.contains("written by other users")) << error.toStdString();

    if (::getuid() == 0) {
        const QString foreign = dir.filePath("genuine/foreign.Droplet.settings");
        ASSERT_TRUE(QFile::copy(genuine, foreign));
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        EXPECT_FALSE(RelayFile::read(foreign, &error));
        EXPECT_TRUE(error.contains("another user")) << error.toStdString();
    }

    const QString list = dir.filePath("genuine/list.Droplet.settings");
    ASSERT_TRUE(PropertyList::writeFile(list, QVariantList{1, 2}, PropertyList::Format::Xml));
    EXPECT_FALSE(RelayFile::read(list, &error));
    EXPECT_EQ(RelayReception::receive(list).outcome, RelayReception::Reception::Outcome::Ignored);
    EXPECT_TRUE(RelayFile::read(genuine, &error));
}

TEST(RelayFileTest, AnIdentifierWithoutItsConfigurationAsksForTheFile) {
    QString error;
    const QString path = RelayFile::write(
        {{QLatin1String(DropletKeys::kDropletInstanceIdentifier), QStringLiteral("0A-1B")}},
        &error);
    const auto reception = RelayReception::receive(path);
    ASSERT_EQ(reception.outcome, RelayReception::Reception::Outcome::MissingConfiguration);
    EXPECT_EQ(reception.alert.messageText, QStringLiteral("Missing Droplet Configuration"));
    EXPECT_TRUE(reception.alert.informativeText.contains(
        "(Their user directory)/" +
        QDir(testHome()).relativeFilePath(qEnvironmentVariable("XDG_DATA_HOME")) +
        "/Torvane/Droplets/0A-1B.tvd\n\n"))
        << reception.alert.informativeText.toStdString();
    // An identifier that could step out of the droplets' folder is not followed.
    const QString crafted = RelayFile::write(
        {{QLatin1String(DropletKeys::kDropletInstanceIdentifier), QStringLiteral("../../x")}},
        &error);
    EXPECT_EQ(RelayReception::receive(crafted).outcome,
              RelayReception::Reception::Outcome::Ignored);
    EXPECT_EQ(RelayReception::missingConfigurationAlert("/home/ann/x/y.tvd")
                  .informativeText.count("(Their user directory)/x/y.tvd"),
              1);
}
