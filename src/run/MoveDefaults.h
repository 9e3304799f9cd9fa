#pragma once

#include <QString>

#include "common/UserDefaults.h"

// User defaults read while items are moved on disk.
namespace MoveDefaults {

// 0 automatic, 1 always the file manager's move, 2 prefer Finder. Linux has no Finder: every
// value moves the item directly; the value is kept for the run's debug summary.
inline const QString kRenamingOperation = QStringLiteral("Renaming Operation");

// Answers the user gave once for the rest of a rename run ("Rename All Locked Files",
// "Replace All", "Skip All").
inline const QString kUnlockAllLockedFiles = QStringLiteral("Unlock All Locked Files (Transient)");
inline const QString kReplaceAllExistingFiles =
    QStringLiteral("Replace All Existing Files (Transient)");
inline const QString kSkipAllFileReplacements =
    QStringLiteral("Skip All File Replacements (Transient)");

// Forgets those answers; every rename run starts with this.
inline void removeTransientDefaults(UserDefaults &defaults = UserDefaults::standardUserDefaults()) {
    defaults.removeObjectForKey(kUnlockAllLockedFiles);
    defaults.removeObjectForKey(kReplaceAllExistingFiles);
    defaults.removeObjectForKey(kSkipAllFileReplacements);
}

}  // namespace MoveDefaults
