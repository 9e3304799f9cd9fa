#include "common/UserDefaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QMutexLocker>
#include <QThread>
#include <memory>

#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/PropertyList.h"
#include "common/UserDefaultsValues.h"

namespace {

constexpr int kWriteDelayMSecs = 1000;

QMutex &standardMutex() {
    static QMutex mutex;
    return mutex;
}

std::unique_ptr<UserDefaults> &standardInstance() {
    static std::unique_ptr<UserDefaults> instance;
    return instance;
}

QString logPrefix() { return QStringLiteral("[Defaults] "); }

}  // namespace

UserDefaults &UserDefaults::standardUserDefaults() {
    QMutexLocker locker(&standardMutex());
    std::unique_ptr<UserDefaults> &instance = standardInstance();
    if (!instance) {
        instance = std::make_unique<UserDefaults>(ApplicationSupport::configFolder() +
                                                  QStringLiteral("/com.quorlix.Torvane.plist"));
        if (QCoreApplication *application = QCoreApplication::instance()) {
            // A first use from a worker thread must not tie the write timer to that thread.
            instance->moveToThread(application->thread());
            static bool flushAtExit = false;
            if (!flushAtExit) qAddPostRoutine(&UserDefaults::resetStandardUserDefaults);
            flushAtExit = true;
        }
    }
    return *instance;
}

void UserDefaults::resetStandardUserDefaults() {
    std::unique_ptr<UserDefaults> old;
    {
        QMutexLocker locker(&standardMutex());
        old = std::move(standardInstance());
    }
    old.reset();  // flushes outside the lock: a log line may read the defaults anew
}

UserDefaults::UserDefaults(const QString &filePath, QObject *parent)
    : QObject(parent), filePath_(filePath) {
    writeTimer_.setParent(this);  // moves along with this object between threads
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(kWriteDelayMSecs);
    connect(&writeTimer_, &QTimer::timeout, this, [this] { synchronize(); });
    load();
}

UserDefaults::~UserDefaults() { synchronize(); }

void UserDefaults::load() {
    QFile file(filePath_);
    if (!file.exists()) return;
    QByteArray data;
    if (file.open(QIODevice::ReadOnly)) data = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        readOnly_ = true;
        Log::line(logPrefix() + QStringLiteral("cannot read %1: %2; changes will not be saved")
                                    .arg(filePath_, file.errorString()));
        return;
    }
    QString error;
    const QVariant value = PropertyList::fromData(data, &error);
    if (value.typeId() == QMetaType::QVariantMap) {
        persistent_ = value.toMap();
        return;
    }
    setAside(value.isValid() ? QStringLiteral("not a dictionary") : error);
}

