#include <gtest/gtest.h>

#include "run/RenameAlerts.h"
#include "support/QtPrinters.h"

TEST(RenameAlertsTest, ChickenMessageIsTheButtonTitleWithoutPunctuationAtEitherEnd) {
    EXPECT_EQ(RenameAlerts::chickenAlert("Rename 3 Files...").messageText, "Rename 3 Files");
    EXPECT_EQ(RenameAlerts::chickenAlert("Rename \"a.txt\"...").messageText, "Rename \"a.txt");
    EXPECT_EQ(RenameAlerts::trimmingPunctuation("...!"), "");
    EXPECT_EQ(RenameAlerts::trimmingPunctuation("(draft) v2.txt"), "draft) v2.txt");
    EXPECT_EQ(RenameAlerts::trimmingPunctuation(QString::fromUtf8("2 Dateien umbenennen …")),
              "2 Dateien umbenennen");
}

TEST(RenameAlertsTest, RevertMessageCountsItemsOrFilesOrNamesTheOne) {
    EXPECT_EQ(RenameAlerts::revertAlert(1, 1, false, "a.txt").messageText, "Revert a.txt...");
    EXPECT_EQ(RenameAlerts::revertAlert(1, 1, true, "box").messageText, "Revert box...");
    EXPECT_EQ(RenameAlerts::revertAlert(4, 4, false, "a").messageText, "Revert 4 Files...");
    EXPECT_EQ(RenameAlerts::revertAlert(4, 4, true, "a").messageText, "Revert 4 Items...");
    EXPECT_EQ(RenameAlerts::revertAlert(1, 4, false, "a").messageText, "Revert 1 of 4 Files...");
    EXPECT_EQ(RenameAlerts::revertAlert(3, 4, true, "a").messageText, "Revert 3 of 4 Items...");
}

TEST(RenameAlertsTest, NotificationTextCountsOrNamesTheOneRecord) {
    EXPECT_EQ(RenameAlerts::notificationTitle(false), "Finished Renaming");
    EXPECT_EQ(RenameAlerts::notificationTitle(true), "Reverted");
    EXPECT_EQ(RenameAlerts::notificationText(2, 5, false, QString()), "2 of 5 files");
    EXPECT_EQ(RenameAlerts::notificationText(2, 5, true, QString()), "2 of 5 items");
    EXPECT_EQ(RenameAlerts::notificationText(1, 1, false, "new.txt"), "new.txt");
    EXPECT_EQ(RenameAlerts::notificationText(5, 5, false, QString()), "5 files");
    EXPECT_EQ(RenameAlerts::notificationText(5, 5, true, QString()), "5 items");
}
