#include "common/TextFileReading.h"

#include <langinfo.h>
#include <unicode/ucnv.h>

#include <QFile>
#include <QStringDecoder>
#include <memory>

namespace TextFileReading {

namespace {

// Two byte-order marks of UTF-16; UTF-32 marks are not among the encodings looked for.
bool hasUtf16ByteOrderMark(const QByteArray &bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

std::optional<QString> strictlyDecoded(const QByteArray &bytes,
                                       QStringConverter::Encoding encoding) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

std::optional<QString> decodedWithIcu(const QByteArray &bytes, const QByteArray &encoding) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter *)> converter(
        ucnv_open(encoding.constData(), &status), ucnv_close);
    if (U_FAILURE(status) || !converter) return std::nullopt;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    if (U_FAILURE(status)) return std::nullopt;
    // No legacy encoding yields more UTF-16 units than it has bytes, plus room for a flush.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    const int32_t length =
        ucnv_toUChars(converter.get(), reinterpret_cast<UChar *>(text.data()), int32_t(text.size()),
                      bytes.constData(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    text.truncate(length);
    return text;
}

std::optional<QString> decodedInAnyEncoding(const QByteArray &bytes,
                                            const QByteArray &localeEncoding) {
    if (hasUtf16ByteOrderMark(bytes)) return strictlyDecoded(bytes, QStringConverter::Utf16);
    if (std::optional<QString> text = strictlyDecoded(bytes, QStringConverter::Utf8)) return text;
    if (bytes.size() >= INT32_MAX) return std::nullopt;
    return decodedWithIcu(bytes, localeEncoding);
}

}  // namespace

QByteArray localeEncodingName() { return QByteArray(nl_langinfo(CODESET)); }

std::optional<QString> decodedText(const QByteArray &bytes, const QByteArray &localeEncoding) {
    std::optional<QString> text = decodedInAnyEncoding(bytes, localeEncoding);
    if (!text || text->contains(QChar(u'\0'))) return std::nullopt;
    return text;
}

std::optional<QString> readTextFile(const QString &path, const QByteArray &localeEncoding) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    std::optional<QString> text = decodedText(file.readAll(), localeEncoding);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    if (text) text->replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace TextFileReading
