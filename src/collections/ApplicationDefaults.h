#pragma once

#include <QString>

// The user defaults that hold until the user changes them, registered at every launch, and
// the application-wide keys read by the window.
namespace ApplicationDefaults {

inline const QString kDebugLog = QStringLiteral("ZKDebugLog");
// Written NO at every launch: a restarted application opens one fresh window.
inline const QString kQuitAlwaysKeepsWindows = QStringLiteral("NSQuitAlwaysKeepsWindows");
// The clear button shows only with this on (and while it can be used).
inline const QString kShowClearListButton = QStringLiteral("Show Clear List Button");
inline const QString kQuitAfterRenaming = QStringLiteral("Quit After Renaming");
// The bar's action button (the list's actions for the selected rows) shows only with this on.
inline const QString kShowActionButton = QStringLiteral("Show Action Button");
// With this on, drops are read from their names and plain text instead of their file URLs: a
// way around a file manager whose URLs do not reach the list.
inline const QString kDisablePasteboardObjectReading =
    QStringLiteral("Disable Pasteboard Object Reading");
// How the file list looks (its view reads them).
inline const QString kShowIconPreviews = QStringLiteral("Show Icon Previews");
inline const QString kAlwaysShowLargeIcons = QStringLiteral("Always Show Large Icons");
inline const QString kShowWhitespace = QStringLiteral("Show Whitespace");
inline const QString kArrowMode = QStringLiteral("List Layout: Arrow Mode");
// Where the window's frame and the split between steps and list are kept.
inline const QString kMainWindowFrame = QStringLiteral("MainWindow");
inline const QString kFileListFrame = QStringLiteral("File List Frame");

// Registers the table of launch defaults ("Allow File Selection", "Copy CSV Names",
// "Show Icon Previews", "Shift-Drag To Add Files", "List Layout: Detail Mode" -1,
// "List Layout: Arrow Mode" 1, free-spacing regular expressions, "Keep Droplet Seal Intact",
// "Collections Include Subfolders", "Metadata Search Length Threshold" 2, anchors in help
// submenus) together with the controller's and the engine's, and stores
// "NSQuitAlwaysKeepsWindows" NO.
void registerApplicationDefaults();
// Only the registration, without storing anything (for views that may live without the
// application, such as the file list in tests).
void registerLaunchDefaults();

}  // namespace ApplicationDefaults
