#pragma once

#include <optional>
#include <string>
#include <string_view>

// Large lists touch a lot of fresh heap memory, and every page touched for the first time
// costs a page fault: with the system's transparent huge pages set to "madvise", one per
// 4 KiB. On a list of 100,000 items that was about half of the listing's time, and on a
// virtual machine a fault costs about as much as renaming a file. glibc reads how it manages
// its heap from the GLIBC_TUNABLES environment variable at start-up only, so the launcher
// (torvane-cli, without Qt) adds the tunables before it starts the program itself:
// - glibc.malloc.hugetlb=1: the heap on huge pages (only where they are given on request);
// - glibc.malloc.arena_max=1, with huge pages only: every thread allocates from the one heap.
//   A heap of a thread's own begins with a whole huge page to clear, and a run starts a few
//   short-lived helper threads that each need little;
// - glibc.malloc.mmap_threshold: large blocks (a list of every item) come from the heap too.
//   A block of its own is given back when freed and faulted in again, 4 KiB at a time;
// - glibc.malloc.top_pad: the heap grows in large steps. Huge pages back only whole aligned
//   2 MiB of it, which steps of the default 128 KiB rarely hold.
// Plain C++ only: the launcher must stay light to start.
namespace HugePageHeap {

// The heap tunables added to the existing ones (null when none), each one only when the
// existing ones do not name it (the user's choice stands); none when nothing is added.
// Huge pages are asked for only with hugePages.
std::optional<std::string> tunablesForListing(const char *existing, bool hugePages);

// Whether the system's transparent huge pages are given only on request: the one setting
// under which asking for them changes anything. The text is the content of
// /sys/kernel/mm/transparent_hugepage/enabled.
bool givenOnlyOnRequest(std::string_view setting);

// Adds the tunables to this process's environment, for the program it executes next, when
// the command lists files.
void addTunablesWhenListing(int argc, char **argv);

// Moves the end of the heap up to the next 2 MiB boundary, so that the heap malloc makes
// begins there. Address randomisation starts the heap anywhere in a 2 MiB stretch, and huge
// pages back only whole aligned ones: up to 2 MiB of the heap's busiest start went 4 KiB at
// a time, up to 500 page faults more in one run than in the next. The program calls this
// before any library allocates; the space skipped is never touched.
void alignHeapStart();

}  // namespace HugePageHeap
