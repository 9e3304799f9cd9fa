#include "listing/CellDetailText.h"

#include <QLocale>

#include "common/PathExtension.h"
#include "common/Translations.h"
#include "common/UserDefaults.h"
#include "listing/ZKSortPriorities.h"
#include "platform/FileAttributes.h"
#include "records/ZKFileRepresentation.h"
#include "tokens/NumberFormatting.h"

namespace CellDetailText {

TORVANE_NAMESPACE_TR(CellDetailText)

namespace {

QString CreatedFormat() { return CellDetailText::tr("Created: %1"); }
QString ModifiedFormat() { return CellDetailText::tr("Modified: %1"); }
QString CommentFormat() { return CellDetailText::tr("Comment: %1"); }
QString SizeFormat() { return CellDetailText::tr("Size: %1"); }
QString SizeWithBytesFormat() { return CellDetailText::tr("%1 (%2 Bytes)"); }
QString FolderTypeFormat() { return CellDetailText::tr("Extension: %1 | Type: %2"); }
QString FileTypeFormat() { return CellDetailText::tr("Extension: %1 | Type: %2 | Creator: %3"); }
QString UnknownText() { return CellDetailText::tr("(Unknown)"); }
QString NoneText() { return CellDetailText::tr("(None)"); }
QString PackageText() { return CellDetailText::tr("(Package)"); }
QString FolderText() { return CellDetailText::tr("(Folder)"); }

QString orNone(const QString &text) { return text.isEmpty() ? NoneText() : text; }

QString typeLine(const ZKFileRepresentation &record) {
    const QString extension = orNone(PathExtension::alphaNumericPathExtension(record.name()));
    if (record.isFolder()) {
        return FolderTypeFormat().arg(extension, record.isPackage() ? PackageText() : FolderText());
    }
    return FileTypeFormat().arg(extension, orNone(record.fileType()), orNone(record.fileCreator()));
}

QString sizeLine(const ZKFileRepresentation &record) {
    const qint64 bytes = qMax<qint64>(0, record.size());
    const QString readable = NumberFormatting::fileSizeDescriptionWithBytesCount(quint64(bytes));
    return SizeFormat().arg(SizeWithBytesFormat().arg(readable, QString::number(bytes)));
}

}  // namespace

quint64 modeForSortStrategy(int strategy) {
    if (strategy >= ZKSortPriorities::CreationDate && strategy <= ZKSortPriorities::FileType)
        return quint64(strategy - 1);
    return PathMode;
}

quint64 cellDisplayModeFor(bool listAllowsSelection, qint64 listLayout, qint64 detailMode,
                           int primaryStrategy) {
    if (listAllowsSelection && listLayout == DetailLayout && detailMode >= 0)
        return detailMode > qint64(TypeMode) ? PathMode : quint64(detailMode);
    return modeForSortStrategy(primaryStrategy);
}

quint64 cellDisplayMode(const UserDefaults &defaults, int primaryStrategy) {
    const QVariant allowSelection = defaults.objectForKey(AllowFileSelectionKey);
    const QVariant detailMode = defaults.objectForKey(DetailModeKey);
    return cellDisplayModeFor(allowSelection.isValid() ? allowSelection.toBool() : true,
                              defaults.integerForKey(ListLayoutKey),
                              detailMode.isValid() ? detailMode.toLongLong() : -1, primaryStrategy);
}

QString detailText(const ZKFileRepresentation &record, quint64 mode) {
    switch (mode) {
        case CreationDateMode:
            return CreatedFormat().arg(calendarDate(record.creationDate()));
        case ModificationDateMode:
            return ModifiedFormat().arg(calendarDate(record.modificationDate()));
        case CommentMode:
            return CommentFormat().arg(orNone(record.spotlightComment()));
        case SizeMode:
            return sizeLine(record);
        case TypeMode:
            return typeLine(record);
        default:
            return record.readablePath();
    }
}

QString calendarDate(const QDateTime &date) {
    if (!date.isValid() || date <= FileAttributes::distantPast()) return UnknownText();
    const QDateTime local = date.toLocalTime();
    const QLocale locale;
    const int hour = local.time().hour();
    const QString minutes = QStringLiteral("%1").arg(local.time().minute(), 2, 10, QChar(u'0'));
    return QStringLiteral("%1 %2, %3; %4:%5 %6")
        .arg(locale.monthName(local.date().month(), QLocale::LongFormat),
             QString::number(local.date().day()), QString::number(local.date().year()),
             QString::number(hour % 12 == 0 ? 12 : hour % 12), minutes,
             hour < 12 ? locale.amText() : locale.pmText());
}

}  // namespace CellDetailText
