#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

#include "engine/ZKRenamingDelegate.h"

// Operations on step lists and step archives.
namespace RenamerCollections {

// Whether two step archives describe the same step: equal "Task", and equal values for
// every key of the first archive that is compared (not ending in "/Skip"; relevant to the
// archive's own operation, Change Case name mode and Sequence type unless irrelevant
// settings are compared), with the second holding as many compared keys.
bool isEqualToRenamerArchive(const QVariantMap &archive, const QVariantMap &other,
                             bool compareIrrelevantSettings);

// Appends the step(s) of an archive, converting archives of the older layout ("Task" 1, 4,
// 5, 6); true when at least one step was appended.
bool addRenamersFromArchive(QList<ZKRenamerPtr> &renamers, const QVariantMap &archive);
// Appends the steps of "Default.tva", or one all-default step when it yields none.
void addDefaultRenamers(QList<ZKRenamerPtr> &renamers);

// Steps from a list of archives (legacy archives converted; elements that are no
// dictionary are skipped with a log line).
QList<ZKRenamerPtr> renamersFromArchives(const QVariantList &archives);
// Archives with all text and numeric settings.
QVariantList archivesFromRenamers(const QList<ZKRenamerPtr> &renamers, bool irrelevantSettings);
// The same, irrelevant settings per "Store Irrelevant Settings".
QVariantList archivesFromRenamers(const QList<ZKRenamerPtr> &renamers);
// The archives saved for the next launch: as archivesFromRenamers, without text settings
// when "Forget Text Settings On Quit" is on and without numeric settings when "Forget
// Numeric Settings On Quit" is on.
QVariantList archivesForNextLaunch(const QList<ZKRenamerPtr> &renamers);

// Lists are equal with the same count and equal elements, compared as archives or as steps
// (with all text and numeric settings).
bool isEqualToRenamerArchives(const QVariantList &archives, const QVariantList &other,
                              bool compareIrrelevantSettings);
bool isEqualToRenamers(const QList<ZKRenamerPtr> &renamers, const QList<ZKRenamerPtr> &other,
                       bool compareIrrelevantSettings);

// The operation name shared by all steps that have one; "" when two differ or none has one.
QString operationNameFromRenamers(const QList<ZKRenamerPtr> &renamers);

// A copy of a dictionary (QVariantMap or QVariantHash) with every key that has a value,
// keys found in keyReplacements moved to their new names (a moved value wins over a value
// already under the new name), and "Task" set to operation. Nothing for any other value.
std::optional<QVariantMap> updatedArchiveWithDifferingRenamingOperation(
    const QVariant &archive, int operation, const QHash<QString, QString> &keyReplacements);
// A step from that copy; null for a value that is no dictionary.
ZKRenamerPtr renamerFromArchiveWithDifferingRenamingOperation(
    const QVariant &archive, int operation, const QHash<QString, QString> &keyReplacements);

// Length of a string, count of a list, else 0.
qint64 legacyRenamerTextSettingLength(const QVariant &value);

}  // namespace RenamerCollections
