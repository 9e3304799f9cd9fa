#include "tokens/ZKProxyManager.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <QFile>

#include "common/NativePath.h"
#include "common/PathExtension.h"
#include "common/Unicode.h"
#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"
#include "platform/HiddenItems.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"
#include "tokens/DateDescription.h"
#include "tokens/FileMetaDataStore.h"
#include "tokens/MetaDataAdditionFormat.h"
#include "tokens/ProxySettings.h"
#include "tokens/RandomString.h"
#include "tokens/TokenList.h"
#include "tokens/ZKFileItem.h"
#include "tokens/ZKMetaDataType.h"
#include "tokens/ZKProxyResolutionHelper.h"

namespace ID = MetaDataTypeIdentifier;

namespace {

const QString kNodeCountKey = QStringLiteral("kMDItemFSNodeCount");
const QString kSizeKey = QStringLiteral("kMDItemFSSize");
const QString kCreationDateKey = QStringLiteral("kMDItemFSCreationDate");
const QString kModificationDateKey = QStringLiteral("kMDItemFSContentChangeDate");
const QString kOutOfScopeWarning = QStringLiteral("Ancestor out of read access scope: %1");
const QString kNoTagsWarning = QStringLiteral("No tags set");
const QString kNoValueWarning = QStringLiteral("No value for attribute \"%1\"");
const QString kNoValue = QStringLiteral("-");

// The exact path of the item as text that encodes back to the same bytes.
QString diskPath(const ZKFileItem &file) { return QFile::decodeName(file.nativePath()); }

// The path without its last `levels` components; "/" stays "/".
QByteArray ancestorPath(QByteArray path, qint64 levels) {
    for (qint64 i = 0; i < levels; ++i) {
        path = NativePath::withoutTrailingSlashes(path);
        const qsizetype slash = path.lastIndexOf('/');
        if (slash < 0) return {};
        path.truncate(slash == 0 ? 1 : slash);
    }
    return path;
}

qint64 ancestorLevel(const QVariantMap &settings) {
    return qMax<qint64>(1, settings.value(ProxySettings::kAncestorLevelKey).toLongLong());
}

// The folder a parent-folder token looks at; empty when the file has no path.
QByteArray ancestorFolder(const ZKFileItem &file, const QVariantMap &settings) {
    const QByteArray path = file.nativePath();
    if (path.isEmpty()) return {};
    return ancestorPath(path, ancestorLevel(settings));
}

QStringList tagsOfValue(const QByteArray &value) {
    QStringList tags;
    for (const QString &tag : QString::fromUtf8(value).split(QLatin1Char(','))) {
        if (!tag.trimmed().isEmpty()) tags.append(tag.trimmed());
    }
    return tags;
}

}  // namespace

ZKProxyManager &ZKProxyManager::proxyManager() {
    static ZKProxyManager manager;
    return manager;
}

ZKProxyManager::ZKProxyManager() : store_(std::make_unique<FileMetaDataStore>()) {}

void ZKProxyManager::setMetaDataStore(std::unique_ptr<MetaDataStore> store) {
    store_ = store ? std::move(store) : std::make_unique<FileMetaDataStore>();
    clearMetaDataItemsCache();
}

void ZKProxyManager::clearMetaDataItemsCache() {
    metaDataItemsByPath_.clear();
    numbersOfChildrenByPath_.clear();
}

QString ZKProxyManager::resolveWrappedProxies(const QVariantList &list, ZKFileItem *file) {
    // Plain text alone, as most steps hold, is asked for once per listed item.
    if (list.size() == 1 && list.front().typeId() == QMetaType::QString)
        return list.front().toString();
    QString text;
    for (const QVariant &element : list) {
        if (!TokenList::isWrappedProxy(element)) {
            text += element.toString();
            continue;
        }
        const std::optional<QString> value =
            nilOrResolveProxy(TokenList::proxyValue(element), element.toMap(), file);
        if (value) text += *value;
    }
    return text;
}

QString ZKProxyManager::resolveProxy(const QString &type, ZKFileItem *file) {
    return nilOrResolveProxy(type, {}, file).value_or(QString(""));
}

std::optional<QString> ZKProxyManager::resolveProxyDisplayName(const QString &displayName,
                                                               ZKFileItem *file) {
    const QString type = ZKMetaDataType::typeForLowercaseDisplayName(displayName.toLower());
    if (type.isNull()) return std::nullopt;
    return resolveProxy(type, file);
}

