#include "cli/Cli.h"

#include <unistd.h>

#include "cli/HistoryCommand.h"
#include "cli/PresetsCommand.h"
#include "cli/PreviewCommand.h"
#include "cli/RenameCommand.h"
#include "cli/RevertCommand.h"
#include "cli/UnfinishedJournalReport.h"

namespace {

QString usage() {
    return QStringLiteral(
               "torvane-cli: rename many files at once\n\n"
               "  preview   list the PATHs, compute and print every new name; "
               "nothing on disk changes\n"
               "  rename    list the PATHs, compute every new name and rename the "
               "items on disk\n"
               "  revert    undo the last rename run, or one that was interrupted\n"
               "  finish    close a rename run that was interrupted, as it stands\n"
               "  presets   list the presets that --preset NAME can name\n"
               "  history   list the configurations used for renaming\n\n") +
           PreviewCommand::usage() + '\n' + RenameCommand::usage() + '\n' + RevertCommand::usage() +
           '\n' + RevertCommand::finishUsage() + '\n' + PresetsCommand::usage() + '\n' +
           HistoryCommand::usage();
}

}  // namespace

int runCli(const QStringList &arguments, QTextStream &out, QTextStream &err) {
    const QString command = arguments.value(0);
    // preview and rename offer to finish or undo an interrupted run on a terminal.
    setUnfinishedJournalOfferInteractive(isatty(STDIN_FILENO));
    if (command == QLatin1String("preview")) {
        PreviewCommand preview(out, err);
        return preview.execute(arguments.mid(1));
    }
    if (command == QLatin1String("rename")) {
        RenameCommand rename(out, err, isatty(STDIN_FILENO));
        return rename.execute(arguments.mid(1));
    }
    if (command == QLatin1String("revert")) {
        QTextStream in(stdin);
        RevertCommand revert(out, err, isatty(STDIN_FILENO), in);
        return revert.execute(arguments.mid(1));
    }
    if (command == QLatin1String("finish")) {
        QTextStream in(stdin);
        RevertCommand finish(out, err, false, in);
        return finish.executeFinish(arguments.mid(1));
    }
    if (command == QLatin1String("presets"))
        return PresetsCommand(out, err).execute(arguments.mid(1));
    if (command == QLatin1String("history"))
        return HistoryCommand(out, err).execute(arguments.mid(1));
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << usage();
        return 0;
    }
    err << (command.isEmpty() ? QString() : QStringLiteral("unknown command: %1\n").arg(command))
        << usage();
    err.flush();
    return 2;
}
