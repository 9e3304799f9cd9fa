#include <gtest/gtest.h>

#include "common/Unicode.h"

TEST(UnicodeTest, IcuConversionKeepsEveryCodeUnit) {
    // Non-BMP characters and even a lone surrogate survive the round trip unchanged.
    const QString text = QStringLiteral("a\u00E9") + QString::fromUcs4(U"\U0001F600") +
                         QChar(0xDC00) + QStringLiteral("z");
    const icu::UnicodeString icu = Unicode::toIcu(text);
    EXPECT_EQ(icu.length(), text.size());
    EXPECT_EQ(icu.char32At(2), 0x1F600);
    EXPECT_EQ(Unicode::fromIcu(icu), text);
    EXPECT_TRUE(Unicode::fromIcu(Unicode::toIcu(QString())).isEmpty());
}

TEST(UnicodeTest, NfcComposesDecomposedText) {
    const QString decomposed = QStringLiteral("Cafe\u0301");
    EXPECT_EQ(Unicode::nfc(decomposed), QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(Unicode::nfc(decomposed).size(), 4);
    EXPECT_EQ(Unicode::nfc(QStringLiteral("Caf\u00E9")), QStringLiteral("Caf\u00E9"));
    // Hangul jamo compose to one syllable.
    EXPECT_EQ(Unicode::nfc(QStringLiteral("\u1100\u1161")), QStringLiteral("\uAC00"));
    EXPECT_EQ(Unicode::nfc(QString()), QString());
}

TEST(UnicodeTest, Utf8ValidityOfFileNameBytes) {
    EXPECT_TRUE(Unicode::isValidUtf8(QByteArray()));
    EXPECT_TRUE(Unicode::isValidUtf8(QByteArray("plain.txt")));
    EXPECT_TRUE(Unicode::isValidUtf8(QByteArray("caf\xC3\xA9")));
    EXPECT_TRUE(Unicode::isValidUtf8(QByteArray("\xF0\x9F\x98\x80")));
    EXPECT_FALSE(Unicode::isValidUtf8(QByteArray("latin1 caf\xE9")));
    EXPECT_FALSE(Unicode::isValidUtf8(QByteArray("\xC3")));              // truncated
    EXPECT_FALSE(Unicode::isValidUtf8(QByteArray("\xC0\xAF")));          // overlong "/"
    EXPECT_FALSE(Unicode::isValidUtf8(QByteArray("\xED\xA0\x80")));      // encoded surrogate
    EXPECT_FALSE(Unicode::isValidUtf8(QByteArray("\xF4\x90\x80\x80")));  // beyond U+10FFFF
    // After a long stretch of ASCII, the rest is still decoded.
    EXPECT_TRUE(Unicode::isValidUtf8(QByteArray("IMG_000123 Holiday caf\xC3\xA9")));
    EXPECT_FALSE(Unicode::isValidUtf8(QByteArray("IMG_000123 Holiday caf\xC3")));
    EXPECT_FALSE(Unicode::isValidUtf8(QByteArray("IMG_000123 Holiday caf\xE9.jpg")));
}
