#pragma once

#include <QString>

// User defaults the renaming controller reads (the list's layout, filter and selection keys
// live with CellDetailText and DisplayFilter).
namespace ControllerDefaults {

// Shift held while dropping or opening adds to the list (registered YES).
inline const QString kShiftDragToAddFiles = QStringLiteral("Shift-Drag To Add Files");
// Copying the list also writes CSV lines (registered YES).
inline const QString kCopyCsvNames = QStringLiteral("Copy CSV Names");
// Skip symbolic links while scanning.
inline const QString kIgnoreAliases = QStringLiteral("Ignore Aliases");
// The open dialog resolves symbolic links.
inline const QString kResolveAliasesWhenPopulatingViaDialog =
    QStringLiteral("Resolve Aliases When Populating Via Dialog");

}  // namespace ControllerDefaults
