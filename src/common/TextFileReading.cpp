#include "common/TextFileReading.h"

#include <langinfo.h>
#include <unicode/ucnv.h>

#include <QFile>
#include <memory>

namespace TextFileReading {

namespace {

int32_t toUChars(UConverter *converter, const QByteArray &bytes, QString *text,
                 UErrorCode *status) {
    return ucnv_toUChars(converter, reinterpret_cast<UChar *>(text->data()), int32_t(text->size()),
                         bytes.constData(), int32_t(bytes.size()), status);
}

std::optional<QString> decodedWithIcu(const QByteArray &bytes, const QByteArray &encoding) {
    if (bytes.size() >= INT32_MAX) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter *)> converter(
        ucnv_open(encoding.constData(), &status), ucnv_close);
    if (U_FAILURE(status) || !converter) return std::nullopt;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    if (U_FAILURE(status)) return std::nullopt;
    // Most encodings give at most one UTF-16 unit per byte; the rare others ask for more.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    int32_t length = toUChars(converter.get(), bytes, &text, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        ucnv_resetToUnicode(converter.get());
        text.resize(qsizetype(length) + 1);
        length = toUChars(converter.get(), bytes, &text, &status);
    }
    if (U_FAILURE(status)) return std::nullopt;
    text.truncate(length);
    return text;
}

std::optional<QString> decodedInAnyEncoding(const QByteArray &bytes,
                                            const QByteArray &localeEncoding) {
    // ICU decodes all three: it reports invalid and truncated sequences alike.
    if (bytes.startsWith("\xFF\xFE")) return decodedWithIcu(bytes.mid(2), "UTF-16LE");
    if (bytes.startsWith("\xFE\xFF")) return decodedWithIcu(bytes.mid(2), "UTF-16BE");
    const QByteArray utf8 = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (std::optional<QString> text = decodedWithIcu(utf8, "UTF-8")) return text;
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
