#include "listing/PasteboardPaths.h"

#include <QRegularExpression>
#include <QUrl>
#include <optional>

#include "platform/FileAttributes.h"

namespace {

const ZKPasteboardItem *itemOfType(const QList<ZKPasteboardItem> &items,
                                   ZKPasteboardItem::Type type) {
    for (const ZKPasteboardItem &item : items)
        if (item.type == type) return &item;
    return nullptr;
}

QStringList fileNames(const ZKPasteboardItem &item) {
    QStringList paths;
    for (const QVariant &entry : item.data.toList()) {
        const QString path = entry.toString();
        if (!path.isEmpty()) paths.append(path);
    }
    return paths;
}

std::optional<QString> existingFileUrlPath(const QVariant &entry) {
    const QUrl url = entry.userType() == QMetaType::QUrl ? entry.toUrl() : QUrl(entry.toString());
    if (!url.isValid() || !url.isLocalFile()) return std::nullopt;
    const QString path = url.toLocalFile();
    if (path.isEmpty() || !FileAttributes::exists(path)) return std::nullopt;
    return path;
}

QStringList urlPaths(const ZKPasteboardItem &item) {
    QStringList paths;
    for (const QVariant &entry : item.data.toList())
        if (const auto path = existingFileUrlPath(entry)) paths.append(*path);
    return paths;
}

// Lines of the text that hold an absolute path of an existing item; the first one only when
// a single one is enough.
QStringList textPaths(const ZKPasteboardItem &item, bool firstOnly) {
    static const QRegularExpression lineBreak(QStringLiteral("\\R"));
    QStringList paths;
    for (const QString &line : item.data.toString().split(lineBreak)) {
        const QString path = line.trimmed();
        if (!path.startsWith(u'/') || !FileAttributes::exists(path)) continue;
        paths.append(path);
        if (firstOnly) break;
    }
    return paths;
}

}  // namespace

QStringList filesFromPasteboard(const QList<ZKPasteboardItem> &items, bool isTestFlight,
                                bool *found) {
    using Type = ZKPasteboardItem::Type;
    if (found) *found = true;
    if (const ZKPasteboardItem *item = itemOfType(items, Type::FileNames)) {
        if (isTestFlight) return QStringList();
        if (QStringList paths = fileNames(*item); !paths.isEmpty()) return paths;
    }
    if (const ZKPasteboardItem *item = itemOfType(items, Type::Urls)) {
        if (isTestFlight) return QStringList();
        if (QStringList paths = urlPaths(*item); !paths.isEmpty()) return paths;
    }
    if (const ZKPasteboardItem *item = itemOfType(items, Type::PlainText)) {
        if (QStringList paths = textPaths(*item, isTestFlight); !paths.isEmpty()) return paths;
    }
    if (found) *found = false;
    return QStringList();
}