std::optional<QString> ZKProxyManager::nilOrResolveProxy(const QString &type,
                                                         const QVariantMap &settings,
                                                         ZKFileItem *file) {
    if (type.isNull()) return std::nullopt;
    bool handled = false;
    std::optional<QString> value = resolveFileIndependentProxy(type, settings, file, &handled);
    if (handled) return value;
    if (!file) return std::nullopt;
    if (type.startsWith(ID::kIntermediatePrefix) || type.startsWith(ID::kPreRenamePrefix))
        return resolveNamePart(type, file);
    if (type == ID::kParentFolderName) return resolveParentFolderName(settings, file);
    if (type == ID::kParentFolderNumberOfFiles)
        return resolveParentFolderNumberOfFiles(settings, file);
    if (type == ID::kTags) return resolveTags(file);
    if (type.startsWith(ID::kMetaDataAttributePrefix)) {
        if (file->nativePath().isEmpty()) return std::nullopt;
        return nilOrResolveMDItemProxy(type, settings, diskPath(*file), false, file);
    }
    return std::nullopt;
}

std::optional<QString> ZKProxyManager::resolveFileIndependentProxy(const QString &type,
                                                                   const QVariantMap &settings,
                                                                   ZKFileItem *file,
                                                                   bool *handled) {
    *handled = true;
    if (type == ID::kFileListNumberOfFiles) {
        const quint64 count = helper_ ? quint64(helper_->numberOfFileRepresentations()) : 0;
        return nilOrFormatAttributes({count}, type, settings, file, nullptr);
    }
    if (type == ID::kCurrentDate) {
        return DateDescription::descriptionWithSettings(
            DateDescription::resetCanonicalCurrentDate(false), settings);
    }
    if (type == ID::kRandomCharacters) {
        return RandomString::randomStringOfLength(
            qMax<qint64>(1, settings.value(ProxySettings::kNumberOfCharactersKey).toLongLong()),
            !settings.value(ProxySettings::kExcludeUppercaseKey).toBool(),
            !settings.value(ProxySettings::kExcludeLowercaseKey).toBool(),
            !settings.value(ProxySettings::kExcludeDigitsKey).toBool());
    }
    if (type == ID::kCommonPrefix) return helper_ ? helper_->commonPrefix() : QString();
    *handled = false;
    return std::nullopt;
}

std::optional<QString> ZKProxyManager::resolveNamePart(const QString &type,
                                                       ZKFileItem *file) const {
    const bool intermediate = type.startsWith(ID::kIntermediatePrefix);
    const QString name = intermediate ? file->intermediateName() : file->name();
    const QString ending =
        type.mid((intermediate ? ID::kIntermediatePrefix : ID::kPreRenamePrefix).size()).trimmed();
    QString extension;
    const QString base =
        PathExtension::stringByDeletingAlphaNumericPathExtension(name, file->name(), &extension);
    if (ending == QLatin1String("name")) return base;
    if (ending == QLatin1String("extension")) {
        if (extension.isEmpty()) return std::nullopt;
        return extension;
    }
    if (ending == QLatin1String(".extension")) {
        if (extension.isEmpty()) return std::nullopt;
        return QLatin1Char('.') + extension;
    }
    if (ending == QLatin1String("name.extension")) return name;
    return std::nullopt;
}

std::optional<QString> ZKProxyManager::resolveParentFolderName(const QVariantMap &settings,
                                                               ZKFileItem *file) const {
    const QByteArray folder = ancestorFolder(*file, settings);
    if (folder.isEmpty()) return std::nullopt;
    if (folder == "/") return QStringLiteral("/");
    return Unicode::nfc(PathExtension::lastPathComponent(QFile::decodeName(folder)));
}

std::optional<QString> ZKProxyManager::resolveParentFolderNumberOfFiles(const QVariantMap &settings,
                                                                        ZKFileItem *file) {
    const QByteArray folder = ancestorFolder(*file, settings);
    if (folder.isEmpty()) return std::nullopt;
    // Listing the folder needs read and search permission, and in a sandbox a grant (never
    // asked for here: tokens are resolved for every name).
    ZKSecurityScopedBookmarkManager &bookmarks = ZKSecurityScopedBookmarkManager::bookmarkManager();
    QString accessedBookmark;
    if (::access(folder.constData(), R_OK | X_OK) != 0 ||
        !bookmarks.confirmReadAccessForPath(QFile::decodeName(folder), nullptr,
                                            &accessedBookmark)) {
        file->addWarning(kOutOfScopeWarning.arg(QFile::decodeName(folder)));
        return kNoValue;
    }
    std::optional<QString> count =
        nilOrResolveMDItemProxy(kNodeCountKey, settings, QFile::decodeName(folder), true, file);
    if (!accessedBookmark.isEmpty()) bookmarks.stopAccessingBookmarkForPath(accessedBookmark);
    return count;
}

