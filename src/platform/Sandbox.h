#pragma once

// Whether the process runs inside an application sandbox.
namespace Sandbox {

// True when the environment has "APP_SANDBOX_CONTAINER_ID" or "FLATPAK_ID" (a Flatpak
// sandbox), or "HOME" contains "/Library/Containers/". Decided on the first call (with a
// debug log line) and kept for the life of the process.
bool isSandboxed();

// The test itself, for the given environment values (null when a variable is not set).
bool isSandboxedEnvironment(const char *containerId, const char *home,
                            const char *flatpakId = nullptr);

}  // namespace Sandbox
