#include "listing/ListingMode.h"

#include "common/Translations.h"

namespace ListingMode {

TORVANE_NAMESPACE_TR(ListingMode)

namespace {

enum class Answer { Proceed, Declined };

// Turning file listing off leaves only folders to rename, which is rarely meant.
Answer confirmFileUnchecking(bool skipWarning,
                             const std::function<ZKAlertAnswer(const ZKAlert &)> &ask,
                             bool *suppress) {
    if (skipWarning || !ask) return Answer::Proceed;
    const ZKAlertAnswer answer = ask(fileUncheckingAlert());
    *suppress = answer.suppressed;
    return answer.button == 0 ? Answer::Proceed : Answer::Declined;
}

}  // namespace

ZKAlert fileUncheckingAlert() {
    ZKAlert alert;
    alert.kind = ZKAlertKind::DisableFileRenaming;
    alert.messageText = tr("Do You Want to Disable File Renaming?");
    alert.informativeText = tr("Are you sure you want to rename folders only?");
    alert.buttons = {tr("Disable File Renaming"), tr("Continue to List Files")};
    alert.suppressionButtonTitle = tr("Do not show this message again");
    return alert;
}

Change choose(const Flags &current, int tag, ZKModifierKeys modifiers, bool ignoreModifierKeys,
              bool skipFileUncheckingWarning,
              const std::function<ZKAlertAnswer(const ZKAlert &)> &ask) {
    if (ignoreModifierKeys) modifiers = ZKModifierKeys();
    Change change{current, false, false};
    Flags &flags = change.flags;
    if (modifiers.shift) {
        flags.listFiles = flags.listFolders = true;
    } else if (tag == Files && modifiers.option) {
        flags.listFiles = true;
        flags.listFolders = false;
    } else if (tag == Files) {
        if (flags.listFiles &&
            confirmFileUnchecking(skipFileUncheckingWarning, ask,
                                  &change.skipFileUncheckingWarning) == Answer::Declined) {
            change.declined = true;
            return change;
        }
        flags.listFiles = !flags.listFiles;
    } else if (tag == Folders && modifiers.option) {
        flags.listFiles = false;
        flags.listFolders = true;
    } else if (tag == Folders) {
        flags.listFolders = !flags.listFolders;
    } else if (tag == ScanFolderContents || tag == IgnoreFolderContents) {
        flags.scanFolderContents = tag == ScanFolderContents;
    }
    if (!flags.listFiles && !flags.listFolders) {
        if (tag == Files)
            flags.listFolders = true;
        else
            flags.listFiles = true;
    }
    change.changed = !(flags == current);
    return change;
}

}  // namespace ListingMode
