#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/ArgumentEncoding.h"
#include "cli/Cli.h"
#include "cli/HugePageHeap.h"
#include "cli/ProcessExit.h"
#include "common/Translations.h"

namespace {

void alignHeapStart(int, char **, char **) { HugePageHeap::alignHeapStart(); }

// Before the libraries' own initialisation, which allocates already.
[[gnu::section(".preinit_array"),
  gnu::used]] void (*const alignHeapFirst)(int, char **, char **) = alignHeapStart;

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Torvane"));
    // The core's messages (alerts, warnings) in the session's language.
    Translations::install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const auto invalid = ArgumentEncoding::firstInvalidArgument(argc, argv))
        return ArgumentEncoding::refuseInvalidArgument(*invalid, err);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    ProcessExit::setEndsWithoutTeardown(true);
    return runCli(arguments, out, err);
}
