#include "tokens/TokenInsertion.h"

#include <algorithm>

#include "tokens/TokenList.h"

namespace TokenInsertion {

namespace {

qsizetype elementLength(const QVariant &element) {
    return TokenList::isWrappedProxy(element) ? 1 : element.toString().size();
}

void appendElement(QVariantList &list, const QVariant &element) {
    if (TokenList::isWrappedProxy(element))
        list.append(element);
    else
        appendText(list, element.toString());
}

}  // namespace

void appendText(QVariantList &list, const QString &text) {
    if (text.isEmpty()) return;
    if (!list.isEmpty() && !TokenList::isWrappedProxy(list.last()))
        list.last() = QString(list.last().toString() + text);
    else
        list.append(text);
}

qsizetype length(const QVariantList &list) {
    qsizetype total = 0;
    for (const QVariant &element : list) total += elementLength(element);
    return total;
}

QVariantList normalized(const QVariantList &list) {
    QVariantList result;
    for (const QVariant &element : list) appendElement(result, element);
    return result;
}

QVariantList elementsInRange(const QVariantList &list, Range range) {
    const qsizetype start = std::max<qsizetype>(range.start, 0);
    const qsizetype end = range.start + std::max<qsizetype>(range.length, 0);
    QVariantList result;
    qsizetype position = 0;
    for (const QVariant &element : list) {
        const qsizetype next = position + elementLength(element);
        if (next > start && position < end) {
            if (TokenList::isWrappedProxy(element)) {
                result.append(element);
            } else {
                const qsizetype from = std::max(start, position) - position;
                const qsizetype to = std::min(end, next) - position;
                appendText(result, element.toString().sliced(from, to - from));
            }
        }
        if (next >= end) break;
        position = next;
    }
    return result;
}

Edit replaceRange(const QVariantList &list, std::optional<Range> range,
                  const QVariantList &elements) {
    const qsizetype total = length(list);
    const qsizetype inserted = length(elements);
    if (!range || range->start >= total) {
        Edit edit{normalized(list + elements), 0};
        edit.caret = total + inserted;
        return edit;
    }
    const qsizetype start = std::max<qsizetype>(range->start, 0);
    const qsizetype end = std::min(total, start + std::max<qsizetype>(range->length, 0));
    QVariantList result = elementsInRange(list, {0, start});
    for (const QVariant &element : elements) appendElement(result, element);
    for (const QVariant &element : elementsInRange(list, {end, total - end}))
        appendElement(result, element);
    return Edit{result, start + inserted};
}

Edit insertProxy(const QVariantList &list, std::optional<Range> selection,
                 const QString &identifier) {
    if (identifier.isEmpty())
        return Edit{list, selection ? std::min(selection->start, length(list)) : length(list)};
    return replaceRange(list, selection,
                        QVariantList{TokenList::dictionaryByWrappingProxyValue(identifier)});
}

}  // namespace TokenInsertion
