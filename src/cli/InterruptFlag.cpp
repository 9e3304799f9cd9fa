#include "cli/InterruptFlag.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int signal) { interrupted = signal; }

}  // namespace

namespace InterruptFlag {

void install() {
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;  // a second signal is not caught
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool isSet() { return interrupted != 0; }

void reset() { interrupted = 0; }

int exitStatus() { return 128 + (interrupted != 0 ? int(interrupted) : SIGINT); }

}  // namespace InterruptFlag
