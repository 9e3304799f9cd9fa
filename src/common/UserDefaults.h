#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QVariantMap>

// The user defaults: one persistent store (an XML property list) over a registered layer
// that is never written. A missing key reads as its registered value, else its type's default.
// Writes are debounced (written shortly after the last change) and flushed by synchronize();
// a store that cannot be parsed is set aside under a new name with a log line.
class UserDefaults : public QObject {
    Q_OBJECT
public:
    // The process-wide store at $XDG_CONFIG_HOME/Torvane/com.quorlix.Torvane.plist.
    static UserDefaults &standardUserDefaults();
    // Drops the process-wide store (flushing it first); the next access reads the file anew.
    static void resetStandardUserDefaults();

    explicit UserDefaults(const QString &filePath, QObject *parent = nullptr);
    ~UserDefaults() override;

    void registerDefaults(const QVariantMap &defaults);
    QVariantMap registeredDefaults() const { return registered_; }

    // The persistent value, else the registered one, else an invalid QVariant.
    QVariant objectForKey(const QString &key) const;
    bool boolForKey(const QString &key) const;
    qint64 integerForKey(const QString &key) const;
    double doubleForKey(const QString &key) const;
    QString stringForKey(const QString &key) const;
    QVariantList arrayForKey(const QString &key) const;
    QVariantMap dictionaryForKey(const QString &key) const;
    // Whether the persistent layer holds the key (registered values do not count).
    bool hasPersistentValueForKey(const QString &key) const;

    void setObject(const QVariant &value, const QString &key);
    void setBool(bool value, const QString &key);
    void setInteger(qint64 value, const QString &key);
    void removeObjectForKey(const QString &key);

    // Writes pending changes now. False (and a log line) when the file cannot be written.
    bool synchronize();
    QString filePath() const { return filePath_; }

signals:
    void valueChanged(const QString &key);

private:
    void load();
    void scheduleWrite();

    QString filePath_;
    QVariantMap persistent_;
    QVariantMap registered_;
    bool dirty_ = false;
    QTimer writeTimer_;
};
