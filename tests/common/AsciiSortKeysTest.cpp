#include <gtest/gtest.h>
#include <unicode/coll.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/AsciiSortKeys.h"

namespace {

std::unique_ptr<icu::Collator> collatorFor(const char *locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale(locale), status));
    collator->setStrength(icu::Collator::SECONDARY);
    collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
    EXPECT_TRUE(U_SUCCESS(status)) << locale;
    return collator;
}

std::vector<uint8_t> collatorKey(const icu::Collator &collator, const std::u16string &text) {
    std::vector<uint8_t> key(8 * text.size() + 64);
    const int32_t size = collator.getSortKey(icu::UnicodeString(text.data(), int32_t(text.size())),
                                             key.data(), int32_t(key.size()));
    key.resize(size_t(size - 1));
    return key;
}

// Names as people have them, and worse: letters of both cases, numbers with leading zeros,
// long numbers and long runs, punctuation next to everything, control characters.
std::u16string randomText(std::mt19937 &random) {
    static const std::string pieces[] = {"IMG_",    "0",
                                         "00",      "7",
                                         "74",      "10233",
                                         "1042490", "1000000000000",
                                         " ",       ".",
                                         "-",       "_",
                                         "(",       "~",
                                         "Ab",      "z",
                                         "Q",       "\x01",
                                         "\x7f",    "'",
                                         "@",       "aaaaaaaaaaaaaaaa"};
    std::u16string text;
    const int count = std::uniform_int_distribution<int>(0, 14)(random);
    for (int i = 0; i < count; ++i) {
        const int choice = std::uniform_int_distribution<int>(0, 30)(random);
        if (choice < int(std::size(pieces))) {
            const std::string &piece = pieces[choice];
            text.append(piece.begin(), piece.end());
        } else if (choice < 29) {
            text += char16_t(std::uniform_int_distribution<int>(1, 0x7f)(random));
        } else {
            const int digits = std::uniform_int_distribution<int>(1, 300)(random);
            for (int d = 0; d < digits; ++d)
                text += char16_t(u'0' + std::uniform_int_distribution<int>(0, 9)(random));
        }
    }
    return text;
}

}  // namespace

TEST(AsciiSortKeysTest, KeysAreTheCollatorsOwnForEveryLocaleTheTableServes) {
    const char *const locales[] = {"",      "en_US", "de_DE", "sv_SE", "fr_CA", "tr_TR", "th_TH",
                                   "ja_JP", "lt_LT", "et_EE", "es_ES", "da_DK", "cs_CZ", "hu_HU"};
    std::mt19937 random(7);
    for (const char *locale : locales) {
        const std::unique_ptr<icu::Collator> collator = collatorFor(locale);
        const AsciiSortKeys table(*collator);
        if (!table.isUsable()) continue;
        int written = 0;
        for (int round = 0; round < 3000; ++round) {
            const std::u16string text = randomText(random);
            std::vector<uint8_t> keys = {42};
            const qsizetype size = table.append(text.data(), qsizetype(text.size()), &keys);
            if (size < 0) {
                EXPECT_EQ(keys.size(), 1u) << "a refused text leaves nothing behind";
                continue;
            }
            ++written;
            ASSERT_EQ(std::vector<uint8_t>(keys.begin() + 1, keys.end()),
                      collatorKey(*collator, text))
                << locale << ": " << std::string(text.begin(), text.end());
        }
        // Where the table is used at all, it takes plain names, not just a few characters.
        EXPECT_GT(written, 2000) << locale;
    }
}

TEST(AsciiSortKeysTest, TailoringsThatJoinLettersAndTextBeyondAsciiGoToTheCollator) {
    // Danish sorts "aa" as one letter, Czech "ch": no table of single letters can say that.
    EXPECT_FALSE(AsciiSortKeys(*collatorFor("da_DK")).isUsable());
    EXPECT_FALSE(AsciiSortKeys(*collatorFor("cs_CZ")).isUsable());

    const AsciiSortKeys root(*collatorFor(""));
    ASSERT_TRUE(root.isUsable());
    std::vector<uint8_t> keys;
    const std::u16string accented = u"caf\u00e9", photo = u"IMG_0001.jpg";
    EXPECT_EQ(root.append(accented.data(), qsizetype(accented.size()), &keys), -1);
    EXPECT_TRUE(keys.empty());
    EXPECT_GT(root.append(photo.data(), qsizetype(photo.size()), &keys), 0);
}
