#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "interaction/ZKUserInteraction.h"

class QMimeData;

// The controller's pasteboard in MIME terms: URLs as "text/uri-list", text as "text/plain".
namespace MimePasteboard {

// The kinds of data the controller reads, most preferred first: the URLs, then the text.
QList<ZKPasteboardItem> itemsFromMimeData(const QMimeData *mimeData);

// The file URLs and the text, ready for the clipboard or a drag (the paths travel as their
// URLs, since file managers know no other list of names).
QMimeData *mimeDataWith(const QStringList &urls, const QString &text);

}  // namespace MimePasteboard
