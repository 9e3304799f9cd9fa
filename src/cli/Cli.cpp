#include "cli/Cli.h"

#include "cli/PreviewCommand.h"

namespace {

const char *const kUsage =
    "usage: torvane-cli preview --steps FILE [--json] PATH...\n"
    "\n"
    "  preview   compute and print the new name of every PATH; nothing on disk changes\n";

}  // namespace

int runCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    if (command == QLatin1String("preview")) {
        PreviewCommand preview(out, err);
        return preview.execute(arguments.mid(1));
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << kUsage;
        return 0;
    }
    err << (command.isEmpty() ? QString() : QStringLiteral("unknown command: %1\n").arg(command))
        << kUsage;
    err.flush();
    return 2;
}
