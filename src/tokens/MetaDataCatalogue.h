#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <span>

#include "tokens/OrderedStringIndex.h"
#include "tokens/ZKMetaDataType.h"

// The token types as a platform of one framework version offers them: the ordered catalogue
// of categories, headers and direct types, and the two indexes that registering the types
// fills. Immutable once constructed, so the shared instance may be read from any thread.
class MetaDataCatalogue {
public:
    // One row of a category table; a row without identifier separates two groups.
    struct Row {
        const char *displayName = nullptr;
        const char *identifier = nullptr;
        double threshold = 0;
        // The name shown on platforms without file tags, when it differs.
        const char *displayNameWithoutFileTags = nullptr;
    };

    // The process's catalogue for the running framework version, built on first use.
    static const MetaDataCatalogue &shared();

    explicit MetaDataCatalogue(double frameworkVersion);
    MetaDataCatalogue(const MetaDataCatalogue &) = delete;
    MetaDataCatalogue &operator=(const MetaDataCatalogue &) = delete;

    const QList<MetaDataCatalogueEntry> &entries() const { return entries_; }
    // Identifier → display name; lower-cased display name → identifier.
    const OrderedStringIndex &displayNamesByType() const { return displayNamesByType_; }
    const OrderedStringIndex &typesByLowercaseDisplayName() const {
        return typesByLowercaseDisplayName_;
    }

private:
    void addCategory(const QString &title, std::span<const Row> rows);
    void addHeader(const QString &title);
    void addType(const Row &row);
    // Makes a type and records it in both indexes; the pointer stays valid for the
    // catalogue's life.
    const ZKMetaDataType *metaDataType(const Row &row);
    QString displayNameOfRow(const Row &row) const;

    double frameworkVersion_;
    std::deque<ZKMetaDataType> types_;
    QList<MetaDataCatalogueEntry> entries_;
    OrderedStringIndex displayNamesByType_;
    OrderedStringIndex typesByLowercaseDisplayName_;
};
