#include "listing/SortMenu.h"

#include "common/Translations.h"

namespace SortMenu {

TORVANE_NAMESPACE_TR(SortMenu)

namespace {

QString SortByHeader() { return SortMenu::tr("Sort By"); }
QString AscendingTitle() { return SortMenu::tr("Ascending"); }
QString DescendingTitle() { return SortMenu::tr("Descending"); }
QString SortByFormat() { return SortMenu::tr("Sort by %1"); }
QString SortByDescendingFormat() { return SortMenu::tr("Sort by %1 (Descending)"); }
QString SortByAscendingFormat() { return SortMenu::tr("Sort by %1 (Ascending)"); }
QString ListFormat() { return SortMenu::tr("List %1"); }
const QString TitleFormat = QStringLiteral("%1 - %2");
const QString HelpFormat = QStringLiteral("%1\n%2");
QString RecursiveText() { return SortMenu::tr("Scan Folders Recursively"); }
QString IgnoreContentsText() { return SortMenu::tr("Ignore Folder Contents"); }

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
        priorities.isPrimaryInverted() ? SortByDescendingFormat() : SortByAscendingFormat();
    return format.arg(criterionTitle(primary));
}

}  // namespace

QString criterionTitle(int strategy) {
    switch (strategy) {
        case ZKSortPriorities::Name:
            return tr("Name");
        case ZKSortPriorities::Path:
            return tr("Path");
        case ZKSortPriorities::CreationDate:
            return tr("Creation Date");
        case ZKSortPriorities::ModificationDate:
            return tr("Modification Date");
        case ZKSortPriorities::Comment:
            return tr("Comment");
        case ZKSortPriorities::Size:
            return tr("Size");
        case ZKSortPriorities::FileType:
            return tr("File Type");
        case ZKSortPriorities::Shuffle:
            return tr("Shuffle");
        case ZKSortPriorities::DontSort:
            return tr("Don't Sort");
        default:
            return QString();
    }
}

QList<SortMenuItem> items(const ZKSortPriorities &priorities) {
    const int primary = priorities.primarySortOrder();
    QList<SortMenuItem> menu;
    SortMenuItem header = plainItem(SortMenuItem::Kind::Header, SortByHeader(), 0);
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
        menu.append(
            directionItem(AscendingTitle(), AscendingTag, QStringLiteral("<"), !descending));
        menu.append(
            directionItem(DescendingTitle(), DescendingTag, QStringLiteral(">"), descending));
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
    const QString &format =
        priorities.isPrimaryInverted() ? SortByDescendingFormat() : SortByFormat();
    return format.arg(criterionTitle(primary));
}

QString listText(bool listFiles, bool listFolders) {
    QString listed = tr("Files and Folders");
    if (listFiles && !listFolders) listed = tr("Files");
    if (listFolders && !listFiles) listed = tr("Folders");
    return ListFormat().arg(listed);
}

QString popUpTitle(const ZKSortPriorities &priorities, bool listFiles, bool listFolders) {
    return TitleFormat.arg(listText(listFiles, listFolders), sortText(priorities));
}

QString popUpHelp(const ZKSortPriorities &priorities, bool listFiles, bool listFolders,
                  bool scanFolderContents) {
    const QString depth = scanFolderContents ? RecursiveText() : IgnoreContentsText();
    return HelpFormat.arg(HelpFormat.arg(listText(listFiles, listFolders), depth),
                          sortTextWithDirection(priorities));
}

}  // namespace SortMenu
