#pragma once

#include <QByteArray>
#include <QString>
#include <QTextStream>
#include <optional>

// Arguments and piped PATHs arrive as bytes. Decoding replaces the bytes that are not valid
// UTF-8, and the listing could then meet a different item whose name reads the same, so such
// a PATH is never used.
namespace ArgumentEncoding {

// The first argument after the program's name that is not valid UTF-8; none when all are.
std::optional<QByteArray> firstInvalidArgument(int argc, const char *const *argv);

// Why a PATH is left out, and what to do instead, for standard error.
QString invalidPathReport(const QString &what, const QByteArray &path);

// Refuses a command line holding an argument that is not valid UTF-8: the whole command, since
// a bad byte in an option's value would otherwise shift what the other arguments mean.
// Answers the exit status of bad input (2).
int refuseInvalidArgument(const QByteArray &argument, QTextStream &err);

}  // namespace ArgumentEncoding
