#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include "engine/ZKRenamingDelegate.h"

// Step archives of the older layout and their keys.
namespace LegacyRenamerKeys {

inline constexpr int kRemoveAndInsertTask = 1;
inline constexpr int kNumberSequenceTask = 4;
inline constexpr int kPrefixAndSuffixTask = 5;
inline constexpr int kTermSequenceTask = 6;

inline const QString kPrefix = QStringLiteral("Rename: Prefix/Suffix: Prefix");
inline const QString kSuffix = QStringLiteral("Rename: Prefix/Suffix: Suffix");
inline const QString kAppendExtension = QStringLiteral("Rename: Prefix/Suffix: Append Extension");
inline const QString kSequenceCap = QStringLiteral("Rename: Sequence: Terms: Cap");
inline const QString kSequenceUseCommonPrefix =
    QStringLiteral("Rename: Sequence: Use Common Prefix");
inline const QString kSequencePrefix = QStringLiteral("Rename: Sequence: Prefix");
inline const QString kSequenceUseOriginalNameAsPrefix =
    QStringLiteral("Rename: Sequence: Use Original Name as Prefix");
inline const QString kSequenceUseOriginalNameAsSuffix =
    QStringLiteral("Rename: Sequence: Use Original Name as Suffix");
inline const QString kSequenceAppendExtension =
    QStringLiteral("Rename: Sequence: Append Extension");

// Tokens the converted steps use.
inline const QString kCommonPrefixToken = QStringLiteral("common prefix: pre-rename");
inline const QString kPreRenameNameToken = QStringLiteral("name: pre-rename: name");
inline const QString kIntermediateNameToken = QStringLiteral("name: intermediate: name");

}  // namespace LegacyRenamerKeys

namespace RenamerCollections {

// Old "Task" 4 and 6: a Sequence step of the given type, with a Compose and a Remove step
// before it for a capped prefix and an Add Suffix step after it for the suffix. The legacy
// suffix is carried by the Add Suffix step only, so that it appears once.
bool addRenamersWithDeprecatedSequenceArchive(QList<ZKRenamerPtr> &renamers,
                                              const QVariantMap &archive, int type);
// Old "Task" 1: a Remove step when the length is positive, and an Insert step unless that
// Remove step came with an empty insert text.
bool addRenamersWithDeprecatedRemoveAndInsertArchive(QList<ZKRenamerPtr> &renamers,
                                                     const QVariantMap &archive);
// Old "Task" 5: an Add Prefix step when there is a prefix, and an Add Suffix step unless
// that Add Prefix step came with an empty suffix.
bool addRenamersWithDeprecatedPrefixAndSuffixArchive(QList<ZKRenamerPtr> &renamers,
                                                     const QVariantMap &archive);

}  // namespace RenamerCollections
