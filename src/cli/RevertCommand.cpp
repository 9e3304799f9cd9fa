#include "cli/RevertCommand.h"

#include <QFile>
#include <QFileInfo>

#include "cli/CommandHelp.h"
#include "cli/JsonLine.h"
#include "journal/JournalStore.h"
#include "journal/TemporaryNames.h"
#include "run/ItemMover.h"
#include "run/UnfinishedRunOffer.h"

namespace {

QString shown(const QByteArray &path) { return QFile::decodeName(path); }

QString localTime(const QDateTime &instant) {
    return instant.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

int RevertCommand::execute(const QStringList &arguments) {
    Options options;
    if (!parse(arguments, &options)) return NothingDone;
    QString error;
    const std::optional<QString> journal = JournalRecovery::journalToUndo(&error);
    if (!error.isEmpty())
        return fail(error + '\n' +
                        CommandHelp::tr("(move a damaged journal out of %1 to revert other runs)")
                            .arg(JournalStore::folder()),
                    NotRestored);
    if (!journal) return fail(CommandHelp::tr("nothing to revert"), NothingDone);
    if (!options.yes && !interactive_)
        return fail(CommandHelp::tr("not reverting without confirmation: pass --yes to revert "
                                    "without a question"),
                    NothingDone);
    if (!options.yes && !confirm(*journal))
        return fail(CommandHelp::tr("not reverted"), NothingDone);

    const JournalRecovery::UndoReport report = JournalRecovery::undo(*journal);
    const QList<JournalRecovery::UndoItem> items =
        JournalRecovery::joinedThroughTemporaryNames(report.items);
    for (const JournalRecovery::UndoItem &item : items) print(item, options.json);
    out_.flush();
    if (!report.error.isEmpty()) return fail(report.error, NotRestored);
    if (items.isEmpty()) return fail(CommandHelp::tr("nothing to revert"), NothingDone);
    const qsizetype restored =
        std::count_if(items.begin(), items.end(), [](const auto &item) { return item.restored; });
    err_ << CommandHelp::tr("restored %1 of %2 items\n").arg(restored).arg(items.size());
    err_.flush();
    return report.isComplete() ? Success : NotRestored;
}

int RevertCommand::executeFinish(const QStringList &arguments) {
    command_ = QStringLiteral("finish");
    Options options;
    if (!parse(arguments, &options, true)) return NothingDone;
    QStringList errors;
    const QList<JournalSummary> open = JournalRecovery::openJournals(&errors);
    for (const QString &error : errors)
        err_ << "torvane-cli finish: " << CommandHelp::tr("warning: %1").arg(error) << '\n';
    bool allWell = errors.isEmpty();
    qsizetype finished = 0;
    for (const JournalSummary &listed : open) {
        // Finishing an undo closes its run too.
        JournalSummary summary;
        QString error;
        if (!JournalStore::readSummary(listed.path, &summary, &error)) {
            err_ << "torvane-cli finish: " << error << '\n';
            allWell = false;
            continue;
        }
        if (summary.closed) continue;
        ++finished;
        allWell = (summary.isUndo ? finishUndo(summary, options.json)
                                  : finishRun(summary, options.json)) &&
                  allWell;
    }
    out_.flush();
    if (finished == 0 && errors.isEmpty())
        err_ << "torvane-cli finish: " << CommandHelp::tr("nothing to finish") << '\n';
    err_.flush();
    return allWell ? Success : NotRestored;
}

bool RevertCommand::finishRun(const JournalSummary &summary, bool json) {
    JournalRecovery::FinishReport report;
    const bool closed = JournalRecovery::finish(summary.path, &report);
    Journal journal;
    QString error;
    const qsizetype made = closed && JournalStore::read(summary.path, &journal, &error)
                               ? UnfinishedRunOffer::plannedMovesMade(journal)
                               : 0;
    const auto moveText = [](const std::optional<JournalMove> &move) {
        return move ? QStringLiteral("%1 -> %2").arg(shown(move->from), shown(move->to))
                    : QString();
    };
    const std::optional<JournalMove> completed = report.completed ? report.inFlight : std::nullopt;
    if (json) {
        out_ << JsonLine()
                    .add(QStringLiteral("journal"), summary.path)
                    .add(QStringLiteral("outcome"),
                         closed ? QStringLiteral("finished") : QStringLiteral("failed"))
                    .add(QStringLiteral("renamesMade"), QString::number(made))
                    .add(QStringLiteral("renamesPlanned"), QString::number(summary.plannedCount))
                    .addNullable(QStringLiteral("completed"), moveText(completed))
                    .addNullable(QStringLiteral("movedOn"), moveText(report.movedOn))
                    .addNullable(QStringLiteral("problem"), report.problem)
                    .toString()
             << '\n';
    } else {
        out_ << (closed ? CommandHelp::tr("finished %1: %2 of %3 planned renames made")
                              .arg(summary.path)
                              .arg(made)
                              .arg(summary.plannedCount)
                        : CommandHelp::tr("not finished %1").arg(summary.path))
             << '\n';
        if (completed) out_ << CommandHelp::tr("  completed %1").arg(moveText(completed)) << '\n';
        if (report.movedOn)
            out_ << CommandHelp::tr("  moved on %1").arg(moveText(report.movedOn)) << '\n';
        if (!report.problem.isEmpty())
            out_ << CommandHelp::tr("  problem: %1").arg(report.problem) << '\n';
    }
    return closed && report.problem.isEmpty();
}

bool RevertCommand::finishUndo(const JournalSummary &summary, bool json) {
    const QString run = QFileInfo(summary.path).path() + QLatin1Char('/') + summary.undoneJournal;
    const JournalRecovery::UndoReport report = JournalRecovery::undo(run);
    for (const JournalRecovery::UndoItem &item : report.items) print(item, json);
    if (!report.error.isEmpty()) err_ << "torvane-cli finish: " << report.error << '\n';
    return report.isComplete();
}

QString RevertCommand::finishUsage(CommandHelp::Language language) {
    return CommandHelp::block(
               QT_TRANSLATE_NOOP("CommandHelp", "usage: torvane-cli finish [--json]\n"), language) +
           CommandHelp::block(
               QT_TRANSLATE_NOOP(
                   "CommandHelp",
                   "  closes every rename run that was interrupted, as it stands, without a "
                   "question:\n"
                   "  the move under way is completed when nothing is in its way, an item left "
                   "under a\n"
                   "  temporary name gets its new name; an interrupted revert is taken to its end\n"
                   "  --json                                  one JSON object per run (or move) "
                   "and line\n"
                   "exit status: 0 all finished (or nothing to finish), 1 some not, 2 bad "
                   "arguments\n"),
               language);
}

QString RevertCommand::usage(CommandHelp::Language language) {
    return CommandHelp::block(
               QT_TRANSLATE_NOOP("CommandHelp", "usage: torvane-cli revert [--yes] [--json]\n"),
               language) +
           CommandHelp::block(
               QT_TRANSLATE_NOOP(
                   "CommandHelp",
                   "  undoes the last rename run (or one that was interrupted) from its journal\n"
                   "  --yes                                   revert without asking\n"
                   "  --json                                  one JSON object per move and line\n"),
               language);
}

bool RevertCommand::parse(const QStringList &arguments, Options *options, bool finishing) {
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--yes") && !finishing) {
            options->yes = true;
        } else if (argument == QLatin1String("--json")) {
            options->json = true;
        } else {
            CommandHelp::reportBadInput(err_, command_,
                                        CommandHelp::tr("unknown option: %1").arg(argument),
                                        finishing ? finishUsage() : usage());
            return false;
        }
    }
    return true;
}

