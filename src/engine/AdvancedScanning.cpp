#include "engine/AdvancedScanning.h"

namespace AdvancedScanning {

namespace {

const QChar kBackslash = QLatin1Char('\\');

bool isEscapedMatch(const QString &text, qsizetype position, const Range &range) {
    return position > range.start && text.at(position - 1) == kBackslash;
}

qsizetype forwardMatch(const QString &text, const QString &target, Range range) {
    while (range.start < range.end) {
        const qsizetype position = text.indexOf(target, range.start);
        if (position < 0 || position + target.size() > range.end) return -1;
        if (!isEscapedMatch(text, position, range)) return position;
        range.start = position + target.size();
    }
    return -1;
}

qsizetype backwardMatch(const QString &text, const QString &target, Range range) {
    while (range.end - range.start >= target.size()) {
        const qsizetype position = text.lastIndexOf(target, range.end - target.size());
        if (position < range.start) return -1;
        if (!isEscapedMatch(text, position, range)) return position;
        // Go on before the escaping backslash.
        range.end = position - 1;
    }
    return -1;
}

}  // namespace

void repeatedlyReplaceOccurrencesOfString(QString &text, const QString &target,
                                          const QString &replacement) {
    if (target.isEmpty()) return;
    // A replacement that holds the target would never stop growing: one pass then.
    if (replacement.contains(target)) {
        text.replace(target, replacement);
        return;
    }
    while (text.contains(target)) text.replace(target, replacement);
}

qsizetype rangeOfNonEscapedString(const QString &text, const QString &target, bool backwards,
                                  Range range) {
    if (target.isEmpty()) return -1;
    range.start = qBound(qsizetype(0), range.start, text.size());
    range.end = qBound(range.start, range.end, text.size());
    return backwards ? backwardMatch(text, target, range) : forwardMatch(text, target, range);
}

std::optional<Range> rangeOfFirstStringWithPrefix(const QString &text, const QString &prefix,
                                                  const QString &suffix, qsizetype from,
                                                  QString *result, bool *didFail) {
    const qsizetype start = rangeOfNonEscapedString(text, prefix, false, {from, text.size()});
    if (start < 0) return std::nullopt;
    const qsizetype inner = start + prefix.size();
    const qsizetype end = inner >= text.size()
                              ? -1
                              : rangeOfNonEscapedString(text, suffix, false, {inner, text.size()});
    if (end < 0) {
        if (didFail) *didFail = true;
        return std::nullopt;
    }
    if (result) *result = text.mid(inner, end - inner);
    return Range{start, end + suffix.size()};
}

qsizetype numberOfQuotesInRange(const QString &text, Range range, bool countUnescapedQuotesOnly) {
    const QString quote = QStringLiteral("\"");
    QString part = text.mid(range.start, range.end - range.start);
    if (!part.contains(quote)) return 0;
    if (countUnescapedQuotesOnly) {
        repeatedlyReplaceOccurrencesOfString(part, QStringLiteral("\\\\"), QStringLiteral("\\"));
        repeatedlyReplaceOccurrencesOfString(part, QStringLiteral("\\\""), QString());
    }
    return part.count(quote);
}

}  // namespace AdvancedScanning
