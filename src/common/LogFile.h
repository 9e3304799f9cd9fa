#pragma once

#include <QString>

namespace Log {

// The file the log lines go to: $XDG_STATE_HOME/Torvane/torvane.log (the previous one,
// after rotation, is that path + ".1").
QString filePath();

}  // namespace Log