std::optional<QString> ZKProxyManager::resolveTags(ZKFileItem *file) const {
    QByteArray value;
    QString error;
    ExtendedAttributes::read(file->nativePath(), ExtendedAttributes::tagsAttribute, &value, &error);
    const QStringList tags = tagsOfValue(value);
    if (tags.isEmpty()) {
        file->addWarning(kNoTagsWarning);
        file->addWarning(error);
        return std::nullopt;
    }
    QString result = tags.first();
    for (qsizetype i = 1; i < tags.size(); ++i)
        result = MetaDataAdditionFormat::join(result, tags.at(i));
    return result;
}

std::optional<QString> ZKProxyManager::nilOrResolveMDItemProxy(const QString &type,
                                                               const QVariantMap &settings,
                                                               const QString &path,
                                                               bool toParentFolder,
                                                               ZKFileItem *file) {
    bool found = false;
    const std::optional<QString> value =
        fileSystemValue(type, settings, path, toParentFolder, file, &found);
    if (found) return value;

    const MetaDataItemPtr item = metaDataItemForPath(path);
    if (!item) return std::nullopt;
    const QVariant attribute = item->copyAttribute(type);
    if (!attribute.isValid()) {
        if (file) {
            const QString name = ZKMetaDataType::displayNameForType(type);
            file->addWarning(kNoValueWarning.arg(name.isNull() ? type : name));
        }
        return std::nullopt;
    }
    const QVariantList values = attribute.typeId() == QMetaType::QVariantList
                                    ? attribute.toList()
                                    : QVariantList{attribute};
    return nilOrFormatAttributes(values, type, settings, file, item.get());
}

std::optional<QString> ZKProxyManager::fileSystemValue(const QString &type,
                                                       const QVariantMap &settings,
                                                       const QString &path, bool toParentFolder,
                                                       ZKFileItem *file, bool *found) {
    *found = true;
    if (type == kSizeKey && file) {
        return nilOrFormatAttributes({quint64(qMax<qint64>(0, file->size()))}, type, settings, file,
                                     nullptr);
    }
    if (type == kNodeCountKey) {
        if (!toParentFolder && file && !file->isFolder()) return kNoValue;
        if (helper_ && (helper_->ignoreInvisibleFiles() || helper_->ignoreAliases())) {
            return nilOrFormatAttributes({numberOfChildrenAtPath(path, toParentFolder)}, type,
                                         settings, file, nullptr);
        }
    }
    if ((type == kCreationDateKey || type == kModificationDateKey) && file) {
        const QDateTime date =
            type == kCreationDateKey ? file->creationDate() : file->modificationDate();
        if (date.isValid() && date != FileAttributes::distantPast())
            return nilOrFormatAttributes({date}, type, settings, file, nullptr);
    }
    *found = false;
    return std::nullopt;
}

quint64 ZKProxyManager::numberOfChildrenAtPath(const QString &path, bool followLink) {
    const auto cached = numbersOfChildrenByPath_.constFind(path);
    if (cached != numbersOfChildrenByPath_.constEnd()) return *cached;

    quint64 count = 0;
    const QByteArray folder = QFile::encodeName(path);
    const int descriptor = ::open(
        folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    DIR *directory = descriptor < 0 ? nullptr : ::fdopendir(descriptor);
    if (!directory && descriptor >= 0) ::close(descriptor);
    if (directory) {
        const bool ignoreInvisible = helper_->ignoreInvisibleFiles();
        const bool ignoreAliases = helper_->ignoreAliases();
        HiddenItems hiddenItems;
        while (const dirent *entry = ::readdir(directory)) {
            const QByteArray name(entry->d_name);
            if (name.isEmpty() || name == "." || name == "..") continue;
            const QByteArray child = folder.endsWith('/') ? folder + name : folder + '/' + name;
            if (!helper_->ignoreFileAtPath(child, ignoreInvisible, ignoreAliases, &hiddenItems))
                ++count;
        }
        ::closedir(directory);
    }
    numbersOfChildrenByPath_.insert(path, count);
    return count;
}

MetaDataItemPtr ZKProxyManager::metaDataItemForPath(const QString &path) {
    const auto cached = metaDataItemsByPath_.constFind(path);
    if (cached != metaDataItemsByPath_.constEnd()) return *cached;
    MetaDataItemPtr item = store_->createItem(path);
    metaDataItemsByPath_.insert(path, item);
    return item;
}
