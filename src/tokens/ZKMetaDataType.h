#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

class ZKMetaDataType;

// One element of the catalogue: a category (title and its types, where a null pointer is a
// separator between groups), a header string, or a type given directly.
struct MetaDataCatalogueEntry {
    enum class Kind { Category, Header, Type };
    Kind kind = Kind::Type;
    QString title;                         // Category name or header text (English keys)
    QList<const ZKMetaDataType *> types;   // Category only; nullptr = separator
    const ZKMetaDataType *type = nullptr;  // Type only
};

// A kind of token: its identifier, its English display name (also the localisation key) and
// the platform version that must be exceeded for it to be offered. The catalogue is built on
// first use, once per process, and never changes; every lookup builds it first.
class ZKMetaDataType {
public:
    // Platform framework versions. The last one without file tags is the "tags" threshold;
    // Linux keeps tags and comments in extended attributes, so it stands for the newest
    // platform and everything is offered.
    static constexpr double kFileTagsFrameworkVersion = 1187;
    static constexpr double kRunningFrameworkVersion = 2000;

    // A null display name stands for the identifier itself.
    ZKMetaDataType(QString type, QString displayName, double threshold);

    QString type() const { return type_; }
    QString displayName() const { return displayName_; }
    double threshold() const { return threshold_; }
    // floor(running framework version) > threshold; Linux takes the newest platform's branch,
    // so every type is offered.
    bool isOffered() const;
    bool isOfferedOnFrameworkVersion(double frameworkVersion) const;

    // The ordered catalogue: "Name", header "Metadata", the categories "File", "Image",
    // "Audio", "Video", "Location", "Other", header "Miscellany", then three types.
    static const QList<MetaDataCatalogueEntry> &availableMetaDataTypesByCategory();

    // Null for a null identifier or one outside the catalogue. With "Ancestor Level" above 1
    // the two parent-folder types answer the localised ancestor names.
    static QString displayNameForType(const QString &type, const QVariantMap &settings = {});
    // The identifier for an (already lower-cased) English display name; null when none.
    static QString typeForLowercaseDisplayName(const QString &lowercaseDisplayName);
    // Completion of display names (see the Advanced code editor): query trimmed and
    // lower-cased, a leading "<" (and one trailing ">") wraps the results in "<...>".
    static QStringList displayNamesWithPrefix(const QString &query, bool lowercase);
    // The localised display name when the type matches the filter (null filter: always),
    // including the synonym pass ("Date" read as "Time"); null otherwise.
    QString localizedDisplayNameMatchingFilterString(const std::optional<QString> &filter) const;

    // Which settings a token of the type can customise. A null identifier answers false.
    static bool canCustomizeIntegerDigitsForType(const QString &type);
    static bool canCustomizeNumberOfCharactersForType(const QString &type);
    static bool canCustomizeCharacterSetForType(const QString &type);
    static bool canCustomizeDateFormatForType(const QString &type);
    static bool canCustomizeFileSizeFormatForType(const QString &type);
    static bool canCustomizeBitRateFormatForType(const QString &type);
    static bool canCustomizeDurationFormatForType(const QString &type);
    static bool canCustomizeAncestorForType(const QString &type);
    static bool canCustomizeSettingsForType(const QString &type);

    // The localised form of an English key (display name, category, header); the key itself
    // while no translation exists.
    static QString localized(const QString &key);

private:
    QString type_;
    QString displayName_;
    double threshold_ = 0;
};

// Identifiers of the built-in types (the metadata attribute keys are their own names).
namespace MetaDataTypeIdentifier {
inline const QString kIntermediatePrefix = QStringLiteral("name: intermediate:");
inline const QString kPreRenamePrefix = QStringLiteral("name: pre-rename:");
inline const QString kCommonPrefix = QStringLiteral("common prefix: pre-rename");
inline const QString kParentFolderName = QStringLiteral("parent folder: name");
inline const QString kParentFolderNumberOfFiles = QStringLiteral("parent folder: number of files");
inline const QString kTags = QStringLiteral("tags");
inline const QString kFileListNumberOfFiles = QStringLiteral("file list: number of files");
inline const QString kCurrentDate = QStringLiteral("current date");
inline const QString kRandomCharacters = QStringLiteral("random characters");
inline const QString kMetaDataAttributePrefix = QStringLiteral("kMDItem");
inline const QString kFinderComment = QStringLiteral("kMDItemFinderComment");
}  // namespace MetaDataTypeIdentifier
