#include "cli/UnfinishedJournalReport.h"

#include "cli/CliUserInteraction.h"
#include "cli/CommandHelp.h"
#include "journal/JournalRecovery.h"
#include "run/UnfinishedRunOffer.h"

namespace {

bool offerInteractively = false;

}  // namespace

void setUnfinishedJournalOfferInteractive(bool interactive) { offerInteractively = interactive; }

namespace {

// The warnings about runs that died half-way and journals that cannot be read; *any tells
// whether there were such.
QString unfinishedJournalWarnings(bool *any) {
    QString text;
    QStringList errors;
    const QList<JournalSummary> open = JournalRecovery::openJournals(&errors);
    for (const QString &error : errors) text += CommandHelp::tr("warning: %1").arg(error) + '\n';
    if (!open.isEmpty()) {
        const JournalSummary &newest = open.first();
        // Whole sentences each, for the languages whose words change with the run's kind.
        const QString warning =
            newest.isUndo ? CommandHelp::tr(
                                "warning: an undo of a rename run started %1 was interrupted "
                                "(its journal is %2); run `torvane-cli revert` to finish it\n")
                          : CommandHelp::tr(
                                "warning: a rename run started %1 was interrupted (its journal "
                                "is %2); run `torvane-cli finish` to close it as it stands or "
                                "`torvane-cli revert` to undo it\n");
        text += warning.arg(
            newest.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            newest.path);
    }
    *any = !open.isEmpty() || !errors.isEmpty();
    return text;
}

}  // namespace

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
    bool any = false;
    err << unfinishedJournalWarnings(&any);
    err.flush();
    return any;
}

UnfinishedJournalReport::UnfinishedJournalReport(QTextStream &err) : err_(err) {
    if (offerInteractively) {
        reportUnfinishedJournal(err);
        return;
    }
    reader_ = HelperThread([this] {
        bool any = false;
        warnings_ = unfinishedJournalWarnings(&any);
    });
}

UnfinishedJournalReport::~UnfinishedJournalReport() { print(); }

void UnfinishedJournalReport::print() {
    if (!reader_.joinable()) return;
    reader_.join();
    err_ << warnings_;
    err_.flush();
}
