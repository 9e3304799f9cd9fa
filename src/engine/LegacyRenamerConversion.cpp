#include "engine/LegacyRenamerConversion.h"

#include "engine/ArchiveValues.h"
#include "engine/RenamerCollections.h"
#include "engine/RenamerSettings.h"
#include "engine/ZKRenamer.h"
#include "tokens/TokenList.h"

namespace RenamerCollections {

namespace {

using namespace LegacyRenamerKeys;

bool isEmptyText(const QVariantMap &archive, const QString &key) {
    return legacyRenamerTextSettingLength(archive.value(key)) == 0;
}

bool isOn(const QVariantMap &archive, const QString &key) {
    return ArchiveValues::boolValue(archive.value(key), false);
}

void appendConverted(QList<ZKRenamerPtr> &renamers, const QVariantMap &archive, int operation,
                     const QHash<QString, QString> &keyReplacements = {}) {
    renamers.append(
        renamerFromArchiveWithDifferingRenamingOperation(archive, operation, keyReplacements));
}

void appendNew(QList<ZKRenamerPtr> &renamers, QVariantMap archive, int operation) {
    archive.insert(RenamerKeys::kTask, qint64(operation));
    renamers.append(ZKRenamer::renamerWithArchive(archive));
}

// A legacy text value: a string is one item (an empty one none), a list item by item.
void appendItems(QVariantList &items, const QVariant &value) {
    if (value.typeId() == QMetaType::QVariantList) {
        items.append(value.toList());
    } else if (value.typeId() == QMetaType::QString && !value.toString().isEmpty()) {
        items.append(value);
    }
}

QVariant token(const QString &identifier) {
    return TokenList::dictionaryByWrappingProxyValue(identifier);
}

}  // namespace

bool addRenamersWithDeprecatedRemoveAndInsertArchive(QList<ZKRenamerPtr> &renamers,
                                                     const QVariantMap &archive) {
    const bool removes =
        ArchiveValues::int32Value(archive.value(RenamerKeys::kRemoveLength), 0) > 0;
    if (removes) appendConverted(renamers, archive, RemoveOperation);
    if (!removes || !isEmptyText(archive, RenamerKeys::kInsertString)) {
        appendConverted(renamers, archive, InsertOperation);
    }
    return true;
}

bool addRenamersWithDeprecatedPrefixAndSuffixArchive(QList<ZKRenamerPtr> &renamers,
                                                     const QVariantMap &archive) {
    const bool prefixes = !isEmptyText(archive, kPrefix);
    if (prefixes)
        appendConverted(renamers, archive, AddPrefixOperation,
                        {{kPrefix, RenamerKeys::kInsertString}});
    if (!prefixes || !isEmptyText(archive, kSuffix)) {
        appendConverted(renamers, archive, AddSuffixOperation,
                        {{kSuffix, RenamerKeys::kInsertString},
                         {kAppendExtension, RenamerKeys::kSuffixPreserveExtension}});
    }
    return true;
}

bool addRenamersWithDeprecatedSequenceArchive(QList<ZKRenamerPtr> &renamers,
                                              const QVariantMap &archive, int type) {
    const qint64 cap = ArchiveValues::int32Value(archive.value(kSequenceCap), 0);
    QVariantList prefixItems;
    bool hasPrefix = true;
    if (isOn(archive, kSequenceUseCommonPrefix)) {
        prefixItems.append(token(kCommonPrefixToken));
    } else {
        appendItems(prefixItems, archive.value(kSequencePrefix));
        hasPrefix = !isEmptyText(archive, kSequencePrefix);
    }
    QVariantList suffixItems;
    appendItems(suffixItems, archive.value(RenamerKeys::kSequenceSuffix));
    if (isOn(archive, kSequenceUseOriginalNameAsSuffix)) {
        suffixItems.append(token(kPreRenameNameToken));
    }

    QVariantMap sequence = *updatedArchiveWithDifferingRenamingOperation(
        archive, SequenceOperation,
        {{kSequenceAppendExtension, RenamerKeys::kSequencePreserveExtension}});
    sequence.insert(RenamerKeys::kSequenceType, qint64(type));
    // The suffix goes to the Add Suffix step below; left here it would be appended twice.
    // Every other key of the old step stays.
    sequence.remove(RenamerKeys::kSequenceSuffix);

    const bool originalNameAsPrefix = isOn(archive, kSequenceUseOriginalNameAsPrefix);
    if (hasPrefix || originalNameAsPrefix) {
        QVariantList sequencePrefix;
        if (cap != 0 && hasPrefix) {
            // The capped prefix is built as a name of its own and then read back after the
            // name the item had before the run.
            appendNew(renamers, {{RenamerKeys::kInsertString, prefixItems}}, ComposeOperation);
            appendNew(renamers,
                      {{RenamerKeys::kRemoveDirection, qint64(cap < 0 ? 1 : 0)},
                       {RenamerKeys::kRemoveLength, qAbs(cap)}},
                      RemoveOperation);
            sequencePrefix = {token(kPreRenameNameToken), token(kIntermediateNameToken)};
        } else {
            if (originalNameAsPrefix) sequencePrefix.append(token(kPreRenameNameToken));
            sequencePrefix.append(prefixItems);
        }
        sequence.insert(RenamerKeys::kInsertString, sequencePrefix);
    }
    renamers.append(ZKRenamer::renamerWithArchive(sequence));

    if (!suffixItems.isEmpty()) {
        appendNew(renamers, {{RenamerKeys::kInsertString, suffixItems}}, AddSuffixOperation);
    }
    return true;
}

}  // namespace RenamerCollections
