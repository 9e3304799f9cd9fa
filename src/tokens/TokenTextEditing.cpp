#include "tokens/TokenTextEditing.h"

#include <algorithm>

namespace TokenTextEditing {

namespace {

bool isToken(const QVariant &element) { return element.typeId() != QMetaType::QString; }

qsizetype tokenCount(QStringView text) { return text.count(kTokenCharacter); }

// Appends literal text, merging with a preceding literal.
void appendText(QVariantList &list, QStringView text) {
    if (text.isEmpty()) return;
    if (!list.isEmpty() && !isToken(list.last())) {
        list.last() = QString(list.last().toString() + text.toString());
    } else {
        list.append(text.toString());
    }
}

}  // namespace

QString editingText(const QVariantList &list) {
    QString text;
    for (const QVariant &element : list) {
        if (isToken(element))
            text += kTokenCharacter;
        else
            text += element.toString();
    }
    return text;
}

QVariantList listAfterEdit(const QVariantList &list, const QString &text) {
    QVariantList tokens;
    for (const QVariant &element : list) {
        if (isToken(element)) tokens.append(element);
    }
    const QString old = editingText(list);

    // The edited range: what lies between the unchanged start and the unchanged end.
    const qsizetype limit = std::min(old.size(), text.size());
    qsizetype prefix = 0;
    while (prefix < limit && old.at(prefix) == text.at(prefix)) ++prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix &&
           old.at(old.size() - 1 - suffix) == text.at(text.size() - 1 - suffix))
        ++suffix;

    const qsizetype leadingTokens = tokenCount(QStringView(old).first(prefix));
    const qsizetype trailingTokens = tokenCount(QStringView(old).last(suffix));
    qsizetype nextLeading = 0;
    qsizetype nextTrailing = tokens.size() - trailingTokens;

    QVariantList edited;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i) != kTokenCharacter) continue;
        appendText(edited, QStringView(text).sliced(runStart, i - runStart));
        runStart = i + 1;
        if (i == text.size()) break;
        if (i < prefix && nextLeading < leadingTokens) {
            edited.append(tokens.at(nextLeading++));
        } else if (i >= text.size() - suffix && nextTrailing < tokens.size()) {
            edited.append(tokens.at(nextTrailing++));
        }
    }
    return edited;
}

}  // namespace TokenTextEditing
