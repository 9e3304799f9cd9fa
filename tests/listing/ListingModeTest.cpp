#include <gtest/gtest.h>

#include <QList>

#include "listing/ListingMode.h"

using ListingMode::Change;
using ListingMode::Flags;

namespace {

const Flags defaults{true, false, true};
const ZKModifierKeys none{};
const ZKModifierKeys shift{true, false};
const ZKModifierKeys option{false, true};

// Answers the file-unchecking question with a scripted button and records what was asked.
struct Asker {
    ZKAlertAnswer answer;
    QList<ZKAlert> asked;
    std::function<ZKAlertAnswer(const ZKAlert &)> function() {
        return [this](const ZKAlert &alert) {
            asked.append(alert);
            return answer;
        };
    }
};

Change choose(const Flags &current, int tag, ZKModifierKeys modifiers = {},
              bool ignoreModifierKeys = false, bool skipWarning = false, Asker *asker = nullptr) {
    Asker fallback;
    Asker &used = asker ? *asker : fallback;
    return ListingMode::choose(current, tag, modifiers, ignoreModifierKeys, skipWarning,
                               used.function());
}

}  // namespace

TEST(ListingModeTest, TurningFilesOffAsksAndThenListsFolders) {
    Asker asker;
    const Change change = choose(defaults, ListingMode::Files, none, false, false, &asker);
    ASSERT_EQ(asker.asked.size(), 1);
    const ZKAlert &alert = asker.asked.first();
    EXPECT_EQ(alert.messageText, "Do You Want to Disable File Renaming?");
    EXPECT_EQ(alert.informativeText, "Are you sure you want to rename folders only?");
    EXPECT_EQ(alert.buttons, QStringList({"Disable File Renaming", "Continue to List Files"}));
    EXPECT_FALSE(alert.suppressionButtonTitle.isEmpty());
    // Never both off: files off while folders were off turns folders on.
    EXPECT_EQ(change.flags, (Flags{false, true, true}));
    EXPECT_TRUE(change.changed);
    EXPECT_FALSE(change.skipFileUncheckingWarning);
}

TEST(ListingModeTest, DecliningTheQuestionLeavesEverythingAsItWasButKeepsTheBox) {
    Asker asker;
    asker.answer = ZKAlertAnswer{1, true};
    const Flags both{true, true, false};
    const Change change = choose(both, ListingMode::Files, none, false, false, &asker);
    EXPECT_EQ(asker.asked.size(), 1);
    EXPECT_EQ(change.flags, both);
    EXPECT_FALSE(change.changed);
    EXPECT_TRUE(change.declined);
    EXPECT_TRUE(change.skipFileUncheckingWarning);
}

TEST(ListingModeTest, SuppressionBoxOrSkippedWarningControlsTheQuestion) {
    Asker asker;
    asker.answer = ZKAlertAnswer{0, true};
    const Flags both{true, true, true};
    Change change = choose(both, ListingMode::Files, none, false, false, &asker);
    EXPECT_EQ(change.flags, (Flags{false, true, true}));
    EXPECT_TRUE(change.skipFileUncheckingWarning);

    Asker silent;
    change = choose(both, ListingMode::Files, none, false, true, &silent);
    EXPECT_TRUE(silent.asked.isEmpty());
    EXPECT_EQ(change.flags, (Flags{false, true, true}));

    // Turning files on never asks.
    change = choose(Flags{false, true, true}, ListingMode::Files, none, false, false, &silent);
    EXPECT_TRUE(silent.asked.isEmpty());
    EXPECT_EQ(change.flags, both);
}

TEST(ListingModeTest, FoldersToggleAndNeverLeaveBothOff) {
    Change change = choose(defaults, ListingMode::Folders);
    EXPECT_EQ(change.flags, (Flags{true, true, true}));
    change = choose(change.flags, ListingMode::Folders);
    EXPECT_EQ(change.flags, defaults);
    // Folders off while files were off turns files on.
    change = choose(Flags{false, true, false}, ListingMode::Folders);
    EXPECT_EQ(change.flags, (Flags{true, false, false}));
    EXPECT_TRUE(change.changed);
}

TEST(ListingModeTest, OptionMakesFilesAndFoldersExclusive) {
    Asker asker;
    const Flags both{true, true, true};
    Change change = choose(both, ListingMode::Files, option, false, false, &asker);
    EXPECT_EQ(change.flags, (Flags{true, false, true}));
    change = choose(both, ListingMode::Folders, option, false, false, &asker);
    EXPECT_EQ(change.flags, (Flags{false, true, true}));
    EXPECT_TRUE(asker.asked.isEmpty());
    // Choosing what is already the case changes nothing.
    change = choose(defaults, ListingMode::Files, option);
    EXPECT_FALSE(change.changed);
}

TEST(ListingModeTest, ShiftListsFilesAndFoldersWhateverTheItem) {
    for (int tag : {0, 1, 2, 3}) {
        const Change change = choose(Flags{false, true, false}, tag, shift);
        EXPECT_EQ(change.flags, (Flags{true, true, false})) << tag;
    }
    // Shift wins over Option.
    EXPECT_EQ(choose(defaults, ListingMode::Files, ZKModifierKeys{true, true}).flags,
              (Flags{true, true, true}));
}

TEST(ListingModeTest, IgnoringModifierKeysTreatsShiftAndOptionAsAbsent) {
    Change change = choose(defaults, ListingMode::Folders, shift, true);
    EXPECT_EQ(change.flags, (Flags{true, true, true}));
    change = choose(change.flags, ListingMode::Folders, option, true);
    EXPECT_EQ(change.flags, defaults);
    change = choose(Flags{true, false, false}, ListingMode::ScanFolderContents, shift, true);
    EXPECT_EQ(change.flags, (Flags{true, false, true}));
}

TEST(ListingModeTest, DepthItemsSetWhetherContentsAreScanned) {
    Change change = choose(defaults, ListingMode::IgnoreFolderContents);
    EXPECT_EQ(change.flags, (Flags{true, false, false}));
    EXPECT_TRUE(change.changed);
    change = choose(change.flags, ListingMode::ScanFolderContents);
    EXPECT_EQ(change.flags, defaults);
    EXPECT_FALSE(choose(defaults, ListingMode::ScanFolderContents).changed);
}
