#pragma once

// Ctrl-C (SIGINT) or SIGTERM on the command line: the first one asks the running work to
// stop cleanly at the next step (a rename run closes its journal), a second one ends the
// program the ordinary way.
namespace InterruptFlag {

void install();
bool isSet();
void reset();
// The shell's status for the signal that set the flag: 128 + its number (130 for Ctrl-C).
int exitStatus();

}  // namespace InterruptFlag
