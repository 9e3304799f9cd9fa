#include <gtest/gtest.h>

#include "collections/OpenedFiles.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

using OpenedFiles::Action;

TEST(OpenedFilesTest, RoutesByCountAndExtension) {
    TestDir dir;
    const QString service = dir.makeFolder("Rename.torvaneservice");
    const QString file = dir.makeFile("a.txt");

    EXPECT_EQ(OpenedFiles::route({}).action, Action::Nothing);
    EXPECT_EQ(OpenedFiles::route({"/x/Steps.TVA"}).action, Action::ConfigurationFile);
    EXPECT_EQ(OpenedFiles::route({"/x/Steps.torv.plist"}).action, Action::ConfigurationFile);
    EXPECT_EQ(OpenedFiles::route({"/x/Steps.plist"}).action, Action::Populate);
    EXPECT_EQ(OpenedFiles::route({"/x/.tva"}).action, Action::Populate);
    EXPECT_EQ(OpenedFiles::route({"/x/a.tva", "/x/b.tva"}).action, Action::Populate);
    EXPECT_EQ(OpenedFiles::route({"/tmp/Torvane/com.quorlix.Torvane.tvd"}).action,
              Action::RelayFile);

    // A service definition ends the walk; paths before and after it are not listed.
    const OpenedFiles::Routing routing = OpenedFiles::route({file, service, "/x/b.txt"});
    EXPECT_EQ(routing.action, Action::ServiceDefinition);
    EXPECT_EQ(routing.paths, QStringList{service});
    // Only a folder counts as one.
    const QString plainFile = dir.makeFile("Not.torvaneservice");
    EXPECT_EQ(OpenedFiles::route({plainFile}).action, Action::Populate);

    const OpenedFiles::Routing listed = OpenedFiles::route({file, "/x/c.txt"});
    EXPECT_EQ(listed.action, Action::Populate);
    EXPECT_EQ(listed.paths, (QStringList{file, "/x/c.txt"}));
}
