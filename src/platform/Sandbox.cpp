#include "platform/Sandbox.h"

#include <cstdlib>
#include <cstring>

namespace Sandbox {

bool isSandboxedEnvironment(const char *containerId, const char *home) {
    if (containerId) return true;
    return home && std::strstr(home, "/Library/Containers/") != nullptr;
}

bool isSandboxed() {
    static const bool sandboxed =
        isSandboxedEnvironment(std::getenv("APP_SANDBOX_CONTAINER_ID"), std::getenv("HOME"));
    return sandboxed;
}

}  // namespace Sandbox
