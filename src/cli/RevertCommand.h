#pragma once

#include <QStringList>
#include <QTextStream>

#include "cli/CommandHelp.h"
#include "journal/JournalRecovery.h"

// `torvane-cli revert [--yes] [--json]`: undoes the last rename run from its journal, whether
// it completed or died half-way: the newest interrupted run first, else the last completed
// run not undone yet. Every item moved by the run goes back to its old path, newest move
// first, without replacing anything; one line per move tells whether it was restored or why
// it was skipped.
//
// Asks for confirmation on the terminal unless --yes; without a terminal and without --yes
// it refuses.
//
// `torvane-cli finish [--json]` (executeFinish) closes every rename run that died half-way, as
// it stands, without a question (for scripts): the move that was under way is completed when
// nothing stands in its way, an item left under a temporary name gets its new name (or its
// old one), and the run can be reverted afterwards. An interrupted undo is finished by
// undoing the rest of its run. Nothing to finish is no error.
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
    int executeFinish(const QStringList &arguments);

    static QString usage(CommandHelp::Language language = CommandHelp::Language::English);
    static QString finishUsage(CommandHelp::Language language = CommandHelp::Language::English);

private:
    struct Options {
        bool yes = false;
        bool json = false;
    };

    bool parse(const QStringList &arguments, Options *options, bool finishing = false);
    // Closes one interrupted run journal; whether all of it went well.
    bool finishRun(const JournalSummary &summary, bool json);
    // Finishes one interrupted undo by undoing the rest of its run.
    bool finishUndo(const JournalSummary &summary, bool json);
    bool confirm(const QString &journalPath);
    void print(const JournalRecovery::UndoItem &item, bool json);
    int fail(const QString &message, int status);

    QString command_ = QStringLiteral("revert");

    QTextStream &out_;
    QTextStream &err_;
    QTextStream &in_;
    bool interactive_;
};
