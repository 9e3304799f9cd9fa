#include "app/filelist/FileListRowLayout.h"

#include <algorithm>

int FileListRowLayout::columnWidth(int rowWidth, int lightWidth, int iconWidth,
                                   bool showsInterimName) {
    // Integer division floors here because the operand is never negative.
    if (showsInterimName) return std::max(0, rowWidth - 2 * lightWidth - 2 * iconWidth) / 3;
    return std::max(0, rowWidth - lightWidth - iconWidth) / 2;
}

FileListRowLayout FileListRowLayout::forRow(const QRect &rect, int lightWidth, int iconWidth,
                                            bool hasNewName, bool showsInterimName) {
    FileListRowLayout layout;
    const int top = rect.top();
    const int height = rect.height();
    layout.icon = QRect(rect.left(), top, iconWidth, height);
    int x = rect.left() + iconWidth;
    if (!hasNewName) {
        layout.currentName = QRect(x, top, std::max(0, rect.right() + 1 - x), height);
        return layout;
    }
    const int column = columnWidth(rect.width(), lightWidth, iconWidth, showsInterimName);
    auto take = [&x, top, height](int width) {
        const QRect part(x, top, width, height);
        x += width;
        return part;
    };
    layout.currentName = take(column);
    if (showsInterimName) {
        layout.interimLight = take(lightWidth);
        layout.interimName = take(column);
    }
    layout.light = take(lightWidth);
    layout.newName = take(column);
    return layout;
}
