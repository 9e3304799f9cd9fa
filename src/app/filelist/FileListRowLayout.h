#pragma once

#include <QRect>

// Where the parts of one file list row go. A row of width W starts with the item's icon
// (width I). Without a new name the current name takes the rest. Otherwise the name columns
// are separated by lights (width L): current name, light, new name, each column
// floor((W - L - I) / 2) wide; with an interim name shown, current name, light, interim
// name, light, new name, each floor((W - 2L - 2I) / 3) wide.
struct FileListRowLayout {
    QRect icon;
    QRect currentName;
    // Empty unless an interim name is shown.
    QRect interimLight;
    QRect interimName;
    // Empty without a new name.
    QRect light;
    QRect newName;

    // rect is the row's name area (the detail line, if any, lies below it).
    static FileListRowLayout forRow(const QRect &rect, int lightWidth, int iconWidth,
                                    bool hasNewName, bool showsInterimName);
    // The width of each name column; never negative.
    static int columnWidth(int rowWidth, int lightWidth, int iconWidth, bool showsInterimName);
};
