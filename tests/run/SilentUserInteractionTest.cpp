#include <gtest/gtest.h>

#include "interaction/ZKSilentUserInteraction.h"
#include "run/RenameAlerts.h"
#include "support/GermanTranslation.h"

namespace {

ZKAlert existingItemAlert(bool cancellable) {
    ZKAlert alert;
    alert.kind = ZKAlertKind::ExistingItem;
    alert.buttons = {"Replace", "Replace All", "Skip", "Skip All"};
    if (cancellable) alert.buttons << "Cancel";
    return alert;
}

}  // namespace

// Where no one can be asked, nothing is replaced or run on the user's behalf, whatever
// language the buttons are titled in.
TEST(SilentUserInteractionTest, AnswersTheButtonThatChangesNothingByKind) {
    ZKSilentUserInteraction silent;
    EXPECT_EQ(silent.runAlert(existingItemAlert(true)).button, ExistingItemButton::Cancel);
    EXPECT_EQ(silent.runAlert(existingItemAlert(false)).button, ExistingItemButton::Skip);
    EXPECT_EQ(silent.runAlert(RenameAlerts::stopAlert()).button, 1);

    const GermanTranslation german;
    ASSERT_TRUE(german.loaded());
    const ZKAlert again = RenameAlerts::renameAgainAlert();
    EXPECT_EQ(again.buttons, (QStringList{"Erneut umbenennen", "Abbrechen"}));
    EXPECT_EQ(silent.runAlert(again).button, 1);
    const ZKAlert stop = RenameAlerts::stopAlert();
    EXPECT_EQ(stop.messageText, "Stoppen?");
    EXPECT_EQ(silent.runAlert(stop).button, 1);
    EXPECT_EQ(silent.runAlert(RenameAlerts::folderBusyAlert("/tmp/x")).button, 0);
}
