// torvane-cli as the user starts it: a program without Qt that only prepares the environment
// of the command-line program (torvane-cli-main) and executes it in its place, with the same
// arguments and process. Setting glibc's tunables here, before any library is loaded, spares
// the command-line program a restart of its own (see HugePageHeap).

#include <errno.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "cli/HugePageHeap.h"

namespace {

constexpr char mainProgramName[] = "torvane-cli-main";

// The program beside this one (the build tree), else in the installation's folder of
// programs run by other programs ("<prefix>/bin/torvane-cli" starts
// "<prefix>/libexec/torvane-cli-main"). Absolute, never looked for on a search path.
std::string mainProgram() {
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self);
    if (length <= 0 || size_t(length) >= sizeof self) return {};
    std::string folder(self, size_t(length));
    folder.erase(folder.rfind('/'));
    const std::string beside = folder + '/' + mainProgramName;
    if (::access(beside.c_str(), X_OK) == 0) return beside;
    return folder + "/../" TORVANE_LIBEXECDIR "/" + mainProgramName;
}

}  // namespace

int main(int argc, char **argv) {
    HugePageHeap::addTunablesWhenListing(argc, argv);
    const std::string program = mainProgram();
    if (!program.empty()) ::execv(program.c_str(), argv);
    const int error = errno;
    std::fprintf(stderr, "torvane-cli: cannot start %s: %s\n",
                 program.empty() ? mainProgramName : program.c_str(), std::strerror(error));
    return 127;
}
