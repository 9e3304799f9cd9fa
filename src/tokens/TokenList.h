#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class ZKFileItem;

// A token list: the value of a text setting that may hold tokens, an ordered array of
// strings (literal text) and tokens (dictionaries with "Proxy", a type identifier, and
// optional settings keys).
namespace TokenList {

inline const QString kProxyKey = QStringLiteral("Proxy");

bool isWrappedProxy(const QVariant &element);
// The token's type identifier; "" for a string.
QString proxyValue(const QVariant &element);
// {"Proxy": identifier}.
QVariantMap dictionaryByWrappingProxyValue(const QString &identifier);

// The stored form of a token setting read back: an array is the list, any other single
// value becomes a one-element list, a missing (invalid) value an empty list.
QVariantList fromArchiveValue(const QVariant &value);

// A plain text as a token list: one text element, or empty for "".
QVariantList fromString(const QString &text);

// The text of the list for one item: literal text as it is, each token resolved
// (ZKProxyManager); tokens without a value contribute nothing.
QString resolvedStringValue(const QVariantList &list, ZKFileItem *item);

// What a token shows: the localised display name of its type with its settings, or the
// localised "(Unknown)" for a type outside the catalogue; a string is itself.
QString proxyDisplayName(const QVariant &element);

// The literal text of the list, tokens left out.
QString plainText(const QVariantList &list);

}  // namespace TokenList
