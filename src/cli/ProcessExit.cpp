#include "cli/ProcessExit.h"

#include <cstdio>
#include <cstdlib>

#include "common/UserDefaults.h"

namespace ProcessExit {

namespace {

bool enabled = false;

}  // namespace

void setEndsWithoutTeardown(bool value) { enabled = value; }

bool endsWithoutTeardown() { return enabled; }

void endNowIfEnabled(int status, QTextStream &out, QTextStream &err) {
    if (!enabled) return;
    out.flush();
    err.flush();
    // Settings are otherwise written when their object is destroyed, which is skipped here.
    UserDefaults::standardUserDefaults().synchronize();
    std::fflush(nullptr);
    std::_Exit(status);
}

}  // namespace ProcessExit
