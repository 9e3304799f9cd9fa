#pragma once

#include <QHash>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <memory>
#include <optional>

#include "tokens/MetaDataItem.h"

class ZKFileItem;
class ZKProxyResolutionHelper;

// Resolves tokens to text for a file: the built-in types from the file's names, its ancestor
// folders, the list and the clock, and metadata attributes through the metadata store. Runs
// on the main thread inside the name computation; its caches are not locked.
class ZKProxyManager {
public:
    static ZKProxyManager &proxyManager();

    // The controller that answers the listing rules, the list size and the common prefix;
    // without one those answers are empty. Not owned; set null before it goes.
    void setHelper(ZKProxyResolutionHelper *helper) { helper_ = helper; }
    ZKProxyResolutionHelper *helper() const { return helper_; }
    // Replaces the metadata store (tests); null restores the file-system store. Drops caches.
    void setMetaDataStore(std::unique_ptr<MetaDataStore> store);

    // The text of one token, or none when it has no value. A null identifier gives none.
    std::optional<QString> nilOrResolveProxy(const QString &type, const QVariantMap &settings,
                                             ZKFileItem *file);
    // The same without settings, "" instead of none.
    QString resolveProxy(const QString &type, ZKFileItem *file);
    // For the Advanced language's variables: the type of the lower-cased display name, none
    // when there is no such type.
    std::optional<QString> resolveProxyDisplayName(const QString &displayName, ZKFileItem *file);
    // The text of a token list: strings as they are, tokens resolved, empty pieces left out.
    QString resolveWrappedProxies(const QVariantList &list, ZKFileItem *file);

    // Metadata attributes of the item at the path (the file's own path, or a folder's for
    // the parent-folder count).
    std::optional<QString> nilOrResolveMDItemProxy(const QString &type, const QVariantMap &settings,
                                                   const QString &path, bool toParentFolder,
                                                   ZKFileItem *file);
    // Formats attribute values: dates by the date settings, numbers by the size, bit-rate,
    // duration and digit settings, anything else by its text; several values are joined with
    // the "Metadata Addition Format" (default "%@ + %@"). None for an empty list.
    static std::optional<QString> nilOrFormatAttributes(const QVariantList &values,
                                                        const QString &type,
                                                        const QVariantMap &settings,
                                                        ZKFileItem *file, const MetaDataItem *item);

    // Drops the metadata items and the counted folders: called when the list is filled anew
    // and after every rename run.
    void clearMetaDataItemsCache();

private:
    ZKProxyManager();
    // The types that need no file: list size, current date, random characters, common prefix.
    std::optional<QString> resolveFileIndependentProxy(const QString &type,
                                                       const QVariantMap &settings,
                                                       ZKFileItem *file, bool *handled);
    std::optional<QString> resolveNamePart(const QString &type, ZKFileItem *file) const;
    std::optional<QString> resolveParentFolderName(const QVariantMap &settings,
                                                   ZKFileItem *file) const;
    std::optional<QString> resolveParentFolderNumberOfFiles(const QVariantMap &settings,
                                                            ZKFileItem *file);
    std::optional<QString> resolveTags(ZKFileItem *file) const;
    std::optional<QString> fileSystemValue(const QString &type, const QVariantMap &settings,
                                           const QString &path, bool toParentFolder,
                                           ZKFileItem *file, bool *found);
    // A listed item that is a symbolic link is never counted through; the folder an item was
    // listed in may be reached through the link the user named.
    quint64 numberOfChildrenAtPath(const QString &path, bool followLink);
    MetaDataItemPtr metaDataItemForPath(const QString &path);

    ZKProxyResolutionHelper *helper_ = nullptr;
    std::unique_ptr<MetaDataStore> store_;
    // A null item records that none could be made for the path.
    QHash<QString, MetaDataItemPtr> metaDataItemsByPath_;
    QHash<QString, quint64> numbersOfChildrenByPath_;
};
