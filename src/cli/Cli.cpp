#include "cli/Cli.h"

#include "cli/PreviewCommand.h"

namespace {

QString usage()
{
    return QStringLiteral("torvane-cli: rename many files at once\n\n"
                          "  preview   list the PATHs, compute and print every new name; "
                          "nothing on disk changes\n\n") +
           PreviewCommand::usage();
}

}  // namespace

int runCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    if (command == QLatin1String("preview")) {
        PreviewCommand preview(out, err);
        return preview.execute(arguments.mid(1));
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << usage();
        return 0;
    }
    err << (command.isEmpty() ? QString() : QStringLiteral("unknown command: %1\n").arg(command))
        << usage();
    err.flush();
    return 2;
}
