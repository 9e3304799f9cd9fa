#include "tokens/ZKMetaDataType.h"

#include <QCoreApplication>
#include <QSet>
#include <cmath>
#include <utility>

#include "common/TextCase.h"
#include "tokens/MetaDataCatalogue.h"
#include "tokens/ProxySettings.h"

namespace {

namespace Id = MetaDataTypeIdentifier;

bool contains(const QSet<QString> &set, const QString &type) {
    return !type.isNull() && set.contains(type);
}

// Words that a user may type for another: "time" finds every date.
const QList<std::pair<QString, QString>> &synonyms() {
    static const QList<std::pair<QString, QString>> table{
        {QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Date")),
         QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Time"))}};
    return table;
}

bool synonymousTextContains(const QString &text, const QString &filter, bool localizeSynonyms) {
    for (const auto &[key, value] : synonyms()) {
        QString replaced = text;
        if (localizeSynonyms) {
            replaced.replace(ZKMetaDataType::localized(key), ZKMetaDataType::localized(value),
                             Qt::CaseInsensitive);
        } else {
            replaced.replace(key, value, Qt::CaseInsensitive);
        }
        if (replaced != text && replaced.contains(filter, Qt::CaseInsensitive)) return true;
    }
    return false;
}

}  // namespace

ZKMetaDataType::ZKMetaDataType(QString type, QString displayName, double threshold)
    : type_(std::move(type)), displayName_(std::move(displayName)), threshold_(threshold) {
    if (displayName_.isNull()) displayName_ = type_;
}

bool ZKMetaDataType::isOffered() const {
    return isOfferedOnFrameworkVersion(kRunningFrameworkVersion);
}

bool ZKMetaDataType::isOfferedOnFrameworkVersion(double frameworkVersion) const {
    return std::floor(frameworkVersion) > threshold_;
}

const QList<MetaDataCatalogueEntry> &ZKMetaDataType::availableMetaDataTypesByCategory() {
    return MetaDataCatalogue::shared().entries();
}

QString ZKMetaDataType::displayNameForType(const QString &type, const QVariantMap &settings) {
    if (type.isNull()) return {};
    if (settings.value(ProxySettings::kAncestorLevelKey).toLongLong() > 1) {
        if (type == Id::kParentFolderName) {
            return localized(
                QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Name of Ancestor Folder")));
        }
        if (type == Id::kParentFolderNumberOfFiles) {
            return localized(QStringLiteral(
                QT_TRANSLATE_NOOP("ZKMetaDataType", "Number of Items in Ancestor Folder")));
        }
    }
    return MetaDataCatalogue::shared().displayNamesByType().value(type);
}

QString ZKMetaDataType::typeForLowercaseDisplayName(const QString &lowercaseDisplayName) {
    if (lowercaseDisplayName.isNull()) return {};
    return MetaDataCatalogue::shared().typesByLowercaseDisplayName().value(lowercaseDisplayName);
}

QStringList ZKMetaDataType::displayNamesWithPrefix(const QString &query, bool lowercase) {
    QString prefix = TextCase::lower(query.trimmed());
    const bool bracketed = prefix.startsWith(u'<');
    if (bracketed) {
        prefix.remove(0, 1);
        if (prefix.endsWith(u'>')) prefix.chop(1);
    }
    if (prefix.isEmpty()) return {};

    const MetaDataCatalogue &catalogue = MetaDataCatalogue::shared();
    QStringList names;
    if (lowercase) {
        for (const auto &entry : catalogue.typesByLowercaseDisplayName().entries()) {
            if (entry.first.startsWith(prefix)) names.append(entry.first);
        }
    } else {
        for (const auto &entry : catalogue.displayNamesByType().entries()) {
            if (TextCase::lower(entry.second).startsWith(prefix)) names.append(entry.second);
        }
    }
    if (bracketed) {
        for (QString &name : names) name = u'<' + name + u'>';
    }
    return names;
}

QString ZKMetaDataType::localizedDisplayNameMatchingFilterString(
    const std::optional<QString> &filter) const {
    const QString &name = displayName_;
    const QString localizedName = localized(name);
    const bool same = localizedName == name;
    if (!filter) return localizedName;
    if (name.contains(*filter, Qt::CaseInsensitive)) return localizedName;
    if (!same && localizedName.contains(*filter, Qt::CaseInsensitive)) return localizedName;
    if (synonymousTextContains(name, *filter, false)) return localizedName;
    if (!same && synonymousTextContains(localizedName, *filter, true)) return localizedName;
    return {};
}

bool ZKMetaDataType::canCustomizeIntegerDigitsForType(const QString &type) {
    static const QSet<QString> types{Id::kParentFolderNumberOfFiles,
                                     QStringLiteral("kMDItemAudioTrackNumber"),
                                     QStringLiteral("kMDItemFSNodeCount"),
                                     QStringLiteral("kMDItemPixelWidth"),
                                     QStringLiteral("kMDItemPixelHeight"),
                                     QStringLiteral("kMDItemPixelCount"),
                                     QStringLiteral("kMDItemResolutionWidthDPI"),
                                     QStringLiteral("kMDItemResolutionHeightDPI"),
                                     Id::kFileListNumberOfFiles};
    return contains(types, type);
}

bool ZKMetaDataType::canCustomizeNumberOfCharactersForType(const QString &type) {
    return !type.isNull() && type == Id::kRandomCharacters;
}

bool ZKMetaDataType::canCustomizeCharacterSetForType(const QString &type) {
    return !type.isNull() && type == Id::kRandomCharacters;
}

bool ZKMetaDataType::canCustomizeDateFormatForType(const QString &type) {
    static const QSet<QString> types{Id::kCurrentDate,
                                     QStringLiteral("kMDItemFSCreationDate"),
                                     QStringLiteral("kMDItemFSContentChangeDate"),
                                     QStringLiteral("kMDItemContentCreationDate"),
                                     QStringLiteral("kMDItemContentModificationDate"),
                                     QStringLiteral("kMDItemAttributeChangeDate"),
                                     QStringLiteral("kMDItemLastUsedDate"),
                                     QStringLiteral("kMDItemRecordingDate"),
                                     QStringLiteral("kMDItemDueDate")};
    return contains(types, type);
}

bool ZKMetaDataType::canCustomizeFileSizeFormatForType(const QString &type) {
    return !type.isNull() && type == QStringLiteral("kMDItemFSSize");
}

bool ZKMetaDataType::canCustomizeBitRateFormatForType(const QString &type) {
    static const QSet<QString> types{QStringLiteral("kMDItemAudioBitRate"),
                                     QStringLiteral("kMDItemVideoBitRate"),
                                     QStringLiteral("kMDItemTotalBitRate")};
    return contains(types, type);
}

bool ZKMetaDataType::canCustomizeDurationFormatForType(const QString &type) {
    return !type.isNull() && type == QStringLiteral("kMDItemDurationSeconds");
}

bool ZKMetaDataType::canCustomizeAncestorForType(const QString &type) {
    return !type.isNull() &&
           (type == Id::kParentFolderName || type == Id::kParentFolderNumberOfFiles);
}

bool ZKMetaDataType::canCustomizeSettingsForType(const QString &type) {
    return canCustomizeIntegerDigitsForType(type) || canCustomizeNumberOfCharactersForType(type) ||
           canCustomizeCharacterSetForType(type) || canCustomizeDateFormatForType(type) ||
           canCustomizeFileSizeFormatForType(type) || canCustomizeBitRateFormatForType(type) ||
           canCustomizeDurationFormatForType(type) || canCustomizeAncestorForType(type);
}

QString ZKMetaDataType::localized(const QString &key) {
    // Qt's translators hold the tables; with none installed the English key is shown.
    return QCoreApplication::translate("ZKMetaDataType", key.toUtf8().constData());
}
