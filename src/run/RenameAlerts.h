#pragma once

#include <QString>

#include "interaction/ZKUserInteraction.h"

// The questions and messages of a rename run: the confirmations before it, the stop question
// in the middle of it, the revert question, and the notification after it.
namespace RenameAlerts {

// Buttons of the confirmations: the first goes ahead, the second ("Cancel") ends the run.
// "Are you sure you want to do this again?" after a run with the same steps.
ZKAlert renameAgainAlert();
// The extension is removed from count files; firstName names the first one (used when the
// count is 1).
ZKAlert removeExtensionAlert(qsizetype count, const QString &firstName);
// Some new names were cleaned (yellow lights).
ZKAlert warningsAlert();
// The confirmation before every run ("Chicken"): the rename button's title as the message,
// with a suppression box that turns the confirmation off.
ZKAlert chickenAlert(const QString &renameButtonTitle);
// Trims punctuation and spaces from both ends: "Rename 3 Files..." gives "Rename 3 Files"
// (translations may set an ellipsis apart with a space).
QString trimmingPunctuation(const QString &text);

// "Stop?" in the middle of a run: button 0 "Continue", 1 "Stop".
ZKAlert stopAlert();
// "Stop?" in the middle of a scan, with the same buttons.
ZKAlert stopScanningAlert();

// The revert question for r revertible records of count; originalName is the one record's
// name before the run (used when r == count == 1). Button 0 "Revert", 1 "Cancel".
ZKAlert revertAlert(qsizetype revertible, qsizetype count, bool folders,
                    const QString &originalName);

// "Cannot rename %@" for the item's name, with the text; one button "Stop".
ZKAlert cannotRenameAlert(const QString &name, const QString &informativeText);
// The text of that alert for an error (its description), or without one, what most likely
// refused the move (permissions, or in a sandbox the folder that was not unlocked).
QString cannotRenameText(const QString &name, const QString &error, bool sandboxed);

// The run cannot keep its journal, so it does not start or does not go on; one button "Stop".
ZKAlert journalFailureAlert(const QString &error);

// Another run (another window or program) is moving items in `folder`; one button "Stop".
ZKAlert folderBusyAlert(const QString &folder);

// The notification after a successful run of n relevant records out of count: the title,
// and the text ("3 of 5 files", the one record's new name, "5 files"; "items" when folders
// are listed).
QString notificationTitle(bool isRevert);
QString notificationText(qsizetype relevant, qsizetype count, bool folders,
                         const QString &singleName);

}  // namespace RenameAlerts
