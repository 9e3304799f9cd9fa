#pragma once

#include <QStringList>
#include <QTextStream>

#include "cli/CliUserInteraction.h"
#include "cli/CommandArguments.h"
#include "cli/CommandHelp.h"
#include "cli/ListingOptions.h"

class ZKRenamingController;

// `torvane-cli rename (--steps FILE | --config ARCHIVE) [listing options]
// [--on-exists ask|skip|replace|stop] [--yes] [--json] PATH...`: lists the PATHs, computes
// the new names and renames on disk exactly as the window's Rename button would (the same
// confirmations, the same run), then prints one line per listed item as it was planned, with
// its outcome: "renamed", "unchanged", "failed" or "skipped".
//
// Questions are asked on the terminal when standard input is one; otherwise confirmations
// and the question about an occupied target are cancelled unless --yes and --on-exists answer
// them. Settings the run would change ("Chicken" through a suppression box, the "all"
// answers) stay in memory: the user's stored defaults are left as they were.
class RenameCommand {
public:
    enum Status {
        Success = 0,        // every item that had a new name was renamed
        NotAllRenamed = 1,  // some were not (cancelled, skipped, failed, stopped)
        BadInput = 2,
        SyntaxError = 3,    // a step cannot work at all (an invalid regular expression)
        Interrupted = 130,  // 143 after SIGTERM (InterruptFlag::exitStatus)
    };

    // interactive: questions may be asked on the terminal.
    RenameCommand(QTextStream &out, QTextStream &err, bool interactive)
        : out_(out), err_(err), interactive_(interactive) {}
    int execute(const QStringList &arguments);

    static QString usage(CommandHelp::Language language = CommandHelp::Language::English);

private:
    struct Options : CommandArguments {
        QString configFile;
        CliUserInteraction::ExistingItemPolicy onExists =
            CliUserInteraction::ExistingItemPolicy::Ask;
        bool yes = false;
    };

    bool parse(const QStringList &arguments, Options *options);
    // Takes --config, --on-exists and --yes (see CommandOptionTaker).
    static bool takeOwnOption(const QStringList &arguments, qsizetype *index, Options *options,
                              QString *error);
    // Steps (and with --config the listing choices and switches) for the controller.
    bool configure(ZKRenamingController &controller, const Options &options, QString *error);
    int fail(const QString &message);

    QTextStream &out_;
    QTextStream &err_;
    bool interactive_;
};
