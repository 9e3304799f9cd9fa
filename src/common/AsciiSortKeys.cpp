#include "common/AsciiSortKeys.h"

#include <unicode/coll.h>
#include <unicode/uniset.h>
#include <unicode/usetiter.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

// The bytes the collator's keys are made of.
constexpr uint8_t kLevelSeparator = 0x01;
constexpr uint8_t kMergeSeparator = 0x02;
// After a run of primaries sharing a compressible lead byte: the next lead is lower / higher.
constexpr uint8_t kCompressionLow = 0x03;
constexpr uint8_t kCompressionHigh = 0xff;
// A run of common secondary weights is written as one byte, counting up from the lowest one,
// or as middle bytes of so many weights each.
constexpr uint8_t kCommonSecondaryLow = 0x05;
constexpr uint8_t kCommonSecondaryMiddle = 0x25;
constexpr int kCommonSecondaryRun = 0x21;
// A number's digits are written in segments of at most so many.
constexpr qsizetype kDigitSegment = 254;

using Bytes = std::basic_string<uint8_t>;

Bytes collatorKey(const icu::Collator &collator, const icu::UnicodeString &text) {
    uint8_t buffer[512];
    const int32_t size = collator.getSortKey(text, buffer, int32_t(sizeof buffer));
    // The size counts the closing zero byte, which these keys leave out.
    if (size <= 0 || size > int32_t(sizeof buffer)) return {};
    return Bytes(buffer, size_t(size - 1));
}

Bytes collatorKey(const icu::Collator &collator, const std::string &ascii) {
    return collatorKey(collator, icu::UnicodeString::fromUTF8(ascii));
}

