#include "tokens/ProxyPasteboard.h"

#include <QMimeData>
#include <optional>

#include "common/PropertyList.h"
#include "tokens/TokenList.h"

namespace ProxyPasteboard {

namespace {

bool isElement(const QVariant &value) {
    if (value.typeId() == QMetaType::QString) return true;
    return TokenList::isWrappedProxy(value) && !TokenList::proxyValue(value).isEmpty();
}

// The array stored under the type; nullopt when there is none or it is damaged, so that
// the plain text still counts.
std::optional<QVariantList> storedList(const QMimeData *data) {
    if (!data->hasFormat(kPasteboardType)) return std::nullopt;
    const QVariant value = PropertyList::fromData(data->data(kPasteboardType));
    if (value.typeId() != QMetaType::QVariantList) return std::nullopt;
    QVariantList list;
    for (const QVariant &element : value.toList()) {
        if (isElement(element)) list.append(element);
    }
    return list;
}

}  // namespace

bool writeRepresentedObjects(const QVariantList &elements, QMimeData *data) {
    if (elements.isEmpty() || !data) return false;
    const QByteArray bytes = PropertyList::toData(elements, PropertyList::Format::Xml);
    if (bytes.isEmpty()) return false;
    data->setData(kPasteboardType, bytes);
    const QString text = TokenList::plainText(elements);
    if (!text.isEmpty()) data->setText(text);
    return true;
}

QVariantList readFromPasteboard(const QMimeData *data) {
    if (!data) return {};
    if (const std::optional<QVariantList> list = storedList(data)) return *list;
    if (data->hasText()) {
        const QString text = data->text();
        if (!text.isEmpty()) return {text};
    }
    return {};
}

}  // namespace ProxyPasteboard
