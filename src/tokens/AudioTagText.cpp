// How audio tags write numbers and dates; the parser module reads tags with these too.
#include <QRegularExpression>

#include "tokens/AudioMetaData.h"

std::optional<qint64> AudioMetaData::leadingNumber(const QString &text) {
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,18})"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1).toLongLong();
}

QDateTime AudioMetaData::recordingDate(const QString &text) {
    static const QRegularExpression fullDate(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}(?:[T ]\\d{2}:\\d{2}(?::\\d{2})?)?$"));
    if (!fullDate.match(text.trimmed()).hasMatch()) return QDateTime();
    QString iso = text.trimmed();
    iso.replace(u' ', u'T');
    return QDateTime::fromString(iso, Qt::ISODate);
}
