#include <gtest/gtest.h>

#include "listing/FilterMessage.h"

using FilterMessage::filterMessage;
using FilterMessage::ListState;

namespace {

ListState listing(bool files, bool folders, bool contents) {
    ListState state;
    state.listFiles = files;
    state.listFolders = folders;
    state.scanFolderContents = contents;
    return state;
}

}  // namespace

TEST(FilterMessageTest, RecordsAreCountedAsItemsOnlyWhenFoldersAreListed) {
    ListState state = listing(true, false, true);
    state.recordCount = 1;
    state.singleRecordName = "only.txt";
    EXPECT_EQ(filterMessage(state), "only.txt");

    state.recordCount = 12;
    EXPECT_EQ(filterMessage(state), "12 Files");
    state.listFolders = true;
    EXPECT_EQ(filterMessage(state), "12 Items");
    state.listFiles = false;
    EXPECT_EQ(filterMessage(state), "12 Items");
}

TEST(FilterMessageTest, EmptyListWithoutRootsTellsWhatToDrag) {
    EXPECT_EQ(filterMessage(listing(false, true, true)), "Drag folders here.");
    EXPECT_EQ(filterMessage(listing(false, true, false)), "Drag folders here.");
    EXPECT_EQ(filterMessage(listing(true, false, false)), "Drag files here.");
    EXPECT_EQ(filterMessage(listing(true, false, true)), "Drag files and folders here.");
    EXPECT_EQ(filterMessage(listing(true, true, false)), "Drag files and folders here.");
    EXPECT_EQ(filterMessage(listing(true, true, true)), "Drag files and folders here.");
}

TEST(FilterMessageTest, EmptyListFromRootsTellsWhatWasLeftOut) {
    ListState state = listing(true, false, false);
    state.rootPathCount = 1;
    state.singleRootPath = "/home/ann/Photos";
    EXPECT_EQ(filterMessage(state),
              QString::fromUtf16(u"Not Listed: home \u25B8 ann \u25B8 Photos"));
    state.rootPathCount = 3;
    EXPECT_EQ(filterMessage(state), "Not Listed: 3 Items");
}

TEST(FilterMessageTest, ReadablePathJoinsComponentsAndKeepsTheRootAsItIs) {
    EXPECT_EQ(FilterMessage::readablePath("/a/b c/d.txt"),
              QString::fromUtf16(u"a \u25B8 b c \u25B8 d.txt"));
    EXPECT_EQ(FilterMessage::readablePath("/"), "/");
    EXPECT_EQ(FilterMessage::readablePath("/single"), "single");
}
