#include "engine/AdvancedCompletion.h"

#include <algorithm>

#include "engine/AdvancedFunctions.h"
#include "tokens/ZKMetaDataType.h"

namespace AdvancedCompletion {

namespace {

const QString kEmptyQuotes = QStringLiteral("\"\"");

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// The word that ends at the caret.
qsizetype wordStart(const QString &text, qsizetype caret) {
    qsizetype start = caret;
    while (start > 0 && isWordCharacter(text.at(start - 1))) --start;
    return start;
}

}  // namespace

std::optional<AdvancedScanning::Range> rangeForUserCompletion(const QString &text,
                                                              qsizetype caret) {
    caret = qBound(qsizetype(0), caret, text.size());
    const qsizetype start = wordStart(text, caret);
    if (start == 0 || start == caret) return std::nullopt;
    if (AdvancedScanning::numberOfQuotesInRange(text, {0, start}, true) % 2 == 1)
        return std::nullopt;
    const qsizetype bracket = qMax(text.lastIndexOf(QLatin1Char('<'), start - 1),
                                   text.lastIndexOf(QLatin1Char('['), start - 1));
    if (bracket < 0 || start - bracket >= 3) return std::nullopt;
    return AdvancedScanning::Range{bracket, caret};
}

QStringList completions(const QString &partial) {
    if (partial.startsWith(QLatin1Char('<'))) {
        QStringList names = ZKMetaDataType::displayNamesWithPrefix(partial, true);
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        return names;
    }
    if (!partial.startsWith(QLatin1Char('['))) return {};
    const QString prefix = partial.section(QLatin1Char(']'), 0, 0).toLower();
    QStringList matching;
    for (const QString &functionTemplate : AdvancedFunctions::functionTemplates()) {
        if (functionTemplate.toLower().startsWith(prefix)) matching << functionTemplate;
    }
    return matching;
}

std::optional<qsizetype> caretInsideFirstEmptyQuotes(const QString &completion) {
    const qsizetype quotes = completion.indexOf(kEmptyQuotes);
    if (quotes < 0) return std::nullopt;
    return quotes + 1;
}

std::optional<qsizetype> tabTarget(const QString &text, qsizetype caret) {
    if (caret <= 0 || caret >= text.size()) return std::nullopt;
    for (qsizetype position = caret; position + 1 < text.size(); ++position) {
        const QChar c = text.at(position);
        if (c == QLatin1Char('\n') || c == QLatin1Char('[') || c == QLatin1Char(']')) break;
        if (c == QLatin1Char('"') && text.at(position + 1) == QLatin1Char('"')) return position + 1;
    }
    return std::nullopt;
}

}  // namespace AdvancedCompletion
