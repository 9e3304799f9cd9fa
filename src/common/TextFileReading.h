#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reading a text file whose encoding is not known: UTF-8 (with or without its byte-order
// mark), UTF-16 with a byte-order mark, then the encoding of the user's locale. Line ends
// "\r\n" become "\n".
namespace TextFileReading {

// The encoding of the user's locale (LC_CTYPE), as the C library names it ("UTF-8",
// "ISO-8859-1", "ANSI_X3.4-1968" for the C locale).
QByteArray localeEncodingName();

// The bytes as text, trying the encodings in the order above (the locale's as named); none
// when no encoding decodes them without error or the text holds a NUL character (a binary
// file).
std::optional<QString> decodedText(const QByteArray &bytes, const QByteArray &localeEncoding);

// The file's text with "\r\n" made "\n"; none when it cannot be read or is no text.
std::optional<QString> readTextFile(const QString &path,
                                    const QByteArray &localeEncoding = localeEncodingName());

}  // namespace TextFileReading
