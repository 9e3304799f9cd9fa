#include "tokens/TokenList.h"

#include "tokens/ZKMetaDataType.h"
#include "tokens/ZKProxyManager.h"

namespace TokenList {

namespace {
const QString kUnknownDisplayName =
    QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "(Unknown)"));
}  // namespace

bool isWrappedProxy(const QVariant &element) { return element.typeId() == QMetaType::QVariantMap; }

QString proxyValue(const QVariant &element) {
    return isWrappedProxy(element) ? element.toMap().value(kProxyKey).toString() : QString();
}

QVariantMap dictionaryByWrappingProxyValue(const QString &identifier) {
    return QVariantMap{{kProxyKey, identifier}};
}

QVariantList fromArchiveValue(const QVariant &value) {
    if (!value.isValid()) return {};
    if (value.typeId() == QMetaType::QVariantList) return value.toList();
    return QVariantList{value};
}

QVariantList fromString(const QString &text) {
    return text.isEmpty() ? QVariantList() : QVariantList{text};
}

QString resolvedStringValue(const QVariantList &list, ZKFileItem *item) {
    return ZKProxyManager::proxyManager().resolveWrappedProxies(list, item);
}

QString proxyDisplayName(const QVariant &element) {
    if (!isWrappedProxy(element)) return element.toString();
    const QString name = ZKMetaDataType::displayNameForType(proxyValue(element), element.toMap());
    return name.isNull() ? ZKMetaDataType::localized(kUnknownDisplayName)
                         : ZKMetaDataType::localized(name);
}

QString plainText(const QVariantList &list) {
    QString text;
    for (const QVariant &element : list) {
        if (element.typeId() == QMetaType::QString) text += element.toString();
    }
    return text;
}

}  // namespace TokenList
