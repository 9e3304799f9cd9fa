#include "cli/RevertCommand.h"

#include <QFile>

#include "cli/JsonLine.h"
#include "files/JournalStore.h"

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
        return fail(error + QStringLiteral("\n(move a damaged journal out of %1 to revert "
                                           "other runs)")
                                .arg(JournalStore::folder()),
                    NotRestored);
    if (!journal) return fail(QStringLiteral("nothing to revert"), NothingDone);
    if (!options.yes && !interactive_)
        return fail(QStringLiteral("not reverting without confirmation: pass --yes to revert "
                                   "without a question"),
                    NothingDone);
    if (!options.yes && !confirm(*journal))
        return fail(QStringLiteral("not reverted"), NothingDone);

    const JournalRecovery::UndoReport report = JournalRecovery::undo(*journal);
    for (const JournalRecovery::UndoItem &item : report.items) print(item, options.json);
    out_.flush();
    if (!report.error.isEmpty()) return fail(report.error, NotRestored);
    if (report.items.isEmpty()) return fail(QStringLiteral("nothing to revert"), NothingDone);
    const qsizetype restored = std::count_if(report.items.begin(), report.items.end(),
                                             [](const auto &item) { return item.restored; });
    err_ << QStringLiteral("restored %1 of %2 items\n").arg(restored).arg(report.items.size());
    err_.flush();
    return report.isComplete() ? Success : NotRestored;
}

QString RevertCommand::usage() {
    return QStringLiteral(
        "usage: torvane-cli revert [--yes] [--json]\n"
        "  undoes the last rename run (or one that was interrupted) from its journal\n"
        "  --yes                                   revert without asking\n"
        "  --json                                  one JSON object per move and line\n");
}

bool RevertCommand::parse(const QStringList &arguments, Options *options) {
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--yes")) {
            options->yes = true;
        } else if (argument == QLatin1String("--json")) {
            options->json = true;
        } else {
            fail(QStringLiteral("unknown option: %1\n").arg(argument) + usage(), NothingDone);
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
    const qsizetype moves = journal.done.size() + (journal.inFlight ? 1 : 0);
    err_ << QStringLiteral(
                "Revert the rename run started %1, which %2, moving back up to %3 "
                "items? [y/N] ")
                .arg(localTime(journal.summary.started),
                     journal.summary.closed ? "ended" : "was interrupted")
                .arg(moves);
    err_.flush();
    const QString answer = in_.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
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
    err_ << "torvane-cli revert: " << message << '\n';
    err_.flush();
    return status;
}
