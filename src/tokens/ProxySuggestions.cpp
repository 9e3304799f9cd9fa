#include "tokens/ProxySuggestions.h"

#include <QSet>

#include "tokens/ZKMetaDataType.h"

namespace ProxySuggestions {

namespace {

using Kind = ProxySuggestionItem::Kind;

ProxySuggestionItem separator() { return ProxySuggestionItem{Kind::Separator, {}, {}, {}}; }

ProxySuggestionItem disabledItem(const QString &key) {
    return ProxySuggestionItem{Kind::DisabledItem, ZKMetaDataType::localized(key), {}, {}};
}

ProxySuggestionItem typeItem(const ZKMetaDataType &type, const QString &title) {
    return ProxySuggestionItem{Kind::Type, title, type.type(), {}};
}

ProxySuggestionItem typeItem(const ZKMetaDataType &type) {
    return typeItem(type, ZKMetaDataType::localized(type.displayName()));
}

ProxySuggestionItem categorySubmenu(const MetaDataCatalogueEntry &category) {
    ProxySuggestionItem submenu{Kind::Submenu, ZKMetaDataType::localized(category.title), {}, {}};
    for (const ZKMetaDataType *type : category.types) {
        if (!type) {
            submenu.children.append(separator());
        } else if (type->isOffered()) {
            submenu.children.append(typeItem(*type));
        }
    }
    return submenu;
}

QList<ProxySuggestionItem> fullMenu() {
    QList<ProxySuggestionItem> items;
    for (const MetaDataCatalogueEntry &entry : ZKMetaDataType::availableMetaDataTypesByCategory()) {
        switch (entry.kind) {
            case MetaDataCatalogueEntry::Kind::Header:
                items.append(separator());
                items.append(disabledItem(entry.title));
                break;
            case MetaDataCatalogueEntry::Kind::Category:
                items.append(categorySubmenu(entry));
                break;
            case MetaDataCatalogueEntry::Kind::Type:
                if (entry.type->isOffered()) items.append(typeItem(*entry.type));
                break;
        }
    }
    return items;
}

// A notice (why nothing is filtered) above the full menu.
QList<ProxySuggestionItem> noticeAndFullMenu(const QString &notice) {
    return QList<ProxySuggestionItem>{disabledItem(notice), separator()} + fullMenu();
}

void appendIfMatching(const ZKMetaDataType *type, const QString &filter, QSet<QString> *added,
                      QList<ProxySuggestionItem> *items) {
    if (!type || !type->isOffered() || added->contains(type->type())) return;
    const QString title = type->localizedDisplayNameMatchingFilterString(filter);
    if (title.isNull()) return;
    added->insert(type->type());
    items->append(typeItem(*type, title));
}

QList<ProxySuggestionItem> filteredMenu(const QString &filter) {
    QList<ProxySuggestionItem> items;
    QSet<QString> added;
    for (const MetaDataCatalogueEntry &entry : ZKMetaDataType::availableMetaDataTypesByCategory()) {
        for (const ZKMetaDataType *type : entry.types) {
            appendIfMatching(type, filter, &added, &items);
        }
        appendIfMatching(entry.type, filter, &added, &items);
    }
    return items;
}

}  // namespace

QList<ProxySuggestionItem> suggestions(const std::optional<QString> &filter,
                                       qint64 searchLengthThreshold) {
    if (!filter) return noticeAndFullMenu(kNoMatches);
    if (filter->isEmpty()) return fullMenu();
    const QString trimmed = filter->trimmed();
    if (trimmed.size() < searchLengthThreshold) return noticeAndFullMenu(kKeepTyping);
    const QList<ProxySuggestionItem> matches = filteredMenu(trimmed);
    // The menu's first item is the filter field, so "fewer than two items" there means no
    // match at all: a single match is shown, not reported as none.
    if (matches.isEmpty()) return noticeAndFullMenu(kNoMatches);
    return matches;
}

}  // namespace ProxySuggestions