bool RevertCommand::confirm(const QString &journalPath) {
    Journal journal;
    QString error;
    if (!JournalStore::read(journalPath, &journal, &error)) {
        err_ << error << '\n';
        return false;
    }
    // An item that went through a temporary name (a change of letter case) made two moves;
    // only its first starts from a name of its own.
    QList<JournalMove> moves = journal.done;
    if (journal.inFlight) moves.append(*journal.inFlight);
    const qsizetype items = std::count_if(
        moves.cbegin(), moves.cend(),
        [](const JournalMove &move) { return !TemporaryNames::isTemporaryPath(move.from); });
    // Whole sentences each, for the languages whose words change with the run's end.
    const QString question =
        journal.summary.closed
            ? CommandHelp::tr(
                  "Revert the rename run started %1, which ended, moving back up to "
                  "%2 items? [y/N] ")
            : CommandHelp::tr(
                  "Revert the rename run started %1, which was interrupted, moving "
                  "back up to %2 items? [y/N] ");
    err_ << question.arg(localTime(journal.summary.started)).arg(items);
    err_.flush();
    // The English answers work in every language.
    const QString answer = in_.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes") ||
           answer == CommandHelp::tr("y", "answer to a [y/N] question") ||
           answer == CommandHelp::tr("yes", "answer to a [y/N] question");
}

void RevertCommand::print(const JournalRecovery::UndoItem &item, bool json) {
    const QString from = shown(item.back.from);
    const QString to = shown(item.back.to);
    if (json) {
        out_ << JsonLine()
                    .add(QStringLiteral("outcome"),
                         item.restored ? QStringLiteral("restored") : QStringLiteral("skipped"))
                    .add(QStringLiteral("from"), from)
                    .add(QStringLiteral("to"), to)
                    .addNullable(QStringLiteral("reason"), item.restored ? QString() : item.reason)
                    .toString()
             << '\n';
        return;
    }
    out_ << (item.restored ? QStringLiteral("restored %1 -> %2").arg(from, to)
                           : QStringLiteral("skipped  %1 -> %2: %3").arg(from, to, item.reason))
         << '\n';
}

int RevertCommand::fail(const QString &message, int status) {
    err_ << "torvane-cli " << command_ << ": " << message << '\n';
    err_.flush();
    return status;
}
