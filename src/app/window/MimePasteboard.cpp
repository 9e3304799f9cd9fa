#include "app/window/MimePasteboard.h"

#include <QMimeData>
#include <QUrl>

namespace MimePasteboard {

QList<ZKPasteboardItem> itemsFromMimeData(const QMimeData *mimeData) {
    QList<ZKPasteboardItem> items;
    if (!mimeData) return items;
    if (mimeData->hasUrls()) {
        QStringList urls;
        for (const QUrl &url : mimeData->urls()) urls.append(url.toString(QUrl::FullyEncoded));
        items.append({ZKPasteboardItem::Type::Urls, urls});
    }
    if (mimeData->hasText()) items.append({ZKPasteboardItem::Type::PlainText, mimeData->text()});
    return items;
}

QMimeData *mimeDataWith(const QStringList &urls, const QString &text) {
    auto *mimeData = new QMimeData;
    QList<QUrl> list;
    list.reserve(urls.size());
    for (const QString &url : urls) list.append(QUrl(url));
    mimeData->setUrls(list);
    mimeData->setText(text);
    return mimeData;
}

}  // namespace MimePasteboard
