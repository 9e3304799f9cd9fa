#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <utility>

// A key-to-value index that iterates in insertion order, so that completion lists come out
// the same in every run. Inserting a key again replaces its value and keeps its place.
class OrderedStringIndex {
public:
    using Entry = std::pair<QString, QString>;

    void insert(const QString &key, const QString &value);
    // Null when the key is absent.
    QString value(const QString &key) const;
    const QList<Entry> &entries() const { return entries_; }

private:
    QList<Entry> entries_;
    QHash<QString, qsizetype> positions_;
};
