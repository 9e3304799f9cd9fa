#pragma once

#include <QString>
#include <QStringList>

// The common prefix of the listed names, offered to the tokens as "common prefix: pre-rename".
namespace CommonPrefix {

// The longest prefix, compared case-insensitively, shared by every name without its
// alphanumeric extension; the characters kept are the first name's. "" for no names.
// With ignoreTrailingGibberish, trailing separators and zeros (" -_0.,;([{<") are dropped and
// white space is trimmed at both ends: IMG_0012 and IMG_0047 give "IMG".
QString commonPrefixOfNames(const QStringList &names, bool ignoreTrailingGibberish);

// The length of the prefix two strings share under case-insensitive comparison, never ending
// between a surrogate pair or before a combining mark of a shared letter.
qsizetype caseInsensitivePrefixLength(const QString &a, const QString &b);

// Drops trailing gibberish characters, then trims white space and line breaks.
QString trimmingTrailingGibberish(const QString &prefix);

}  // namespace CommonPrefix
