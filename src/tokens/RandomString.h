#pragma once

#include <QString>

namespace RandomString {

// length characters, each picked uniformly (unbiased) from the pool; "_" for each when the
// pool is empty; "" for a length of 0 or less.
QString randomStringOfLength(qint64 length, const QString &pool);
// The pool "A-Z", "a-z", "0-9", each only when included, in that order.
QString randomStringOfLength(qint64 length, bool includeUppercaseLetters,
                             bool includeLowercaseLetters, bool includeDigits);

}  // namespace RandomString
