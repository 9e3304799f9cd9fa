#include "common/Unicode.h"

#include <unicode/normalizer2.h>
#include <unicode/utf8.h>

#include <algorithm>

#include "common/NativePath.h"

namespace Unicode {

icu::UnicodeString toIcu(const QString &string) {
    return icu::UnicodeString(reinterpret_cast<const UChar *>(string.utf16()),
                              static_cast<int32_t>(string.size()));
}

QString fromIcu(const icu::UnicodeString &string) {
    return QString(reinterpret_cast<const QChar *>(string.getBuffer()), string.length());
}

QString nfc(const QString &string) {
    // Below U+0300 nothing decomposes or combines: most names need no look at all.
    if (std::all_of(string.cbegin(), string.cend(), [](QChar c) { return c.unicode() < 0x300; }))
        return string;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *normalizer = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return string;
    // A read-only alias: most names are already in NFC, and checking must not copy them.
    const icu::UnicodeString source(false, reinterpret_cast<const UChar *>(string.utf16()),
                                    static_cast<int32_t>(string.size()));
    if (normalizer->isNormalized(source, status) && U_SUCCESS(status)) return string;
    status = U_ZERO_ERROR;
    const icu::UnicodeString normalized = normalizer->normalize(source, status);
    return U_SUCCESS(status) ? fromIcu(normalized) : string;
}

bool isValidUtf8(QByteArrayView bytes) {
    const auto *data = reinterpret_cast<const uint8_t *>(bytes.data());
    const int32_t length = static_cast<int32_t>(bytes.size());
    // Names are mostly ASCII, which is valid as it stands.
    auto offset = static_cast<int32_t>(NativePath::asciiPrefixSize(bytes));
    while (offset < length) {
        UChar32 c;
        U8_NEXT(data, offset, length, c);
        if (c < 0) return false;
    }
    return true;
}

}  // namespace Unicode
