#pragma once

#include <QByteArray>
#include <QByteArrayView>

// How long a name may be in a folder, so the preview can refuse a name the move would fail on.
namespace NameLimits {

// The longest name in bytes the folder's file system takes (NAME_MAX from pathconf, 255 on
// most Linux file systems); 255 when the folder cannot be asked. Answers are kept per folder
// until forgetFolders.
long maximumNameBytes(QByteArrayView folder);

// Drops the kept answers: file systems may have been mounted or unmounted since.
void forgetFolders();

}  // namespace NameLimits
