#include <gtest/gtest.h>

#include "listing/DisplayFilter.h"
#include "listing/FileListSorting.h"
#include "support/RecordNames.h"
#include "support/TestEnvironment.h"

namespace {

using Records = QList<ZKFileRepresentationPtr>;

}  // namespace

class DisplayFilterTest : public testing::Test {
protected:
    // A record named after its light, with the new name given ("" for none).
    ZKFileRepresentationPtr record(const QString &name, const QString &newName) {
        ZKFileRepresentationPtr file =
            ZKFileRepresentation::fileRepresentationWithPath(dir.makeFile(name), nullptr);
        file->setRenameName(newName);
        return file;
    }

    void SetUp() override {
        const ZKFileRepresentationPtr collision = record("red-collision", "taken");
        collision->setRenameNameError("Name already taken");
        list = {record("grey-none", ""),          record("green", "green-new"),
                record("yellow", "a/b"),          collision,
                record("grey-same", "grey-same"), record("red-dot", ".hidden")};
    }

    TestDir dir;
    Records list;
};

TEST_F(DisplayFilterTest, ShowAllAndUnknownTagsGiveTheListItself) {
    for (qint64 tag : {0, 3, -1, 99}) {
        const Records shown = DisplayFilter::fileRepresentationsToDisplay(list, tag);
        EXPECT_TRUE(FileListSorting::isIdenticalToArray(shown, list)) << tag;
    }
}

TEST_F(DisplayFilterTest, ModifiedKeepsRenamedRowsAndEveryRedRow) {
    const Records shown =
        DisplayFilter::fileRepresentationsToDisplay(list, DisplayFilter::ShowModified);
    // The collision will not be renamed, yet stays visible, in list order.
    EXPECT_EQ(namesOf(shown), (QStringList{"green", "yellow", "red-collision", "red-dot"}));
}

TEST_F(DisplayFilterTest, WarningsOrErrorsKeepsYellowAndRedRows) {
    const Records shown =
        DisplayFilter::fileRepresentationsToDisplay(list, DisplayFilter::ShowWarningsOrErrors);
    EXPECT_EQ(namesOf(shown), (QStringList{"yellow", "red-collision", "red-dot"}));
    // Records are shared, not copied.
    EXPECT_EQ(shown.first().get(), list.at(2).get());
}

TEST_F(DisplayFilterTest, MenuTitlesSayItemsOnlyWhenFoldersAreListed) {
    EXPECT_EQ(DisplayFilter::menuTitle(0, true), "Show All Items");
    EXPECT_EQ(DisplayFilter::menuTitle(0, false), "Show All Files");
    EXPECT_EQ(DisplayFilter::menuTitle(1, true), "Show Modified Items");
    EXPECT_EQ(DisplayFilter::menuTitle(1, false), "Show Modified Files");
    EXPECT_EQ(DisplayFilter::menuTitle(2, true), "Show Items with Warnings or Errors");
    EXPECT_EQ(DisplayFilter::menuTitle(2, false), "Show Files with Warnings or Errors");
    EXPECT_EQ(DisplayFilter::menuTitle(3, true), "");
}
