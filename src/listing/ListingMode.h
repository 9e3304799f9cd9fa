#pragma once

#include <QString>
#include <functional>

#include "interaction/ZKUserInteraction.h"

// The listing-mode menu of the file list: what is listed ("List": "Files", "Folders") and
// how deep ("Depth": "Scan Folders Recursively", "Ignore Folder Contents").
namespace ListingMode {

// Menu item tags.
enum Tag { Files = 0, Folders = 1, ScanFolderContents = 2, IgnoreFolderContents = 3 };

inline constexpr char ignoreModifierKeysKey[] = "List Folders/Contents/Files: Ignore Modifier Keys";
inline constexpr char skipFileUncheckingWarningKey[] = "Skip File Unchecking Warning";

struct Flags {
    bool listFiles = true;
    bool listFolders = false;
    bool scanFolderContents = true;
    bool operator==(const Flags &other) const = default;
};

struct Change {
    Flags flags;
    // Whether the flags differ from the ones before.
    bool changed = false;
    // The user answered "Continue to List Files": everything stays as it was, no rescan.
    bool declined = false;
    // The user ticked the question's suppression box (whichever button followed): "Skip File
    // Unchecking Warning" is to be set.
    bool skipFileUncheckingWarning = false;
};

// The question asked before file listing is turned off; button 0 turns it off, button 1
// keeps files listed.
ZKAlert fileUncheckingAlert();

// The flags after choosing the menu item with the given tag. Shift lists files and folders
// whatever the item; Option makes "Files" and "Folders" exclusive instead of toggles; both are
// ignored with ignoreModifierKeys. Turning file listing off asks `ask` first unless
// skipFileUncheckingWarning (or no `ask` is given); any answer but the first button leaves
// everything as it was.
// Files and folders are never both off: turning one off turns the other on.
Change choose(const Flags &current, int tag, ZKModifierKeys modifiers, bool ignoreModifierKeys,
              bool skipFileUncheckingWarning,
              const std::function<ZKAlertAnswer(const ZKAlert &)> &ask);

}  // namespace ListingMode
