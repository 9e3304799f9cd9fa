#include "cli/Cli.h"

#include <unistd.h>

#include <optional>

#include "cli/CommandHelp.h"
#include "cli/CompletionWords.h"
#include "cli/HistoryCommand.h"
#include "cli/PresetsCommand.h"
#include "cli/PreviewCommand.h"
#include "cli/RenameCommand.h"
#include "cli/RevertCommand.h"
#include "cli/UnfinishedJournalReport.h"

namespace {

using CommandHelp::Language;

QString usage(Language language = Language::English) {
    return CommandHelp::block(QT_TRANSLATE_NOOP("CommandHelp",
                                                "usage: torvane-cli COMMAND [options] [PATH...]\n"
                                                "       torvane-cli help COMMAND | --help | "
                                                "--version\n"),
                              language) +
           CommandHelp::block(
               QT_TRANSLATE_NOOP(
                   "CommandHelp",
                   "rename many files at once\n\n"
                   "commands:\n"
                   "  preview   list the PATHs, compute and print every new name; nothing on disk "
                   "changes\n"
                   "  rename    list the PATHs, compute every new name and rename the items on "
                   "disk\n"
                   "  revert    undo the last rename run, or one that was interrupted\n"
                   "  finish    close a rename run that was interrupted, as it stands\n"
                   "  presets   list the presets that --preset NAME can name\n"
                   "  history   list the configurations used for renaming\n"
                   "  help      show the help of a command\n\n"
                   "options:\n"
                   "  -h, --help                              show this help (after a command: "
                   "its help)\n"
                   "  --version                               show the version\n\n"
                   "Try 'torvane-cli help preview' for the steps and listing options.\n"),
               language);
}

std::optional<QString> commandUsage(const QString &command, Language language = Language::English) {
    if (command == QLatin1String("preview")) return PreviewCommand::usage(language);
    if (command == QLatin1String("rename")) return RenameCommand::usage(language);
    if (command == QLatin1String("revert")) return RevertCommand::usage(language);
    if (command == QLatin1String("finish")) return RevertCommand::finishUsage(language);
    if (command == QLatin1String("presets")) return PresetsCommand::usage(language);
    if (command == QLatin1String("history")) return HistoryCommand::usage(language);
    if (command == QLatin1String("help"))
        return CommandHelp::block(
                   QT_TRANSLATE_NOOP("CommandHelp", "usage: torvane-cli help [COMMAND]\n"),
                   language) +
               CommandHelp::block(QT_TRANSLATE_NOOP("CommandHelp", "shows the help of COMMAND\n"),
                                  language);
    return std::nullopt;
}

int unknownCommand(const QString &command, QTextStream &err) {
    if (!command.isEmpty())
        err << "torvane-cli: " << CommandHelp::tr("unknown command: %1").arg(command) << '\n';
    err << CommandHelp::translatedUsageLines(usage())
        << CommandHelp::tr("Try 'torvane-cli --help' for more.\n");
    err.flush();
    return CommandHelp::kBadInput;
}

// `help [COMMAND]`.
int help(const QString &command, QTextStream &out, QTextStream &err) {
    const std::optional<QString> text = command.isEmpty()
                                            ? usage(Language::Translated)
                                            : commandUsage(command, Language::Translated);
    if (!text) return unknownCommand(command, err);
    out << *text;
    out.flush();
    return 0;
}

}  // namespace

int runCli(const QStringList &arguments, QTextStream &out, QTextStream &err) {
    const QString command = arguments.value(0);
    if (command == QLatin1String("--version")) {
        out << CommandHelp::versionLine() << '\n';
        out.flush();
        return 0;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h"))
        return help(QString(), out, err);
    if (command == QLatin1String("help")) return help(arguments.value(1), out, err);
    if (command == CompletionWords::kCommand)
        return CompletionWords::print(arguments.mid(1), out, err);
    if (commandUsage(command) && CommandHelp::asksForHelp(arguments.mid(1)))
        return help(command, out, err);

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
    return unknownCommand(command, err);
}
