#include "cli/UnfinishedJournalReport.h"

#include "cli/CliUserInteraction.h"
#include "journal/JournalRecovery.h"
#include "run/UnfinishedRunOffer.h"

namespace {

bool offerInteractively = false;

}  // namespace

void setUnfinishedJournalOfferInteractive(bool interactive) { offerInteractively = interactive; }

bool reportUnfinishedJournal(QTextStream &err) {
    if (offerInteractively) {
        CliUserInteraction terminal(err, true);
        const QList<UnfinishedRunOffer::Result> results =
            UnfinishedRunOffer::offerToFinishOrUndo(terminal);
        const bool left =
            std::any_of(results.begin(), results.end(),
                        [](const UnfinishedRunOffer::Result &r) { return !r.succeeded; });
        err.flush();
        return left;
    }
    QStringList errors;
    const QList<JournalSummary> open = JournalRecovery::openJournals(&errors);
    for (const QString &error : errors) err << "warning: " << error << '\n';
    if (!open.isEmpty()) {
        const JournalSummary &newest = open.first();
        const QString advice = newest.isUndo
                                   ? QStringLiteral("run `torvane-cli revert` to finish it")
                                   : QStringLiteral(
                                         "run `torvane-cli finish` to close it as it stands or "
                                         "`torvane-cli revert` to undo it");
        err << QStringLiteral("warning: %1 started %2 was interrupted (its journal is %3); %4\n")
                   .arg(
                       newest.isUndo ? "an undo of a rename run" : "a rename run",
                       newest.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                       newest.path, advice);
    }
    err.flush();
    return !open.isEmpty() || !errors.isEmpty();
}
