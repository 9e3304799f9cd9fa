#include "tokens/TokenList.h"

namespace TokenList {

bool isWrappedProxy(const QVariant &element)
{
    return element.typeId() == QMetaType::QVariantMap;
}

QString proxyValue(const QVariant &element)
{
    return isWrappedProxy(element) ? element.toMap().value(kProxyKey).toString() : QString();
}

QVariantMap dictionaryByWrappingProxyValue(const QString &identifier)
{
    return QVariantMap{{kProxyKey, identifier}};
}

QVariantList fromArchiveValue(const QVariant &value)
{
    if (!value.isValid()) return {};
    if (value.typeId() == QMetaType::QVariantList) return value.toList();
    return QVariantList{value};
}

QVariantList fromString(const QString &text)
{
    return text.isEmpty() ? QVariantList() : QVariantList{text};
}

QString resolvedStringValue(const QVariantList &list, ZKFileItem *item)
{
    // Tokens resolve once the metadata catalogue exists; until then only text counts.
    Q_UNUSED(item);
    return plainText(list);
}

QString plainText(const QVariantList &list)
{
    QString text;
    for (const QVariant &element : list) {
        if (element.typeId() == QMetaType::QString) text += element.toString();
    }
    return text;
}

}  // namespace TokenList
