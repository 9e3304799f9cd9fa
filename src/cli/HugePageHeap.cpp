#include "cli/HugePageHeap.h"

#include <unistd.h>

#include <QFile>
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

QByteArray transparentHugePageSetting() {
    QFile setting(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    return setting.open(QIODevice::ReadOnly) ? setting.readAll() : QByteArray();
}

}  // namespace

std::optional<QByteArray> tunablesWithHugePages(const char *existing) {
    const QByteArray current(existing ? existing : "");
    if (current.contains(tunable)) return std::nullopt;
    const QByteArray added = QByteArray(tunable) + "=1";
    return current.isEmpty() ? added : current + ':' + added;
}

bool givenOnlyOnRequest(const QByteArray &setting) { return setting.contains("[madvise]"); }

void restartWithHugePagesWhenListing(int argc, char **argv) {
    if (!commandLists(argc, argv)) return;
    const std::optional<QByteArray> tunables = tunablesWithHugePages(std::getenv("GLIBC_TUNABLES"));
    // Already restarted (or the user chose): never restart twice.
    if (!tunables || !givenOnlyOnRequest(transparentHugePageSetting())) return;
    if (::setenv("GLIBC_TUNABLES", tunables->constData(), 1) != 0) return;
    ::execv("/proc/self/exe", argv);
}

}  // namespace HugePageHeap
