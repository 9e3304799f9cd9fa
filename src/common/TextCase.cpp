#include "common/TextCase.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/ustring.h>

#include <memory>

#include "common/Unicode.h"

namespace TextCase {

namespace {

// toTitle resets the iterator's text on every call, so one per thread can be reused
// instead of building the word rules again for every name of a long list.
icu::BreakIterator *wordIterator() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return iterator.get();
}

bool isTitleSeparator(QChar c) { return c == u' ' || c == u'-' || c == u'/'; }

// The length of the run of separators (or of non-separators) that starts at `from`.
qsizetype runLength(const QString &string, qsizetype from) {
    const bool separator = isTitleSeparator(string.at(from));
    qsizetype end = from + 1;
    while (end < string.size() && isTitleSeparator(string.at(end)) == separator) ++end;
    return end - from;
}

}  // namespace

QString upper(const QString &string) {
    icu::UnicodeString text = Unicode::toIcu(string);
    return Unicode::fromIcu(text.toUpper(icu::Locale::getRoot()));
}

QString lower(const QString &string) {
    // Written straight into the result: lower-casing runs for every path of a long list, and
    // the round trip through an ICU string would cost two more copies each time.
    if (!string.isEmpty()) {
        const auto *source = reinterpret_cast<const UChar *>(string.utf16());
        const auto length = static_cast<int32_t>(string.size());
        QString result(string.size(), Qt::Uninitialized);
        UErrorCode status = U_ZERO_ERROR;
        int32_t written = u_strToLower(reinterpret_cast<UChar *>(result.data()),
                                       int32_t(result.size()), source, length, "", &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            result.resize(written);
            status = U_ZERO_ERROR;
            written = u_strToLower(reinterpret_cast<UChar *>(result.data()), int32_t(result.size()),
                                   source, length, "", &status);
        }
        if (U_SUCCESS(status)) {
            result.resize(written);
            return result;
        }
    }
    icu::UnicodeString text = Unicode::toIcu(string);
    return Unicode::fromIcu(text.toLower(icu::Locale::getRoot()));
}

QString capitalized(const QString &string) {
    icu::UnicodeString text = Unicode::toIcu(string);
    // A null iterator makes ICU build its own word iterator, the same rules.
    return Unicode::fromIcu(text.toTitle(wordIterator(), icu::Locale::getRoot()));
}

QString titlecase(const QString &string, int cutOff, int mode) {
    if (string.isEmpty()) return string;
    QString result;
    result.reserve(string.size());
    for (qsizetype position = 0; position < string.size();) {
        const qsizetype length = runLength(string, position);
        const QString run = string.mid(position, length);
        if (isTitleSeparator(run.front()))
            result += run;
        else if (position == 0 || length > cutOff)
            result += capitalized(run);
        else
            result += mode == 0 ? lower(run) : run;
        position += length;
    }
    return result;
}

int compareCaseInsensitive(const QString &a, const QString &b) {
    return Unicode::toIcu(a).caseCompare(Unicode::toIcu(b), U_FOLD_CASE_DEFAULT);
}

}  // namespace TextCase
