#pragma once

#include <QList>
#include <QStringList>

#include "interaction/ZKUserInteraction.h"

// The paths of the items on a pasteboard, taken from the first kind of data that yields any,
// in this order: file names (as given), URLs (file URLs whose item exists) and plain text
// (each line, trimmed, that starts with "/" and names an existing item; relative paths are
// not taken). An item exists when anything is at its path, a dangling symbolic link included.
//
// In test mode (isTestFlight) the answer only tells whether there are files: file names and
// URLs count by their presence and give an empty list; plain text gives its first usable path.
// *found says whether any kind of data yielded paths (false: none).
QStringList filesFromPasteboard(const QList<ZKPasteboardItem> &items, bool isTestFlight,
                                bool *found);
