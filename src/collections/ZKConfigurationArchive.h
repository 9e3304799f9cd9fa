#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <optional>

// A flat key-value record of a whole configuration: the steps, the listing choices, the sort
// priorities and the switches. Implemented over an in-memory dictionary (droplets, services,
// relay files) and over the user defaults (launch and quit).
//
// Reading is the same for every store: only property-list numbers (booleans, integers,
// reals) give a boolean or an integer; a string, date, array or dictionary is of the wrong
// kind and reads as the caller's default.
class ZKConfigurationArchive {
public:
    virtual ~ZKConfigurationArchive() = default;

    // Stores the value as a property list holds it; an invalid QVariant removes the key.
    virtual void setObject(const QVariant &value, const QString &key) = 0;
    void setBool(bool value, const QString &key);
    void setInteger(qint64 value, const QString &key);

    // The value, or an invalid QVariant when there is none.
    virtual QVariant objectForKey(const QString &key) const = 0;
    // Every key with its value (older archives keep a step's settings at the top level).
    virtual QVariantMap dictionaryRepresentation() const = 0;

    bool hasValue(const QString &key) const { return objectForKey(key).isValid(); }
    // The integer (reals truncated, booleans 0 or 1); 0 and *ok false for a missing or
    // wrong-kind value.
    qint64 integerForKey(const QString &key, bool *ok = nullptr) const;
    // The boolean (numbers are true when not zero), else defaultValue.
    bool boolForKey(const QString &key, bool defaultValue) const;

    // The same conversions for a value already taken out of an archive.
    static std::optional<qint64> integerFromValue(const QVariant &value);
    static std::optional<bool> boolFromValue(const QVariant &value);
};
