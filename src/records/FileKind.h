#pragma once

#include <QString>

// The kind sort key of a listed item. Under the localized standard comparison the leading
// spaces of the two built-in keys put plain folders first, items without an extension next,
// and items with an extension after them.
namespace FileKind {

inline const QString kFolderKey =
    QStringLiteral("                    com.quorlix.Torvane.FileType.1-Folder");
inline const QString kNoExtensionKey =
    QStringLiteral("                    com.quorlix.Torvane.FileType.2-None");

// name is the item's current name; typeCode and creatorCode are its classic four-character
// codes ("" when it has none, written as four spaces in the key).
QString sortKey(const QString &name, bool isFolder, bool isPackage, const QString &typeCode,
                const QString &creatorCode);

// A classic code as read from an item's attributes, without a surrounding pair of single
// quotes ("'TEXT'" -> "TEXT").
QString codeWithoutQuotes(const QString &code);

}  // namespace FileKind
