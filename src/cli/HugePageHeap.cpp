#include "cli/HugePageHeap.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace HugePageHeap {

namespace {

constexpr char hugePagesTunable[] = "glibc.malloc.hugetlb";
constexpr char arenasTunable[] = "glibc.malloc.arena_max";
// 32 MiB, the largest threshold glibc takes; the same step for the heap's growth.
constexpr char heapTunables[][2][32] = {{"glibc.malloc.mmap_threshold", "33554432"},
                                        {"glibc.malloc.top_pad", "33554432"}};

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

std::optional<std::string> tunablesForListing(const char *existing, bool hugePages) {
    std::string tunables = existing ? existing : "";
    bool added = false;
    const auto add = [&](const char *name, const char *value) {
        if (tunables.find(name) != std::string::npos) return;
        if (!tunables.empty()) tunables += ':';
        tunables += std::string(name) + '=' + value;
        added = true;
    };
    if (hugePages) {
        add(hugePagesTunable, "1");
        add(arenasTunable, "1");
    }
    for (const auto &[name, value] : heapTunables) add(name, value);
    return added ? std::optional<std::string>(std::move(tunables)) : std::nullopt;
}

bool givenOnlyOnRequest(std::string_view setting) {
    return setting.find("[madvise]") != std::string_view::npos;
}

void addTunablesWhenListing(int argc, char **argv) {
    if (!commandLists(argc, argv)) return;
    const std::optional<std::string> tunables = tunablesForListing(
        std::getenv("GLIBC_TUNABLES"), givenOnlyOnRequest(transparentHugePageSetting()));
    if (tunables) ::setenv("GLIBC_TUNABLES", tunables->c_str(), 1);
}

void alignHeapStart() {
    constexpr std::uintptr_t hugePage = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    const std::uintptr_t aligned = (start + hugePage - 1) & ~(hugePage - 1);
    if (start != std::uintptr_t(-1) && aligned != start) ::sbrk(intptr_t(aligned - start));
}

}  // namespace HugePageHeap