// A key's primary bytes and the rest after the level separator; false without a separator.
bool splitKey(const Bytes &key, Bytes *primary, Bytes *rest) {
    const size_t separator = key.find(kLevelSeparator);
    if (separator == Bytes::npos) return false;
    *primary = key.substr(0, separator);
    *rest = key.substr(separator + 1);
    return true;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Writes one key into room its caller has made large enough.
class KeyWriter {
public:
    explicit KeyWriter(uint8_t *out) : start_(out), out_(out) {}

    void primary(const uint8_t *bytes, uint8_t size, bool compressible) {
        const uint8_t lead = bytes[0];
        if (!compressible || lead != compressedLead_) {
            if (compressedLead_ != 0) {
                if (lead > compressedLead_)
                    *out_++ = kCompressionHigh;
                else if (lead > kMergeSeparator)
                    *out_++ = kCompressionLow;
            }
            *out_++ = lead;
            compressedLead_ = compressible ? lead : 0;
        }
        for (uint8_t i = 1; i < size; ++i) *out_++ = bytes[i];
        ++commonSecondaries_;
    }

    // A primary of up to four bytes, the lead byte highest, the unused low bytes zero.
    void primary(uint32_t weight) {
        const uint8_t bytes[4] = {uint8_t(weight >> 24), uint8_t(weight >> 16),
                                  uint8_t(weight >> 8), uint8_t(weight)};
        const uint8_t size = !bytes[1] ? 1 : !bytes[2] ? 2 : !bytes[3] ? 3 : 4;
        primary(bytes, size, false);
    }

    qsizetype finish() {
        *out_++ = kLevelSeparator;
        if (commonSecondaries_ > 0) {
            int count = commonSecondaries_ - 1;
            for (; count >= kCommonSecondaryRun; count -= kCommonSecondaryRun)
                *out_++ = kCommonSecondaryMiddle;
            *out_++ = uint8_t(kCommonSecondaryLow + count);
        }
        return out_ - start_;
    }

private:
    uint8_t *start_;
    uint8_t *out_;
    uint8_t compressedLead_ = 0;
    int commonSecondaries_ = 0;
};

// The weights of a number of 1 to 254 digits without leading zeros (but "0" itself), as the
// collator gives them with numeric ordering: short numbers in one primary of two to four
// bytes, longer ones as their digit pairs.
void writeNumber(const char16_t *digits, qsizetype length, uint32_t lead, KeyWriter &writer) {
    auto digit = [digits](qsizetype i) { return uint32_t(digits[i] - u'0'); };
    if (length <= 7) {
        uint32_t value = 0;
        for (qsizetype i = 0; i < length; ++i) value = value * 10 + digit(i);
        if (value < 74) return writer.primary(lead | ((2 + value) << 16));
        value -= 74;
        if (value < 40 * 254)
            return writer.primary(lead | ((76 + value / 254) << 16) | ((2 + value % 254) << 8));
        value -= 40 * 254;
        if (value < 16 * 254 * 254) {
            uint32_t weight = lead | (2 + value % 254);
            value /= 254;
            weight |= (2 + value % 254) << 8;
            value /= 254;
            return writer.primary(weight | ((116 + value % 254) << 16));
        }
    }
    // The second byte counts the digit pairs (from 4); trailing "00" pairs are left out and
    // the last pair written one lower, so that "1" sorts before "100".
    const auto pairs = uint32_t((length + 1) / 2);
    uint32_t weight = lead | ((128 + pairs) << 16);
    while (digit(length - 1) == 0 && digit(length - 2) == 0) length -= 2;
    qsizetype at = (length & 1) ? 1 : 2;
    uint32_t pair = 11 + 2 * ((length & 1) ? digit(0) : digit(0) * 10 + digit(1));
    int shift = 8;
    while (at < length) {
        if (shift == 0) {
            writer.primary(weight | pair);
            weight = lead;
            shift = 16;
        } else {
            weight |= pair << shift;
            shift -= 8;
        }
        pair = 11 + 2 * (digit(at) * 10 + digit(at + 1));
        at += 2;
    }
    writer.primary(weight | ((pair - 1) << shift));
}

// Texts whose keys must come out as the collator's before the table is trusted: every kind
// of neighbour for the compression of primaries, long runs for that of secondaries, and
// numbers at each change of their encoding.
std::vector<std::string> probes() {
    std::vector<std::string> texts = {"IMG_000123 Holiday photo.jpg",
                                      "a b",
                                      "a-b",
                                      "-a",
                                      "a-",
                                      "_x_",
                                      "x.y.z",
                                      "A1b2C3",
                                      "1a",
                                      "a1",
                                      "1 1",
                                      "1-1",
                                      "a\x01"
                                      "b",
                                      "\x7f",
                                      "\x1f"
                                      "a",
                                      "Report (2).TXT",
                                      "~$a",
                                      "0",
                                      "00",
                                      "007",
                                      "73",
                                      "74",
                                      "75",
                                      "10233",
                                      "10234",
                                      "1042489",
                                      "1042490",
                                      "9999999",
                                      "10000000",
                                      "100000000",
                                      "12345678901",
                                      "1000000000000",
                                      "0000000000000001"};
    std::string printable;
    for (char c = ' '; c < 0x7f; ++c) printable += c;
    texts.push_back(printable);
    texts.push_back(std::string(40, 'a') + std::string(40, 'B'));
    texts.push_back(std::string(70, '.'));
    std::string longNumber;
    for (int i = 0; i < 300; ++i) longNumber += char('1' + i % 9);
    texts.push_back(longNumber);
    texts.push_back(std::string(260, '0') + "5");
    return texts;
}

}  // namespace

AsciiSortKeys::AsciiSortKeys(const icu::Collator &collator) {
    usable_ = readWeights(collator) && matchesCollator(collator);
}

