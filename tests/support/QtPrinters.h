#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Lets GoogleTest print Qt strings in failure messages and streamed notes.
inline std::ostream &operator<<(std::ostream &os, const QString &string) {
    return os << string.toStdString();
}

inline void PrintTo(const QString &string, std::ostream *os) {
    *os << '"' << string.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *os) {
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i) *os << (i ? ", \"" : "\"") << list[i] << '"';
    *os << ']';
}
