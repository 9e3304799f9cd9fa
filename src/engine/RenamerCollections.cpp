#include "engine/RenamerCollections.h"

#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/UserDefaults.h"
#include "engine/ArchiveValues.h"
#include "engine/EngineDefaults.h"
#include "engine/LegacyRenamerConversion.h"
#include "engine/ZKRenamer.h"

namespace RenamerCollections {

namespace {

qint32 archivedInteger(const QVariantMap &archive, const QString &key) {
    return ArchiveValues::int32Value(archive.value(key), 0);
}

// The keys of an archive that take part in a comparison under the given operation.
QStringList comparedKeys(const QVariantMap &archive, int operation, bool compareIrrelevant) {
    const int changeCaseName = archivedInteger(archive, RenamerKeys::kChangeCaseName);
    const int sequenceType = archivedInteger(archive, RenamerKeys::kSequenceType);
    QStringList keys;
    for (auto it = archive.constBegin(); it != archive.constEnd(); ++it) {
        if (it.key().endsWith(RenamerKeys::kSkipSuffix)) continue;
        if (!compareIrrelevant &&
            !RenamerSettings::isKeyRelevant(it.key(), operation, changeCaseName, sequenceType)) {
            continue;
        }
        keys.append(it.key());
    }
    return keys;
}

bool userDefault(const QString &key) {
    return UserDefaults::standardUserDefaults().boolForKey(key);
}

QVariantList archivesOf(const QList<ZKRenamerPtr> &renamers, bool irrelevant, bool text,
                        bool numeric) {
    QVariantList archives;
    archives.reserve(renamers.size());
    for (const ZKRenamerPtr &renamer : renamers) {
        archives.append(renamer->archiveWithIrrelevantSettings(irrelevant, text, numeric));
    }
    return archives;
}

}  // namespace

bool isEqualToRenamerArchive(const QVariantMap &archive, const QVariantMap &other,
                             bool compareIrrelevantSettings) {
    const int operation = archivedInteger(archive, RenamerKeys::kTask);
    if (operation != archivedInteger(other, RenamerKeys::kTask)) return false;
    const QStringList keys = comparedKeys(archive, operation, compareIrrelevantSettings);
    if (comparedKeys(other, operation, compareIrrelevantSettings).size() != keys.size()) {
        return false;
    }
    for (const QString &key : keys) {
        if (!ArchiveValues::isEqual(archive.value(key), other.value(key))) return false;
    }
    return true;
}

bool addRenamersFromArchive(QList<ZKRenamerPtr> &renamers, const QVariantMap &archive) {
    switch (archivedInteger(archive, RenamerKeys::kTask)) {
        case LegacyRenamerKeys::kRemoveAndInsertTask:
            return addRenamersWithDeprecatedRemoveAndInsertArchive(renamers, archive);
        case LegacyRenamerKeys::kNumberSequenceTask:
            return addRenamersWithDeprecatedSequenceArchive(renamers, archive, NumberSequence);
        case LegacyRenamerKeys::kPrefixAndSuffixTask:
            return addRenamersWithDeprecatedPrefixAndSuffixArchive(renamers, archive);
        case LegacyRenamerKeys::kTermSequenceTask:
            return addRenamersWithDeprecatedSequenceArchive(renamers, archive, TermSequence);
        default:
            renamers.append(ZKRenamer::renamerWithArchive(archive));
            return true;
    }
}

void addDefaultRenamers(QList<ZKRenamerPtr> &renamers) {
    bool added = false;
    for (const QVariant &archive : ApplicationSupport::defaultStepArchives()) {
        if (archive.typeId() != QMetaType::QVariantMap) continue;
        if (addRenamersFromArchive(renamers, archive.toMap())) added = true;
    }
    if (!added) renamers.append(ZKRenamer::renamerWithArchive(QVariantMap()));
}

QList<ZKRenamerPtr> renamersFromArchives(const QVariantList &archives) {
    QList<ZKRenamerPtr> renamers;
    for (const QVariant &archive : archives) {
        if (archive.typeId() != QMetaType::QVariantMap) {
            Log::line(QStringLiteral("[Renamer] skipped a step archive that is no dictionary"));
            continue;
        }
        addRenamersFromArchive(renamers, archive.toMap());
    }
    return renamers;
}

QVariantList archivesFromRenamers(const QList<ZKRenamerPtr> &renamers, bool irrelevantSettings) {
    return archivesOf(renamers, irrelevantSettings, true, true);
}

QVariantList archivesFromRenamers(const QList<ZKRenamerPtr> &renamers) {
    return archivesFromRenamers(renamers, userDefault(EngineDefaults::kStoreIrrelevantSettings));
}

QVariantList archivesForNextLaunch(const QList<ZKRenamerPtr> &renamers) {
    return archivesOf(renamers, userDefault(EngineDefaults::kStoreIrrelevantSettings),
                      !userDefault(EngineDefaults::kForgetTextSettingsOnQuit),
                      !userDefault(EngineDefaults::kForgetNumericSettingsOnQuit));
}

bool isEqualToRenamerArchives(const QVariantList &archives, const QVariantList &other,
                              bool compareIrrelevantSettings) {
    if (archives.size() != other.size()) return false;
    for (qsizetype i = 0; i < archives.size(); ++i) {
        if (!isEqualToRenamerArchive(archives.at(i).toMap(), other.at(i).toMap(),
                                     compareIrrelevantSettings)) {
            return false;
        }
    }
    return true;
}

bool isEqualToRenamers(const QList<ZKRenamerPtr> &renamers, const QList<ZKRenamerPtr> &other,
                       bool compareIrrelevantSettings) {
    if (renamers.size() != other.size()) return false;
    for (qsizetype i = 0; i < renamers.size(); ++i) {
        if (!renamers.at(i)->isEqualToRenamer(*other.at(i), compareIrrelevantSettings, true,
                                              true)) {
            return false;
        }
    }
    return true;
}

QString operationNameFromRenamers(const QList<ZKRenamerPtr> &renamers) {
    QString shared;
    for (const ZKRenamerPtr &renamer : renamers) {
        const QString name = renamer->operationName();
        if (name.isEmpty()) continue;
        if (!shared.isEmpty() && shared != name) return QString();
        shared = name;
    }
    return shared;
}

std::optional<QVariantMap> updatedArchiveWithDifferingRenamingOperation(
    const QVariant &archive, int operation, const QHash<QString, QString> &keyReplacements) {
    if (archive.typeId() != QMetaType::QVariantMap && archive.typeId() != QMetaType::QVariantHash) {
        return std::nullopt;
    }
    const QVariantMap source = archive.toMap();
    QVariantMap updated;
    for (auto it = source.constBegin(); it != source.constEnd(); ++it) {
        if (it->isValid() && !keyReplacements.contains(it.key())) updated.insert(it.key(), *it);
    }
    // Moved values go last so that they win over a value already under the new key.
    for (auto it = source.constBegin(); it != source.constEnd(); ++it) {
        if (it->isValid() && keyReplacements.contains(it.key())) {
            updated.insert(keyReplacements.value(it.key()), *it);
        }
    }
    updated.insert(RenamerKeys::kTask, qint64(operation));
    return updated;
}

ZKRenamerPtr renamerFromArchiveWithDifferingRenamingOperation(
    const QVariant &archive, int operation, const QHash<QString, QString> &keyReplacements) {
    const std::optional<QVariantMap> updated =
        updatedArchiveWithDifferingRenamingOperation(archive, operation, keyReplacements);
    return updated ? ZKRenamer::renamerWithArchive(*updated) : nullptr;
}

qint64 legacyRenamerTextSettingLength(const QVariant &value) {
    if (value.typeId() == QMetaType::QString) return value.toString().size();
    if (value.typeId() == QMetaType::QVariantList) return value.toList().size();
    return 0;
}

}  // namespace RenamerCollections
