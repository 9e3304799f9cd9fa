#include "engine/NameEditing.h"

#include <algorithm>

namespace NameEditing {

namespace {

bool splitsSurrogatePair(const QString &text, qsizetype position) {
    return position > 0 && position < text.size() && text.at(position - 1).isHighSurrogate() &&
           text.at(position).isLowSurrogate();
}

qsizetype characterStart(const QString &text, qsizetype position) {
    return splitsSurrogatePair(text, position) ? position - 1 : position;
}

qsizetype characterEnd(const QString &text, qsizetype position) {
    return splitsSurrogatePair(text, position) ? position + 1 : position;
}

}  // namespace

QString removing(const QString &text, qint64 start, qint64 length, bool fromEnd) {
    const qint64 size = text.size();
    if (start < 0 || length <= 0 || start >= size) return text;
    const qint64 count = std::min(length, size - start);
    const qint64 from = fromEnd ? size - start - count : start;
    const qsizetype first = characterStart(text, from);
    const qsizetype last = characterEnd(text, from + count);
    return QString(text).remove(first, last - first);
}

QString inserting(const QString &text, const QString &insertion, qint64 start, bool fromEnd) {
    const qint64 size = text.size();
    if (start < 0 || start > size) return text;
    const qint64 position = fromEnd ? size - start : start;
    return QString(text).insert(characterStart(text, position), insertion);
}

}  // namespace NameEditing
