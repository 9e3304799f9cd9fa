#include "engine/ZKEREConversion.h"

#include <unicode/dtptngen.h>
#include <unicode/regex.h>

#include <QLocale>

#include "common/Log.h"
#include "common/TextCase.h"
#include "common/Unicode.h"

namespace {

// Groups: 1 the start or the character before the backslashes, 2 pairs of escaped
// backslashes, 3 the sequence, 4 what follows its backslash, 5 the input format, 7 the
// output format. Each format ends at its first unescaped ")" (the two lazy "*?"): taken
// greedily, the output format would run to the last ")" of the whole template and swallow
// the template text after it, such as "$1 ($2)" or a second date sequence.
const char16_t kDetectorPattern[] =
    uR"re((^|[^\\])(\\\\)*(\\([lLuUE]|D\s*\((.*?[^\\](\\\\)*)\)\s*>\s*\((.*?[^\\](\\\\)*)\))))re";
constexpr int kSequenceGroup = 3;
constexpr int kLetterGroup = 4;
constexpr int kInputFormatGroup = 5;
constexpr int kOutputFormatGroup = 7;

const QString kPosixSuffix = QStringLiteral("_POSIX");
const QString kFallbackLocale = QStringLiteral("en_US_POSIX");

// Made on first use and kept; null (logged once) when it cannot be compiled.
const icu::RegexPattern *conversionDetector() {
    static const std::unique_ptr<icu::RegexPattern> detector = [] {
        UParseError parseError;
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::RegexPattern> compiled(icu::RegexPattern::compile(
            icu::UnicodeString(kDetectorPattern), 0, parseError, status));
        if (U_SUCCESS(status)) return compiled;
        Log::line(QStringLiteral("[ZKExtendedRegularExpression] cannot set up conversion "
                                 "detector: %1")
                      .arg(QString::fromLatin1(u_errorName(status))));
        return std::unique_ptr<icu::RegexPattern>();
    }();
    return detector.get();
}

std::optional<ZKEREConversion::Type> letterType(const QString &letter) {
    static const QString kLetters = QStringLiteral("lLuU");
    if (letter == QStringLiteral("E")) return ZKEREConversion::End;
    if (letter.size() != 1 || !kLetters.contains(letter)) return std::nullopt;
    return static_cast<ZKEREConversion::Type>(kLetters.indexOf(letter));
}

// A group's text, nullopt when the group took no part in the match.
std::optional<QString> groupText(icu::RegexMatcher &matcher, int group) {
    UErrorCode status = U_ZERO_ERROR;
    if (matcher.start(group, status) < 0 || U_FAILURE(status)) return std::nullopt;
    return Unicode::fromIcu(matcher.group(group, status));
}

// A ")" inside a format is written "\)".
QString unescapedFormat(const std::optional<QString> &format) {
    return format ? QString(*format).replace(QStringLiteral("\\)"), QStringLiteral(")"))
                  : QString();
}

std::unique_ptr<ZKEREConversion> conversionOfMatch(icu::RegexMatcher &matcher) {
    UErrorCode status = U_ZERO_ERROR;
    const int32_t start = matcher.start(kSequenceGroup, status);
    const int32_t end = matcher.end(kSequenceGroup, status);
    const ZKEREConversion::Range range{start, end - start};
    if (const auto type = letterType(groupText(matcher, kLetterGroup).value_or(QString())))
        return std::make_unique<ZKEREConversion>(*type, range);
    const std::optional<QString> input = groupText(matcher, kInputFormatGroup);
    const std::optional<QString> output = groupText(matcher, kOutputFormatGroup);
    if (!input || !output) return std::make_unique<ZKEREConversion>(ZKEREConversion::Date, range);
    return std::make_unique<ZKEREConversion>(range, unescapedFormat(input),
                                             unescapedFormat(output));
}

bool usesTwelveHourClock(const QString &localeIdentifier) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::createFromName(localeIdentifier.toUtf8().constData());
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status)) return false;
    const icu::UnicodeString hourFormat = generator->getBestPattern(u"j", status);
    return U_SUCCESS(status) && hourFormat.indexOf(u'a') >= 0;
}

