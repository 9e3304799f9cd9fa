#pragma once

#include <unicode/uversion.h>

#include <QtGlobal>
#include <array>
#include <cstdint>
#include <vector>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

// Collation keys of plain ASCII text written from a table of the collator's own weights,
// byte for byte the keys the collator writes (secondary strength, numeric ordering) at a
// small part of its cost: listing a folder makes one key per name. The table is read from
// the collator once; where it cannot reproduce the collator's keys exactly (a tailoring
// that joins ASCII letters, another strength, a case level), it is not used at all.
class AsciiSortKeys {
public:
    explicit AsciiSortKeys(const icu::Collator &collator);

    bool isUsable() const { return usable_; }

    // Appends the key of the text (without the collator's closing zero byte) and hands out
    // its size; -1, with nothing appended, when the text is not all ASCII the table knows.
    qsizetype append(const char16_t *text, qsizetype length, std::vector<uint8_t> *keys) const;

private:
    struct Weight {
        enum Kind : uint8_t { Unknown, Ignorable, Primary, Digit };
        Kind kind = Unknown;
        bool compressible = false;
        // The primary's bytes as the key holds them, the lead byte first.
        uint8_t size = 0;
        std::array<uint8_t, 4> bytes{};
    };

    bool readWeights(const icu::Collator &collator);
    void readDigitWeights(const icu::Collator &collator);
    bool matchesCollator(const icu::Collator &collator) const;

    std::array<Weight, 128> weights_{};
    uint8_t numericLead_ = 0;
    bool usable_ = false;
};
