#include "common/Log.h"

#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <cstdio>

#include "common/ApplicationSupport.h"
#include "common/LogFile.h"
#include "common/UserDefaults.h"

namespace Log {

namespace {

constexpr qint64 kRotationSize = 1024 * 1024;

struct State {
    QMutex mutex;
    std::function<void(const QString &)> sink;
    bool echo = true;
};

// Never destroyed: objects torn down at exit (the user defaults flushing) may still log.
State &state() {
    static State *const instance = new State;
    return *instance;
}

QString singleLine(const QString &message) {
    QString line = message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

void rotateIfLarge(const QString &path) {
    if (QFileInfo(path).size() <= kRotationSize) return;
    const QByteArray from = QFile::encodeName(path);
    // rename() replaces an older ".1" in one step.
    std::rename(from.constData(), (from + ".1").constData());
}

// Failures to write the file go unreported: there is nowhere left to report them.
void appendToFile(const QString &line) {
    const QString path = filePath();
    rotateIfLarge(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    // Local time with its offset, so that lines stay comparable across time-zone changes.
    const QDateTime now = QDateTime::currentDateTime();
    const QString stamp = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODateWithMs);
    file.write(QStringLiteral("%1 [%2] %3\n").arg(stamp).arg(::getpid()).arg(line).toUtf8());
}

}  // namespace

QString filePath() { return ApplicationSupport::stateFolder() + QStringLiteral("/torvane.log"); }

void line(const QString &message) {
    const QString text = singleLine(message);
    State &current = state();
    QMutexLocker locker(&current.mutex);
    if (current.sink) {
        current.sink(text);
        return;
    }
    if (current.echo) std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    appendToFile(text);
}

void debug(const QString &message) {
    if (isDebugEnabled()) line(QStringLiteral("[Debug] ") + message);
}

bool isDebugEnabled() {
    return UserDefaults::standardUserDefaults().boolForKey(QStringLiteral("ZKDebugLog"));
}

void setSink(std::function<void(const QString &)> sink) {
    QMutexLocker locker(&state().mutex);
    state().sink = std::move(sink);
}

void setEchoToStandardError(bool echo) {
    QMutexLocker locker(&state().mutex);
    state().echo = echo;
}

}  // namespace Log
