#pragma once

// Ctrl-C on the command line: the first one asks the running work to stop cleanly, a second
// one ends the program the ordinary way.
namespace InterruptFlag {

void install();
bool isSet();
void reset();

}  // namespace InterruptFlag