// The languages the user prefers; the C locale names none.
QStringList preferredLanguages() {
    QStringList languages = QLocale::system().uiLanguages();
    languages.removeIf([](const QString &language) {
        return language == QStringLiteral("C") || language == QStringLiteral("POSIX");
    });
    return languages;
}

std::unique_ptr<icu::SimpleDateFormat> makeDateFormatter(const QString &inputFormat) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::createFromName(
        ZKEREConversion::dateFormatterLocaleIdentifier().toUtf8().constData());
    auto formatter =
        std::make_unique<icu::SimpleDateFormat>(Unicode::toIcu(inputFormat), locale, status);
    if (U_FAILURE(status)) return nullptr;
    formatter->setLenient(false);
    return formatter;
}

}  // namespace

std::vector<std::unique_ptr<ZKEREConversion>> ZKEREConversion::conversionsInString(
    const QString &templateString) {
    std::vector<std::unique_ptr<ZKEREConversion>> conversions;
    if (templateString.size() < 2 || !templateString.contains(QLatin1Char('\\')))
        return conversions;
    const icu::RegexPattern *detector = conversionDetector();
    if (!detector) return conversions;
    const icu::UnicodeString text = Unicode::toIcu(templateString);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(detector->matcher(text, status));
    if (U_FAILURE(status)) return conversions;
    while (matcher->find(status) && U_SUCCESS(status))
        conversions.push_back(conversionOfMatch(*matcher));
    return conversions;
}

QString ZKEREConversion::dateFormatterLocaleIdentifier(const QStringList &preferredLanguages,
                                                       const QString &currentLocaleIdentifier) {
    if (preferredLanguages.isEmpty()) return kFallbackLocale;
    QString preferred = preferredLanguages.first();
    if (!preferred.endsWith(kPosixSuffix)) preferred += kPosixSuffix;
    if (preferred == currentLocaleIdentifier) return kFallbackLocale;
    if (usesTwelveHourClock(preferred) != usesTwelveHourClock(currentLocaleIdentifier))
        return kFallbackLocale;
    return preferred;
}

// The system's locale does not change while the process runs.
const QString &ZKEREConversion::dateFormatterLocaleIdentifier() {
    static const QString identifier =
        dateFormatterLocaleIdentifier(preferredLanguages(), QLocale::system().name());
    return identifier;
}

ZKEREConversion::ZKEREConversion(Type type, Range range) : type_(type), range_(range) {}

ZKEREConversion::ZKEREConversion(Range range, const QString &inputFormat,
                                 const QString &outputFormat)
    : type_(Date),
      range_(range),
      inputFormat_(inputFormat),
      outputFormat_(outputFormat),
      dateFormatter_(makeDateFormatter(inputFormat)) {}

QString ZKEREConversion::convertedPiece(const QString &piece) const {
    switch (type_) {
        case LowercaseFirst:
            return TextCase::lower(piece.left(1)) + piece.mid(1);
        case Lowercase:
            return TextCase::lower(piece);
        case UppercaseFirst:
            return TextCase::upper(piece.left(1)) + piece.mid(1);
        case Uppercase:
            return TextCase::upper(piece);
        case Date:
            return processDateString(piece);
        case End:
            break;
    }
    return piece;
}

QString ZKEREConversion::processDateString(const QString &text) const {
    if (inputFormat_.isEmpty() || outputFormat_.isEmpty() || !dateFormatter_) return text;
    const std::lock_guard<std::mutex> lock(dateFormatterLock_);
    const icu::UnicodeString input = Unicode::toIcu(text);
    dateFormatter_->applyPattern(Unicode::toIcu(inputFormat_));
    icu::ParsePosition position(0);
    const UDate date = dateFormatter_->parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) return text;
    dateFormatter_->applyPattern(Unicode::toIcu(outputFormat_));
    icu::UnicodeString output;
    icu::FieldPosition field;
    UErrorCode status = U_ZERO_ERROR;
    dateFormatter_->format(date, output, field, status);
    return U_SUCCESS(status) ? Unicode::fromIcu(output) : text;
}
