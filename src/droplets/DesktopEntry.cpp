#include "droplets/DesktopEntry.h"

namespace DesktopEntry {

namespace {

QString unescapeValue(const QString &value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            result.append(c);
            continue;
        }
        const QChar next = value.at(++i);
        if (next == u's')
            result.append(u' ');
        else if (next == u'n')
            result.append(u'\n');
        else if (next == u't')
            result.append(u'\t');
        else if (next == u'r')
            result.append(u'\r');
        else if (next == u'\\')
            result.append(u'\\');
        else
            result.append(c).append(next);
    }
    return result;
}

}  // namespace

QMap<QString, Group> parse(const QByteArray &content) {
    QMap<QString, Group> groups;
    QString current;
    for (const QByteArray &rawLine : content.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = line.mid(1, line.size() - 2);
            groups[current];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || current.isEmpty()) continue;
        groups[current].insert(line.left(equals).trimmed(),
                               unescapeValue(line.mid(equals + 1).trimmed()));
    }
    return groups;
}

QString escapeValue(const QString &value) {
    QString result;
    result.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\')
            result.append(QStringLiteral("\\\\"));
        else if (c == u'\n')
            result.append(QStringLiteral("\\n"));
        else if (c == u'\t')
            result.append(QStringLiteral("\\t"));
        else if (c == u'\r')
            result.append(QStringLiteral("\\r"));
        else if (c == u' ' && i == 0)
            result.append(QStringLiteral("\\s"));
        else
            result.append(c);
    }
    return result;
}

QString quoteExecArgument(const QString &argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted.append(u'\\');
        quoted.append(c);
        if (c == u'%') quoted.append(u'%');
    }
    return quoted.append(u'"');
}

QString shellQuote(const QString &word) {
    QString quoted = word;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString groupText(const QString &group, const QList<QPair<QString, QString>> &entries) {
    QString text = QLatin1Char('[') + group + QStringLiteral("]\n");
    for (const auto &[key, value] : entries)
        text += key + QLatin1Char('=') + escapeValue(value) + QLatin1Char('\n');
    return text;
}

}  // namespace DesktopEntry
