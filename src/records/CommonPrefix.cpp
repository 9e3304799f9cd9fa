#include "records/CommonPrefix.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include "common/PathExtension.h"

namespace CommonPrefix {

namespace {

const QString kGibberish = QStringLiteral(" -_0.,;([{<");

const UChar *units(const QString &string) {
    return reinterpret_cast<const UChar *>(string.utf16());
}

bool isMarkAt(const QString &string, qsizetype offset) {
    if (offset >= string.size()) return false;
    UChar32 codePoint;
    U16_GET(units(string), 0, offset, string.size(), codePoint);
    return (U_GET_GC_MASK(codePoint) & U_GC_M_MASK) != 0;
}

}  // namespace

qsizetype caseInsensitivePrefixLength(const QString &a, const QString &b) {
    qsizetype offsetA = 0;
    qsizetype offsetB = 0;
    qsizetype matchedA = 0;
    qsizetype matchedB = 0;
    while (offsetA < a.size() && offsetB < b.size()) {
        UChar32 codePointA;
        UChar32 codePointB;
        U16_NEXT(units(a), offsetA, a.size(), codePointA);
        U16_NEXT(units(b), offsetB, b.size(), codePointB);
        if (u_foldCase(codePointA, U_FOLD_CASE_DEFAULT) !=
            u_foldCase(codePointB, U_FOLD_CASE_DEFAULT))
            break;
        matchedA = offsetA;
        matchedB = offsetB;
    }
    // A letter followed by a combining mark on either side is matched whole or not at all:
    // back off over the marks already matched and the letter they belong to.
    if (isMarkAt(a, matchedA) || isMarkAt(b, matchedB)) {
        while (matchedA > 0) {
            U16_BACK_1(units(a), 0, matchedA);
            if (!isMarkAt(a, matchedA)) break;
        }
    }
    return matchedA;
}

QString trimmingTrailingGibberish(const QString &prefix) {
    qsizetype end = prefix.size();
    while (end > 0 && kGibberish.contains(prefix.at(end - 1))) --end;
    return prefix.left(end).trimmed();
}

QString commonPrefixOfNames(const QStringList &names, bool ignoreTrailingGibberish) {
    QString prefix;
    bool first = true;
    for (const QString &name : names) {
        const QString base =
            PathExtension::stringByDeletingAlphaNumericPathExtension(name, nullptr);
        if (first) {
            prefix = base;
            first = false;
        } else {
            prefix.truncate(caseInsensitivePrefixLength(prefix, base));
        }
        if (prefix.isEmpty()) break;
    }
    return ignoreTrailingGibberish ? trimmingTrailingGibberish(prefix) : prefix;
}

}  // namespace CommonPrefix
