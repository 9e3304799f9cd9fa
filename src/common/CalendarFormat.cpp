#include "common/CalendarFormat.h"

#include <ctime>
#include <optional>
#include <vector>

namespace CalendarFormat {

namespace {

// A directive yields at most a few dozen bytes; this bounds the buffer for any format.
constexpr size_t kBytesPerFormatByte = 64;

std::optional<std::tm> localTime(const QDateTime &date, qint64 offset) {
    const qint64 seconds = date.toSecsSinceEpoch();
    qint64 shifted = 0;
    if (__builtin_add_overflow(seconds, offset, &shifted)) return std::nullopt;
    const std::time_t time = static_cast<std::time_t>(shifted);
    std::tm fields{};
    if (!localtime_r(&time, &fields)) return std::nullopt;
    return fields;
}

}  // namespace

QString descriptionWithCalendarFormat(const QDateTime &date, const QString &format, qint64 offset) {
    if (!date.isValid() || format.isEmpty()) return QString();
    const std::optional<std::tm> fields = localTime(date, offset);
    if (!fields) return QString();
    // A leading space tells an empty result apart from a buffer that was too small.
    const QByteArray pattern = ' ' + format.toUtf8();
    const size_t limit = size_t(pattern.size()) * kBytesPerFormatByte + 256;
    for (size_t size = 256;; size *= 2) {
        std::vector<char> buffer(qMin(size, limit));
        const size_t written =
            std::strftime(buffer.data(), buffer.size(), pattern.constData(), &*fields);
        if (written > 0) return QString::fromUtf8(buffer.data() + 1, qsizetype(written) - 1);
        if (size >= limit) return QString();
    }
}

}  // namespace CalendarFormat
