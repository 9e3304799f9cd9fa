#pragma once

#include <QString>
#include <QStringList>

// Builds one JSON object on one line with its keys in the order they are added
// (QJsonObject would sort them, and scripts read these lines by eye as well).
class JsonLine {
public:
    JsonLine &add(const QString &key, const QString &value);
    // A null value when the string is null.
    JsonLine &addNullable(const QString &key, const QString &value);
    JsonLine &add(const QString &key, const QStringList &values);
    JsonLine &add(const QString &key, bool value);
    QString toString() const;

    static QString quoted(const QString &text);

private:
    JsonLine &addRaw(const QString &key, const QString &json);
    QStringList members_;
};
