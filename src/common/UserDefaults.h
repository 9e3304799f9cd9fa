#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QVariantMap>

// The user defaults: one persistent store (an XML property list) over a registered layer
// that is never written. A missing key reads as its registered value, else its type's default.
// Writes are debounced (written shortly after the last change) and flushed by synchronize();
// a store that cannot be parsed is set aside under a new name with a log line.
// Reads and writes may come from any thread; the debounced write runs in the object's thread.
class UserDefaults : public QObject {
    Q_OBJECT
public:
    // The process-wide store at $XDG_CONFIG_HOME/Torvane/com.quorlix.Torvane.plist. It lives
    // in the application's main thread and is flushed when the application object goes.
    static UserDefaults &standardUserDefaults();
    // Drops the process-wide store (flushing it first); the next access reads the file anew.
    // References to the old store must no longer be used.
    static void resetStandardUserDefaults();

    // Reads the store at filePath. A file that is no property-list dictionary is renamed to
    // filePath + ".corrupt-<UTC time>" (with a log line) and the store starts empty; a file
    // that cannot be read at all is left alone and changes are then kept in memory only.
    explicit UserDefaults(const QString &filePath, QObject *parent = nullptr);
    ~UserDefaults() override;

    // Adds to the registered layer (keys given again replace their earlier value).
    void registerDefaults(const QVariantMap &defaults);
    QVariantMap registeredDefaults() const;

    // The persistent value, else the registered one, else an invalid QVariant.
    QVariant objectForKey(const QString &key) const;
    // Numbers are true when not zero; strings as the platform reads them ("YES", "true", "1"
    // and any text starting with Y, y, T, t or a digit 1-9 after blanks, a sign and zeros).
    bool boolForKey(const QString &key) const;
    // Booleans are 0 or 1, reals are truncated, strings give their leading integer; else 0.
    qint64 integerForKey(const QString &key) const;
    // Booleans are 0 or 1, strings give their leading number; else 0.
    double doubleForKey(const QString &key) const;
    // Strings, and numbers in their text form ("1" for true); else a null string.
    QString stringForKey(const QString &key) const;
    // Arrays; else an empty list.
    QVariantList arrayForKey(const QString &key) const;
    // Dictionaries; else an empty map.
    QVariantMap dictionaryForKey(const QString &key) const;
    // Every key with its value as objectForKey reads it: the registered layer overlaid by the
    // persistent one.
    QVariantMap dictionaryRepresentation() const;
    // Whether the persistent layer holds the key (registered values do not count).
    bool hasPersistentValueForKey(const QString &key) const;

    // Stores the value as a property list will give it back (integers as qint64, string lists
    // as lists, dates in UTC). An invalid QVariant removes the key; a value a property list
    // cannot hold is refused with a log line. valueChanged is emitted when the value changes.
    void setObject(const QVariant &value, const QString &key);
    void setBool(bool value, const QString &key);
    void setInteger(qint64 value, const QString &key);
    void removeObjectForKey(const QString &key);
    // Forgets every persistent value at once, without announcing each: a fresh start, as
    // between two tests. The registered layer stays.
    void removeAllPersistentValues();

    // Writes pending changes now. False (and a log line) when the file cannot be written.
    bool synchronize();
    QString filePath() const { return filePath_; }

signals:
    void valueChanged(const QString &key);

private:
    void load();
    void setAside(const QString &reason);
    void scheduleWrite();

    const QString filePath_;
    mutable QMutex mutex_;  // guards the maps and the flags below
    QVariantMap persistent_;
    QVariantMap registered_;
    bool dirty_ = false;
    bool readOnly_ = false;  // the file could not be read or set aside: never overwrite it
    bool reportedReadOnly_ = false;
    QTimer writeTimer_;
};
