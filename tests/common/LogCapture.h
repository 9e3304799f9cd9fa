#pragma once

#include <QStringList>

#include "common/Log.h"

// Captures log lines for the life of the object, then restores the default destinations.
class LogCapture {
public:
    LogCapture() {
        Log::setSink([this](const QString &line) { lines_.append(line); });
    }
    ~LogCapture() { Log::setSink({}); }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    const QStringList &lines() const { return lines_; }
    bool contains(const QString &text) const { return !lines_.filter(text).isEmpty(); }

private:
    QStringList lines_;
};
