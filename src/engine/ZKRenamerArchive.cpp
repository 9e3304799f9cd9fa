// The step archive: reading, writing, data and equality of ZKRenamer.

#include "common/ApplicationSupport.h"
#include "common/PropertyList.h"
#include "common/UserDefaults.h"
#include "engine/ArchiveValues.h"
#include "engine/EngineDefaults.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"
#include "tokens/TokenList.h"

using K = RenamerSettingKind;

namespace {

QString stringOrEmpty(const QVariant &value) {
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// An empty string from an older archive is an empty list, not a list of one empty text.
QVariantList tokenListFromArchiveValue(const QVariant &value) {
    if (value.typeId() == QMetaType::QString) return TokenList::fromString(value.toString());
    return TokenList::fromArchiveValue(value);
}

bool storesIrrelevantSettings() {
    return UserDefaults::standardUserDefaults().boolForKey(
        EngineDefaults::kStoreIrrelevantSettings);
}

}  // namespace

ZKRenamerPtr ZKRenamer::renamerWithArchive(const std::optional<QVariantMap> &archive) {
    if (!archive) {
        if (ZKRenamerPtr popped = renamerPoppedFromRemovedRenamersStack()) return popped;
    }
    QVariantMap settings;
    if (archive) {
        settings = *archive;
    } else {
        const QVariantList defaults = ApplicationSupport::defaultStepArchives();
        if (!defaults.isEmpty()) settings = defaults.first().toMap();
    }
    auto renamer = std::make_shared<ZKRenamer>();
    renamer->initializeControlsWithArchive(settings);
    return renamer;
}

ZKRenamerPtr ZKRenamer::renamerWithData(const QByteArray &data) {
    if (data.isEmpty()) return renamerWithArchive(std::nullopt);
    const QVariant parsed = PropertyList::fromData(data);
    if (parsed.typeId() != QMetaType::QVariantMap) return renamerWithArchive(std::nullopt);
    return renamerWithArchive(parsed.toMap());
}

void ZKRenamer::initializeControlsWithArchive(const QVariantMap &archive) {
    for (RenamerSetting setting : RenamerSettings::all()) readSetting(setting, archive);
}

void ZKRenamer::readSetting(RenamerSetting setting, const QVariantMap &archive) {
    const QString key = RenamerSettings::key(setting);
    const QVariant value = archive.value(key);
    const int fallback = RenamerSettings::defaultValue(setting);
    switch (RenamerSettings::kind(setting)) {
        case K::Switch:
            *switchField(setting) = ArchiveValues::boolValue(value, fallback != 0);
            break;
        case K::Choice: {
            qint64 tag = ArchiveValues::int32Value(value, fallback);
            if (!RenamerSettings::isValidChoice(setting, tag)) {
                tag = RenamerSettings::firstChoice(setting);
            }
            *integerField(setting) = tag;
            break;
        }
        case K::Number:
            *integerField(setting) = ArchiveValues::int32Value(value, fallback);
            break;
        case K::TokenText:
            *tokenField(setting) = tokenListFromArchiveValue(value);
            break;
        case K::PlainText:
            sequenceTermsField_->setText(stringOrEmpty(value));
            sequenceTermsField_->setReflectedTextFilePath(
                stringOrEmpty(archive.value(key + RenamerKeys::kReflectedPathSuffix)));
            break;
        case K::Prototype:
            *stringField(setting) = stringOrEmpty(value);
            break;
    }
}

QVariantMap ZKRenamer::archiveWithIrrelevantSettings(bool irrelevantSettings,
                                                     bool includeAllTextSettings,
                                                     bool includeAllNumericSettings) const {
    QVariantMap archive;
    for (RenamerSetting setting : RenamerSettings::all()) {
        if (!irrelevantSettings && !isRelevant(setting)) continue;
        writeSetting(setting, archive, includeAllTextSettings, includeAllNumericSettings);
    }
    return archive;
}

void ZKRenamer::writeSetting(RenamerSetting setting, QVariantMap &archive, bool includeAllText,
                             bool includeAllNumeric) const {
    int fallback = 0;
    const QString key = nameOfSettingForControl(setting, &fallback);
    switch (RenamerSettings::kind(setting)) {
        case K::Switch:
            if (switchValue(setting) != (fallback != 0)) archive.insert(key, switchValue(setting));
            break;
        case K::Choice:
            if (integerValue(setting) != fallback) archive.insert(key, integerValue(setting));
            break;
        case K::Number:
            if (includeAllNumeric && integerValue(setting) != fallback) {
                archive.insert(key, integerValue(setting));
            }
            break;
        case K::TokenText:
            if (includeAllText && !tokenListValue(setting).isEmpty()) {
                archive.insert(key, tokenListValue(setting));
            }
            break;
        case K::PlainText:
            if (!includeAllText) break;
            if (!stringValue(setting).isEmpty()) archive.insert(key, stringValue(setting));
            if (!sequenceTermsReflectedPath().isEmpty()) {
                archive.insert(key + RenamerKeys::kReflectedPathSuffix,
                               sequenceTermsReflectedPath());
            }
            break;
        case K::Prototype:
            if (includeAllText && !stringValue(setting).isEmpty()) {
                archive.insert(key, stringValue(setting));
            }
            break;
    }
}

QByteArray ZKRenamer::archiveData() const {
    const QVariantMap archive =
        archiveWithIrrelevantSettings(storesIrrelevantSettings(), true, true);
    if (archive.isEmpty()) return QByteArray();
    return PropertyList::toData(archive, PropertyList::Format::Binary);
}

bool ZKRenamer::isEqualToRenamer(const ZKRenamer &other, bool compareIrrelevantSettings,
                                 bool compareAllTextSettings,
                                 bool compareAllNumericSettings) const {
    // The archives are already filtered, so every key they hold is compared.
    return RenamerCollections::isEqualToRenamerArchive(
        archiveWithIrrelevantSettings(compareIrrelevantSettings, compareAllTextSettings,
                                      compareAllNumericSettings),
        other.archiveWithIrrelevantSettings(compareIrrelevantSettings, compareAllTextSettings,
                                            compareAllNumericSettings),
        true);
}

bool ZKRenamer::isEqual(const ZKRenamer *other) const {
    return other && isEqualToRenamer(*other, storesIrrelevantSettings(), true, true);
}
