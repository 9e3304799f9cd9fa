#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// One kind of attributes of one file (embedded image metadata, audio tags, ...), read from the
// file on the first request of one of its keys and kept from then on: a file is parsed at most
// once per source, and never for a key the source does not supply.
class MetaDataSource {
public:
    using Values = QHash<QString, QVariant>;

    explicit MetaDataSource(const QByteArray &nativePath) : path_(nativePath) {}
    virtual ~MetaDataSource() = default;
    MetaDataSource(const MetaDataSource &) = delete;
    MetaDataSource &operator=(const MetaDataSource &) = delete;

    // The value for the key; invalid when the source does not supply the key or the file has
    // none (or cannot be read).
    QVariant value(const QString &key);

protected:
    virtual bool supplies(const QString &key) const = 0;
    // Every value the source finds in the file; never throws, an unreadable file gives none.
    virtual Values read(const QByteArray &nativePath) const = 0;

private:
    QByteArray path_;
    std::optional<Values> values_;
};

// One text as itself, several as an array (an attribute with several authors, keywords, ...);
// nothing for none.
QVariant textValues(const QStringList &texts);

// Stores a text under the key unless it is empty: an empty tag is no value.
void putText(MetaDataSource::Values *values, const char *key, const QString &text);
