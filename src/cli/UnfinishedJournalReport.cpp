#include "cli/UnfinishedJournalReport.h"

#include "files/JournalRecovery.h"

bool reportUnfinishedJournal(QTextStream &err) {
    QStringList errors;
    const QList<JournalSummary> open = JournalRecovery::openJournals(&errors);
    for (const QString &error : errors) err << "warning: " << error << '\n';
    if (!open.isEmpty()) {
        const JournalSummary &newest = open.first();
        err << QStringLiteral(
                   "warning: %1 started %2 was interrupted (its journal is %3); "
                   "run `torvane-cli revert` to %4\n")
                   .arg(
                       newest.isUndo ? "an undo of a rename run" : "a rename run",
                       newest.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                       newest.path, newest.isUndo ? "finish it" : "undo it");
    }
    err.flush();
    return !open.isEmpty() || !errors.isEmpty();
}
