#include "platform/Sandbox.h"

#include <QString>
#include <QStringList>
#include <cstdlib>
#include <cstring>

#include "common/Log.h"

namespace Sandbox {

bool isSandboxedEnvironment(const char *containerId, const char *home, const char *flatpakId) {
    if (containerId || flatpakId) return true;
    return home && std::strstr(home, "/Library/Containers/") != nullptr;
}

namespace {

bool decide() {
    const char *containerId = std::getenv("APP_SANDBOX_CONTAINER_ID");
    const char *flatpakId = std::getenv("FLATPAK_ID");
    const char *home = std::getenv("HOME");
    const bool sandboxed = isSandboxedEnvironment(containerId, home, flatpakId);
    // Only the variables the test reads: the rest of the environment may hold secrets.
    auto variable = [](const char *name, const char *value) {
        return QStringLiteral("%1=%2").arg(
            QString::fromLatin1(name),
            value ? QString::fromLocal8Bit(value) : QStringLiteral("(unset)"));
    };
    Log::debug(QStringLiteral("environment: %1 => %2")
                   .arg(QStringList({variable("APP_SANDBOX_CONTAINER_ID", containerId),
                                     variable("FLATPAK_ID", flatpakId), variable("HOME", home)})
                            .join(QStringLiteral(", ")),
                        sandboxed ? QStringLiteral("sandboxed") : QStringLiteral("not sandboxed")));
    return sandboxed;
}

}  // namespace

bool isSandboxed() {
    static const bool sandboxed = decide();
    return sandboxed;
}

}  // namespace Sandbox
