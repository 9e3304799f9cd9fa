#pragma once

#include <QByteArray>

// The total size of the non-folder items inside an open folder, at any depth, without
// following symbolic links and without entering kernel file systems such as /proc.
namespace FolderSize {

// `folder` is a descriptor opened on a folder; it is not closed. `absolutePath` is its
// path when known (then /proc, /sys, /dev and /run under it are skipped by name too).
qint64 sumInside(int folder, const QByteArray &absolutePath);

}  // namespace FolderSize
