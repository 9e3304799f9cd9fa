#pragma once

#include <QStringList>
#include <QTextStream>

#include "files/JournalRecovery.h"

// `torvane-cli revert [--yes] [--json]`: undoes the last rename run from its journal, whether
// it completed or died half-way: the newest interrupted run first, else the last completed
// run not undone yet. Every item moved by the run goes back to its old path, newest move
// first, without replacing anything; one line per move tells whether it was restored or why
// it was skipped.
//
// Asks for confirmation on the terminal unless --yes; without a terminal and without --yes
// it refuses.
class RevertCommand {
public:
    enum Status {
        Success = 0,      // every item is back under its old name
        NotRestored = 1,  // some are not, or a journal could not be read or written
        NothingDone = 2,  // nothing to revert, bad arguments, or not confirmed
    };

    // interactive: the confirmation may be asked; answers are read from `in`.
    RevertCommand(QTextStream &out, QTextStream &err, bool interactive, QTextStream &in)
        : out_(out), err_(err), in_(in), interactive_(interactive) {}
    int execute(const QStringList &arguments);

    static QString usage();

private:
    struct Options {
        bool yes = false;
        bool json = false;
    };

    bool parse(const QStringList &arguments, Options *options);
    bool confirm(const QString &journalPath);
    void print(const JournalRecovery::UndoItem &item, bool json);
    int fail(const QString &message, int status);

    QTextStream &out_;
    QTextStream &err_;
    QTextStream &in_;
    bool interactive_;
};
