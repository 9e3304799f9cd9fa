#include "engine/SequenceNotation.h"

#include <array>
#include <limits>
#include <optional>

#include "engine/RenamerSettings.h"

namespace SequenceNotation {

namespace {

struct RomanDigit {
    quint64 value;
    const char *numeral;
};

constexpr std::array<RomanDigit, 13> kRomanDigits = {{{1000, "M"},
                                                      {900, "CM"},
                                                      {500, "D"},
                                                      {400, "CD"},
                                                      {100, "C"},
                                                      {90, "XC"},
                                                      {50, "L"},
                                                      {40, "XL"},
                                                      {10, "X"},
                                                      {9, "IX"},
                                                      {5, "V"},
                                                      {4, "IV"},
                                                      {1, "I"}}};

constexpr quint64 kMaxRomanThousands = 10000;
constexpr qint64 kMaxPaddedLength = 255;
constexpr qint64 kLargestParsedNotation = 9999;

// The magnitude of a value, exact even for the smallest 64-bit integer.
quint64 magnitude(qint64 value) { return value < 0 ? quint64(0) - quint64(value) : quint64(value); }

QString romanOfMagnitude(quint64 value) {
    if (value / 1000 > kMaxRomanThousands) return QString::number(value);
    QString numeral;
    for (const RomanDigit &digit : kRomanDigits) {
        for (quint64 count = value / digit.value; count > 0; --count) {
            numeral += QLatin1String(digit.numeral);
        }
        value %= digit.value;
    }
    return numeral;
}

QString lettersOfMagnitude(quint64 value) {
    QString letters;
    while (value > 0) {
        --value;
        letters.prepend(QChar(u'A' + int(value % 26)));
        value /= 26;
    }
    return letters;
}

// "-" for 0, "-" + magnitude for negative values.
template <typename Render>
QString withSign(qint64 value, Render render) {
    if (value == 0) return QStringLiteral("-");
    const QString rendered = render(magnitude(value));
    return value < 0 ? QLatin1Char('-') + rendered : rendered;
}

bool isNotationType(int type) {
    return type == UppercaseRomanSequence || type == LowercaseRomanSequence ||
           type == UppercaseLetterSequence || type == LowercaseLetterSequence;
}

bool isRomanType(int type) {
    return type == UppercaseRomanSequence || type == LowercaseRomanSequence;
}

// The value of upper-case roman numerals, read greedily; nothing for other characters.
std::optional<qint64> romanValue(const QString &text) {
    qint64 value = 0;
    qsizetype position = 0;
    for (const RomanDigit &digit : kRomanDigits) {
        const QLatin1String numeral(digit.numeral);
        while (QStringView(text).sliced(position).startsWith(numeral)) {
            value += qint64(digit.value);
            position += numeral.size();
            if (value > kLargestParsedNotation) return std::nullopt;
        }
    }
    if (position != text.size()) return std::nullopt;
    return value;
}

// The value of upper-case letters in bijective base 26; nothing for other characters.
std::optional<qint64> letterValue(const QString &text) {
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'A' || c > u'Z') return std::nullopt;
        value = value * 26 + (c.unicode() - u'A' + 1);
        if (value > kLargestParsedNotation) return std::nullopt;
    }
    return value;
}

// The value whose canonical upper-case rendering in the type is the text, up to 9999.
std::optional<qint64> canonicalValue(const QString &text, int type) {
    const std::optional<qint64> value = isRomanType(type) ? romanValue(text) : letterValue(text);
    if (!value || *value < 1) return std::nullopt;
    if (stringWithInteger(*value, type, true) != text) return std::nullopt;
    return value;
}

}  // namespace

QString romanNumeralsStringWithInteger(qint64 value) { return withSign(value, romanOfMagnitude); }

QString letterStringWithInteger(qint64 value) { return withSign(value, lettersOfMagnitude); }

QString stringWithInteger(qint64 value, int sequenceType, bool enforceUppercase) {
    switch (sequenceType) {
        case UppercaseRomanSequence:
            return romanNumeralsStringWithInteger(value);
        case LowercaseRomanSequence:
            return enforceUppercase ? romanNumeralsStringWithInteger(value)
                                    : romanNumeralsStringWithInteger(value).toLower();
        case UppercaseLetterSequence:
            return letterStringWithInteger(value);
        case LowercaseLetterSequence:
            return enforceUppercase ? letterStringWithInteger(value)
                                    : letterStringWithInteger(value).toLower();
        default:
            return QString::number(value);
    }
}

qint64 leadingInteger(const QString &string) {
    qsizetype position = 0;
    while (position < string.size() && string.at(position).isSpace()) ++position;
    bool negative = false;
    if (position < string.size() && (string.at(position) == u'-' || string.at(position) == u'+')) {
        negative = string.at(position) == u'-';
        ++position;
    }
    // Accumulate the magnitude negatively so the smallest value is reachable, saturating.
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    bool saturated = false;
    for (; position < string.size(); ++position) {
        const char16_t c = string.at(position).unicode();
        if (c < u'0' || c > u'9') break;
        const int digit = c - u'0';
        if (saturated) continue;
        if (value < (kMin + digit) / 10) {
            saturated = true;
            continue;
        }
        value = value * 10 - digit;
    }
    if (saturated) return negative ? kMin : std::numeric_limits<qint64>::max();
    if (negative) return value;
    return value == kMin ? std::numeric_limits<qint64>::max() : -value;
}

qint64 integerValueForSequenceType(const QString &string, int sequenceType) {
    const qint64 leading = leadingInteger(string);
    if (leading != 0) return leading;
    if (string == QLatin1String("0") || string == QLatin1String("-")) return 0;
    if (!isNotationType(sequenceType)) return 0;

    QString text = string.trimmed().toUpper();
    const bool negative = text.size() >= 2 && text.startsWith(QLatin1Char('-'));
    if (negative) text.remove(0, 1);
    const std::optional<qint64> value = canonicalValue(text, sequenceType);
    if (!value) return 0;
    return negative ? -*value : *value;
}

qint64 decimalLength(qint64 value) { return QString::number(value).size(); }

QString paddedDecimal(qint64 value, qint64 digits) {
    const QString magnitudeText = QString::number(magnitude(value));
    const qint64 sign = value < 0 ? 1 : 0;
    const qint64 width = qMin(digits, kMaxPaddedLength);
    const qint64 zeros = qMax<qint64>(0, width - sign - magnitudeText.size());
    return (sign ? QStringLiteral("-") : QString()) + QString(zeros, QLatin1Char('0')) +
           magnitudeText;
}

}  // namespace SequenceNotation
