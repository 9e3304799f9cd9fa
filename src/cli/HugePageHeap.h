#pragma once

#include <QByteArray>
#include <optional>

// Large lists touch a lot of fresh heap memory, and with the system's transparent huge pages
// set to "madvise" every 4 KiB of it costs a page fault: on a list of 100,000 items that is
// about half of the listing's time. glibc backs its heap with huge pages only when asked
// through the GLIBC_TUNABLES environment variable, which it reads at start-up, so a command
// that lists restarts itself once with that tunable added.
namespace HugePageHeap {

// The tunables with huge pages for the heap added to the existing ones (null when none), or
// none when they already say something about it (the user's choice stands).
std::optional<QByteArray> tunablesWithHugePages(const char *existing);

// Whether the system's transparent huge pages are given only on request: the one setting
// under which the tunable changes anything. The text is the content of
// /sys/kernel/mm/transparent_hugepage/enabled.
bool givenOnlyOnRequest(const QByteArray &setting);

// Restarts the running program (/proc/self/exe) with the same arguments and the tunable
// added, when the command lists files, the system gives huge pages only on request and the
// tunable is not there yet. Returns when there is nothing to do or the restart fails; the
// program then simply goes on without huge pages.
void restartWithHugePagesWhenListing(int argc, char **argv);

}  // namespace HugePageHeap
