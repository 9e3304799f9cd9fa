#pragma once

#include <QString>
#include <QVariantList>

class QMimeData;

// Token lists on the clipboard (and in drags): the elements as a property-list array under
// a type of their own, plain text as what other programs offer.
namespace ProxyPasteboard {

inline const QString kPasteboardType =
    QStringLiteral("application/x-com.quorlix.torvane.proxy.pasteboardtype");

// Puts the elements on the data as a property-list array under kPasteboardType, and their
// literal text (tokens left out) as plain text for other programs. An empty selection
// writes nothing and answers false.
bool writeRepresentedObjects(const QVariantList &elements, QMimeData *data);

// The token list on the data: the array under kPasteboardType (elements that are neither
// text nor a token with a type are left out), else non-empty plain text as a one-element
// list, else an empty list.
QVariantList readFromPasteboard(const QMimeData *data);

}  // namespace ProxyPasteboard
