#pragma once

#include <QString>

// The keys of a configuration archive.
namespace ConfigurationKeys {

// The steps: an array of step archives, in step order.
inline const QString kRenamers = QStringLiteral("Renamers");

// Listing choices.
inline const QString kListFolders = QStringLiteral("List Folders");
inline const QString kListFolderContents = QStringLiteral("List Folder Contents");
inline const QString kListFiles = QStringLiteral("List Files");
inline const QString kSortingPriorities = QStringLiteral("Sorting Priorities");

// Switches stored with every configuration.
inline const QString kIgnoreTrailingGibberish = QStringLiteral("Ignore Trailing Gibberish");
inline const QString kIgnoreInvisibleFiles = QStringLiteral("Ignore Invisible Files");
inline const QString kIgnoreWhitespaceInRegularExpressions =
    QStringLiteral("Ignore Whitespace In Regular Expressions");
inline const QString kAutoUniqueify = QStringLiteral("Auto-Uniqueify");

// General settings, stored only when quitting.
inline const QString kStartupPopulation = QStringLiteral("Startup Population");
inline const QString kPreviewPopUpCondition = QStringLiteral("Preview Pop-Up Condition");
inline const QString kChicken = QStringLiteral("Chicken");
inline const QString kQuitWhenClosed = QStringLiteral("Quit When Closed");
inline const QString kClearListAfterRenaming = QStringLiteral("Clear List After Renaming");

// Read but never written here: the theme is saved when it changes, the two launch switches
// are set by the user.
inline const QString kFileListTheme = QStringLiteral("File List Theme");
inline const QString kLaunchWithDefaultRenamingOperation =
    QStringLiteral("Launch With Default Renaming Operation");
inline const QString kLaunchWithPreMultistepConfiguration =
    QStringLiteral("Launch With Pre-Multistep Configuration");

}  // namespace ConfigurationKeys
