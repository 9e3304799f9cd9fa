#pragma once

#include <optional>
#include <string>
#include <string_view>

// Large lists touch a lot of fresh heap memory, and with the system's transparent huge pages
// set to "madvise" every 4 KiB of it costs a page fault: on a list of 100,000 items that is
// about half of the listing's time. glibc backs its heap with huge pages only when asked
// through the GLIBC_TUNABLES environment variable, which it reads at start-up, so the
// launcher (torvane-cli, without Qt) adds the tunable before it starts the program itself.
// Plain C++ only: the launcher must stay light to start.
namespace HugePageHeap {

// The tunables with huge pages for the heap added to the existing ones (null when none), or
// none when they already say something about it (the user's choice stands).
std::optional<std::string> tunablesWithHugePages(const char *existing);

// Whether the system's transparent huge pages are given only on request: the one setting
// under which the tunable changes anything. The text is the content of
// /sys/kernel/mm/transparent_hugepage/enabled.
bool givenOnlyOnRequest(std::string_view setting);

// Adds the tunable to this process's environment, for the program it executes next, when the
// command lists files, the system gives huge pages only on request and the tunable is not
// there yet.
void addTunableWhenListing(int argc, char **argv);

}  // namespace HugePageHeap
