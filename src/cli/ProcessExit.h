#pragma once

#include <QTextStream>

// Ending the process without tearing down what it built. Freeing a large list record by
// record takes a noticeable share of a command's time, and the system reclaims it all at once
// anyway. Only the program's own shell turns this on; commands run in-process (the tests)
// always return normally.
namespace ProcessExit {

void setEndsWithoutTeardown(bool enabled);
bool endsWithoutTeardown();

// When turned on: writes out both streams, standard output and error and the user defaults,
// then ends the process with the status. Otherwise returns at once.
void endNowIfEnabled(int status, QTextStream &out, QTextStream &err);

}  // namespace ProcessExit
