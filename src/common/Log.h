#pragma once

#include <QString>
#include <functional>

// Single log lines to standard error and to $XDG_STATE_HOME/Torvane/torvane.log (which is
// renamed to torvane.log.1 once it exceeds 1 MiB). Safe to call from any thread.
namespace Log {

// Writes one line (line breaks inside are replaced by spaces).
void line(const QString &message);

// Writes "[Debug] " + message, only while the user default "ZKDebugLog" is on.
void debug(const QString &message);
bool isDebugEnabled();

// Replaces where lines go (tests capture them); an empty function restores the default.
// The sink gets one line at a time, under the log's lock, and must not log itself.
void setSink(std::function<void(const QString &)> sink);

// Stops writing to standard error (the log file is still written); for quiet CLI output.
void setEchoToStandardError(bool echo);

}  // namespace Log