void UserDefaults::setAside(const QString &reason) {
    const QString base =
        filePath_ + QStringLiteral(".corrupt-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int number = 2; QFile::exists(aside); ++number)
        aside = base + QStringLiteral("-%1").arg(number);
    if (QFile::rename(filePath_, aside)) {
        Log::line(
            logPrefix() +
            QStringLiteral("%1 is damaged (%2); set aside as %3").arg(filePath_, reason, aside));
        return;
    }
    readOnly_ = true;
    Log::line(
        logPrefix() +
        QStringLiteral("%1 is damaged (%2) and cannot be set aside; changes will not be saved")
            .arg(filePath_, reason));
}

void UserDefaults::registerDefaults(const QVariantMap &defaults) {
    QMutexLocker locker(&mutex_);
    for (auto it = defaults.constBegin(); it != defaults.constEnd(); ++it) {
        // Registered values read back in the same types as stored ones, where they can.
        const QVariant value = UserDefaultsValues::normalized(it.value());
        registered_.insert(it.key(), value.isValid() ? value : it.value());
    }
}

QVariantMap UserDefaults::registeredDefaults() const {
    QMutexLocker locker(&mutex_);
    return registered_;
}

QVariant UserDefaults::objectForKey(const QString &key) const {
    QMutexLocker locker(&mutex_);
    const auto found = persistent_.constFind(key);
    return found != persistent_.constEnd() ? found.value() : registered_.value(key);
}

bool UserDefaults::boolForKey(const QString &key) const {
    return UserDefaultsValues::toBool(objectForKey(key));
}

qint64 UserDefaults::integerForKey(const QString &key) const {
    return UserDefaultsValues::toInteger(objectForKey(key));
}

double UserDefaults::doubleForKey(const QString &key) const {
    return UserDefaultsValues::toDouble(objectForKey(key));
}

QString UserDefaults::stringForKey(const QString &key) const {
    return UserDefaultsValues::toString(objectForKey(key));
}

QVariantList UserDefaults::arrayForKey(const QString &key) const {
    const QVariant value = objectForKey(key);
    return value.typeId() == QMetaType::QVariantList ? value.toList() : QVariantList();
}

QVariantMap UserDefaults::dictionaryForKey(const QString &key) const {
    const QVariant value = objectForKey(key);
    return value.typeId() == QMetaType::QVariantMap ? value.toMap() : QVariantMap();
}

QVariantMap UserDefaults::dictionaryRepresentation() const {
    QMutexLocker locker(&mutex_);
    QVariantMap values = registered_;
    values.insert(persistent_);
    return values;
}

bool UserDefaults::hasPersistentValueForKey(const QString &key) const {
    QMutexLocker locker(&mutex_);
    return persistent_.contains(key);
}

void UserDefaults::setObject(const QVariant &value, const QString &key) {
    if (!value.isValid()) {
        removeObjectForKey(key);
        return;
    }
    QString error;
    const QVariant stored = UserDefaultsValues::normalized(value, &error);
    if (!stored.isValid()) {
        // Keeping it would make every later write of the store fail.
        Log::line(logPrefix() + QStringLiteral("cannot store %1: %2").arg(key, error));
        return;
    }
    {
        QMutexLocker locker(&mutex_);
        const auto found = persistent_.constFind(key);
        if (found != persistent_.constEnd() && UserDefaultsValues::identical(found.value(), stored))
            return;
        persistent_.insert(key, stored);
    }
    scheduleWrite();
    emit valueChanged(key);
}

void UserDefaults::setBool(bool value, const QString &key) { setObject(QVariant(value), key); }

void UserDefaults::setInteger(qint64 value, const QString &key) { setObject(QVariant(value), key); }

void UserDefaults::removeAllPersistentValues() {
    {
        QMutexLocker locker(&mutex_);
        if (persistent_.isEmpty()) return;
        persistent_.clear();
    }
    scheduleWrite();
}

void UserDefaults::removeObjectForKey(const QString &key) {
    {
        QMutexLocker locker(&mutex_);
        if (persistent_.remove(key) == 0) return;
    }
    scheduleWrite();
    emit valueChanged(key);
}

bool UserDefaults::synchronize() {
    if (QThread::currentThread() == thread()) writeTimer_.stop();
    // The lock is held while writing, so that two writers cannot put an older state last.
    QMutexLocker locker(&mutex_);
    if (!dirty_) return true;
    if (readOnly_) {
        if (!reportedReadOnly_)
            Log::line(logPrefix() + QStringLiteral("changes are not saved to %1").arg(filePath_));
        reportedReadOnly_ = true;
        return false;
    }
    QString error;
    if (!PropertyList::writeFile(filePath_, persistent_, PropertyList::Format::Xml, &error)) {
        Log::line(logPrefix() + error);
        return false;  // still dirty: the next change or synchronize tries again
    }
    dirty_ = false;
    return true;
}

void UserDefaults::scheduleWrite() {
    {
        QMutexLocker locker(&mutex_);
        dirty_ = true;
    }
    if (QThread::currentThread() == thread())
        writeTimer_.start();
    else
        QMetaObject::invokeMethod(&writeTimer_, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}