bool AsciiSortKeys::readWeights(const icu::Collator &collator) {
    UErrorCode status = U_ZERO_ERROR;
    // Only the secondary level is written here; a case level would follow it.
    if (collator.getAttribute(UCOL_STRENGTH, status) != UCOL_SECONDARY ||
        collator.getAttribute(UCOL_CASE_LEVEL, status) != UCOL_OFF ||
        collator.getAttribute(UCOL_FRENCH_COLLATION, status) != UCOL_OFF ||
        collator.getAttribute(UCOL_NUMERIC_COLLATION, status) != UCOL_ON || U_FAILURE(status))
        return false;
    // A tailoring that joins ASCII characters ("ch", "aa") weighs them apart from the table.
    const std::unique_ptr<icu::UnicodeSet> tailored(collator.getTailoredSet(status));
    if (U_FAILURE(status) || !tailored) return false;
    for (icu::UnicodeSetIterator it(*tailored); it.next();) {
        if (!it.isString()) continue;
        const icu::UnicodeString &text = it.getString();
        bool allAscii = true;
        for (int32_t i = 0; i < text.length() && allAscii; ++i) allAscii = text.charAt(i) < 0x80;
        if (allAscii) return false;
    }

    Bytes primary, rest;
    for (int code = 1; code < 0x80; ++code) {
        const char c = char(code);
        if (isDigit(char16_t(c))) continue;
        Weight &weight = weights_[size_t(code)];
        if (!splitKey(collatorKey(collator, std::string(1, c)), &primary, &rest)) continue;
        if (primary.empty() && rest.empty()) {
            weight.kind = Weight::Ignorable;
            continue;
        }
        // One weight, of the common secondary; anything else stays with the collator.
        if (primary.empty() || primary.size() > 4 || rest != Bytes(1, kCommonSecondaryLow))
            continue;
        Bytes doubled, doubledRest;
        if (!splitKey(collatorKey(collator, std::string(2, c)), &doubled, &doubledRest)) continue;
        weight.compressible = doubled == primary + primary.substr(1);
        if (!weight.compressible && doubled != primary + primary) continue;
        weight.kind = Weight::Primary;
        weight.size = uint8_t(primary.size());
        std::copy(primary.begin(), primary.end(), weight.bytes.begin());
    }

    readDigitWeights(collator);
    return true;
}

void AsciiSortKeys::readDigitWeights(const icu::Collator &collator) {
    // Digits are numbers: "0" weighs as the lead byte of numbers and 2, "9" as it and 11.
    // Otherwise they stay unknown, and text with digits goes to the collator.
    Bytes primary, rest;
    for (char c = '0'; c <= '9'; ++c) {
        if (!splitKey(collatorKey(collator, std::string(1, c)), &primary, &rest) ||
            primary.size() != 2 || primary[1] != 2 + (c - '0') ||
            rest != Bytes(1, kCommonSecondaryLow) || (c != '0' && primary[0] != numericLead_))
            return;
        numericLead_ = primary[0];
    }
    for (char c = '0'; c <= '9'; ++c) weights_[size_t(c)].kind = Weight::Digit;
}

bool AsciiSortKeys::matchesCollator(const icu::Collator &collator) const {
    std::vector<uint8_t> ours;
    for (const std::string &text : probes()) {
        ours.clear();
        const std::u16string wide(text.begin(), text.end());
        const qsizetype size = append(wide.data(), qsizetype(wide.size()), &ours);
        // A probe the table leaves to the collator proves nothing either way.
        if (size < 0) continue;
        if (Bytes(ours.data(), ours.size()) != collatorKey(collator, text)) return false;
    }
    return true;
}

qsizetype AsciiSortKeys::append(const char16_t *text, qsizetype length,
                                std::vector<uint8_t> *keys) const {
    const size_t start = keys->size();
    // At most five bytes a character (four of a primary and a compression byte), the level
    // separator and the secondaries' bytes.
    keys->resize(start + size_t(6 * length + 8));
    KeyWriter writer(keys->data() + start);
    const uint32_t numericLead = uint32_t(numericLead_) << 24;
    for (qsizetype at = 0; at < length;) {
        const char16_t c = text[at];
        const Weight::Kind kind = c < 0x80 ? weights_[c].kind : Weight::Unknown;
        if (kind == Weight::Primary) {
            writer.primary(weights_[c].bytes.data(), weights_[c].size, weights_[c].compressible);
            ++at;
        } else if (kind == Weight::Ignorable) {
            ++at;
        } else if (kind == Weight::Digit) {
            qsizetype end = at;
            while (end < length && isDigit(text[end])) ++end;
            // Leading zeros weigh nothing; a number of only zeros keeps one.
            do {
                while (at < end - 1 && text[at] == u'0') ++at;
                const qsizetype segment = std::min(end - at, kDigitSegment);
                writeNumber(text + at, segment, numericLead, writer);
                at += segment;
            } while (at < end);
        } else {
            keys->resize(start);
            return -1;
        }
    }
    const qsizetype size = writer.finish();
    keys->resize(start + size_t(size));
    return size;
}
