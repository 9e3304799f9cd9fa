#include "cli/JsonLine.h"

JsonLine &JsonLine::add(const QString &key, const QString &value) {
    return addRaw(key, quoted(value));
}

JsonLine &JsonLine::addNullable(const QString &key, const QString &value) {
    return addRaw(key, value.isNull() ? QStringLiteral("null") : quoted(value));
}

JsonLine &JsonLine::add(const QString &key, const QStringList &values) {
    QStringList items;
    for (const QString &value : values) items << quoted(value);
    return addRaw(key, "[" + items.join(", ") + "]");
}

JsonLine &JsonLine::add(const QString &key, bool value) {
    return addRaw(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

QString JsonLine::toString() const { return "{" + members_.join(", ") + "}"; }

JsonLine &JsonLine::addRaw(const QString &key, const QString &json) {
    members_ << quoted(key) + ": " + json;
    return *this;
}

QString JsonLine::quoted(const QString &text) {
    QString out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '"':
                out += QLatin1String("\\\"");
                break;
            case '\\':
                out += QLatin1String("\\\\");
                break;
            case '\n':
                out += QLatin1String("\\n");
                break;
            case '\r':
                out += QLatin1String("\\r");
                break;
            case '\t':
                out += QLatin1String("\\t");
                break;
            case '\b':
                out += QLatin1String("\\b");
                break;
            case '\f':
                out += QLatin1String("\\f");
                break;
            default:
                if (c.unicode() < 0x20)
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
                else
                    out += c;
        }
    }
    out += '"';
    return out;
}
