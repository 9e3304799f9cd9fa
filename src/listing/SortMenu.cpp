#include "listing/SortMenu.h"

namespace SortMenu {

namespace {

const QString SortByHeader = QStringLiteral("Sort By");
const QString AscendingTitle = QStringLiteral("Ascending");
const QString DescendingTitle = QStringLiteral("Descending");
const QString SortByFormat = QStringLiteral("Sort by %1");
const QString SortByDescendingFormat = QStringLiteral("Sort by %1 (Descending)");
const QString SortByAscendingFormat = QStringLiteral("Sort by %1 (Ascending)");
const QString ListFormat = QStringLiteral("List %1");
const QString TitleFormat = QStringLiteral("%1 - %2");
const QString HelpFormat = QStringLiteral("%1\n%2");
const QString RecursiveText = QStringLiteral("Scan Folders Recursively");
const QString IgnoreContentsText = QStringLiteral("Ignore Folder Contents");

enum DirectionTag { AscendingTag = 0, DescendingTag = 1 };

SortMenuItem plainItem(SortMenuItem::Kind kind, const QString &title, int tag,
                       const QString &key = QString()) {
    SortMenuItem item;
    item.kind = kind;
    item.title = title;
    item.tag = tag;
    item.keyEquivalent = key;
    return item;
}

SortMenuItem separator() {
    SortMenuItem item = plainItem(SortMenuItem::Kind::Separator, QString(), 0);
    item.enabled = false;
    return item;
}

SortMenuItem directionItem(const QString &title, int tag, const QString &key, bool checked) {
    SortMenuItem item = plainItem(SortMenuItem::Kind::Direction, title, tag, key);
    item.representedObject = DirectionObject;
    item.checked = checked;
    return item;
}

// The sort text with an explicit direction, as the help text words it.
QString sortTextWithDirection(const ZKSortPriorities &priorities) {
    const int primary = priorities.primarySortOrder();
    if (!ZKSortPriorities::isComparingStrategy(primary)) return criterionTitle(primary);
    const QString &format =
        priorities.isPrimaryInverted() ? SortByDescendingFormat : SortByAscendingFormat;
    return format.arg(criterionTitle(primary));
}

}  // namespace

QString criterionTitle(int strategy) {
    switch (strategy) {
        case ZKSortPriorities::Name:
            return QStringLiteral("Name");
        case ZKSortPriorities::Path:
            return QStringLiteral("Path");
        case ZKSortPriorities::CreationDate:
            return QStringLiteral("Creation Date");
        case ZKSortPriorities::ModificationDate:
            return QStringLiteral("Modification Date");
        case ZKSortPriorities::Comment:
            return QStringLiteral("Comment");
        case ZKSortPriorities::Size:
            return QStringLiteral("Size");
        case ZKSortPriorities::FileType:
            return QStringLiteral("File Type");
        case ZKSortPriorities::Shuffle:
            return QStringLiteral("Shuffle");
        case ZKSortPriorities::DontSort:
            return QStringLiteral("Don't Sort");
        default:
            return QString();
    }
}

QList<SortMenuItem> items(const ZKSortPriorities &priorities) {
    const int primary = priorities.primarySortOrder();
    QList<SortMenuItem> menu;
    SortMenuItem header = plainItem(SortMenuItem::Kind::Header, SortByHeader, 0);
    header.enabled = false;
    menu.append(header);
    for (int strategy = ZKSortPriorities::Name; strategy <= ZKSortPriorities::FileType;
         ++strategy) {
        SortMenuItem item = plainItem(SortMenuItem::Kind::Criterion, criterionTitle(strategy),
                                      strategy, QString::number(strategy + 1));
        item.checked = strategy == primary;
        menu.append(item);
    }
    if (ZKSortPriorities::isComparingStrategy(primary)) {
        const bool descending = priorities.isPrimaryInverted();
        menu.append(separator());
        menu.append(directionItem(AscendingTitle, AscendingTag, QStringLiteral("<"), !descending));
        menu.append(directionItem(DescendingTitle, DescendingTag, QStringLiteral(">"), descending));
    }
    menu.append(separator());
    SortMenuItem shuffle =
        plainItem(SortMenuItem::Kind::Special, criterionTitle(ZKSortPriorities::Shuffle),
                  ZKSortPriorities::Shuffle);
    shuffle.checked = primary == ZKSortPriorities::Shuffle;
    menu.append(shuffle);
    SortMenuItem dontSort =
        plainItem(SortMenuItem::Kind::Special, criterionTitle(ZKSortPriorities::DontSort),
                  ZKSortPriorities::DontSort);
    dontSort.checked = primary == ZKSortPriorities::DontSort;
    dontSort.isAlternate = true;
    menu.append(dontSort);
    return menu;
}

bool apply(const SortMenuItem &item, ZKSortPriorities &priorities) {
    if (item.kind == SortMenuItem::Kind::Header || item.kind == SortMenuItem::Kind::Separator)
        return false;
    if (item.representedObject == DirectionObject) {
        priorities.setPrimaryInverted(item.tag == DescendingTag);
        return false;
    }
    return priorities.setPrimarySortOrder(item.tag);
}

QString sortText(const ZKSortPriorities &priorities) {
    const int primary = priorities.primarySortOrder();
    if (!ZKSortPriorities::isComparingStrategy(primary)) return criterionTitle(primary);
    const QString &format = priorities.isPrimaryInverted() ? SortByDescendingFormat : SortByFormat;
    return format.arg(criterionTitle(primary));
}

QString listText(bool listFiles, bool listFolders) {
    QString listed = QStringLiteral("Files and Folders");
    if (listFiles && !listFolders) listed = QStringLiteral("Files");
    if (listFolders && !listFiles) listed = QStringLiteral("Folders");
    return ListFormat.arg(listed);
}

QString popUpTitle(const ZKSortPriorities &priorities, bool listFiles, bool listFolders) {
    return TitleFormat.arg(listText(listFiles, listFolders), sortText(priorities));
}

QString popUpHelp(const ZKSortPriorities &priorities, bool listFiles, bool listFolders,
                  bool scanFolderContents) {
    const QString depth = scanFolderContents ? RecursiveText : IgnoreContentsText;
    return HelpFormat.arg(HelpFormat.arg(listText(listFiles, listFolders), depth),
                          sortTextWithDirection(priorities));
}

}  // namespace SortMenu
