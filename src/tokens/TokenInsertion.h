#pragma once

#include <QVariantList>
#include <QVariantMap>
#include <optional>

// Editing a token list by positions: a position counts one per character of text and one
// per token, as the caret moves through a token field.
namespace TokenInsertion {

// A stretch of positions: where it starts and how many positions it covers.
struct Range {
    qsizetype start = 0;
    qsizetype length = 0;
};

// The list after an edit and where the caret goes.
struct Edit {
    QVariantList list;
    qsizetype caret = 0;
};

// Appends text, joining it to a text element before it; empty text adds nothing.
void appendText(QVariantList &list, const QString &text);

// How many positions the list covers.
qsizetype length(const QVariantList &list);

// The list with adjacent text elements joined and empty text left out: what a field that
// shows the list gives back.
QVariantList normalized(const QVariantList &list);

// The elements covering the range: text cut at the range's ends, tokens whole. Empty for an
// empty range; the range is clamped to the list.
QVariantList elementsInRange(const QVariantList &list, Range range);

// Puts the elements in place of the range: the element holding the range's start keeps its
// part before it, the one holding its end its part from there on, everything between goes.
// A range at or beyond the end, or none (no insertion point), appends. The caret follows the
// inserted elements. Adjacent text elements are joined.
Edit replaceRange(const QVariantList &list, std::optional<Range> range,
                  const QVariantList &elements);

// Inserts a new token {"Proxy": identifier} in place of the selection; the list unchanged
// (caret at the selection's start) for an empty identifier.
Edit insertProxy(const QVariantList &list, std::optional<Range> selection,
                 const QString &identifier);

}  // namespace TokenInsertion
