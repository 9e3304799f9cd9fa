#include "cli/HugePageHeap.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace HugePageHeap {

namespace {

constexpr char tunable[] = "glibc.malloc.hugetlb";

// Only these commands list; the others end long before the heap matters.
bool commandLists(int argc, char **argv) {
    if (argc < 2) return false;
    return std::strcmp(argv[1], "preview") == 0 || std::strcmp(argv[1], "rename") == 0;
}

std::string transparentHugePageSetting() {
    std::FILE *file = std::fopen("/sys/kernel/mm/transparent_hugepage/enabled", "re");
    if (!file) return {};
    char text[256];
    const size_t size = std::fread(text, 1, sizeof text, file);
    std::fclose(file);
    return std::string(text, size);
}

}  // namespace

std::optional<std::string> tunablesWithHugePages(const char *existing) {
    const std::string current = existing ? existing : "";
    if (current.find(tunable) != std::string::npos) return std::nullopt;
    const std::string added = std::string(tunable) + "=1";
    return current.empty() ? added : current + ':' + added;
}

bool givenOnlyOnRequest(std::string_view setting) {
    return setting.find("[madvise]") != std::string_view::npos;
}

void addTunableWhenListing(int argc, char **argv) {
    if (!commandLists(argc, argv)) return;
    const std::optional<std::string> tunables =
        tunablesWithHugePages(std::getenv("GLIBC_TUNABLES"));
    // Already there (the user's choice stands), or nothing to gain.
    if (!tunables || !givenOnlyOnRequest(transparentHugePageSetting())) return;
    ::setenv("GLIBC_TUNABLES", tunables->c_str(), 1);
}

}  // namespace HugePageHeap
