#include "run/UnfinishedRunOffer.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "common/Translations.h"
#include "interaction/ZKUserInteraction.h"
#include "journal/JournalStore.h"

namespace UnfinishedRunOffer {

TORVANE_NAMESPACE_TR(UnfinishedRunOffer)

namespace {

// Skipped moves listed in an outcome alert; the rest are counted.
constexpr int listedProblems = 10;

QString shown(const QByteArray &path) { return QFile::decodeName(path); }

QString localTime(const QDateTime &instant) {
    return instant.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString runPath(const JournalSummary &summary) {
    return QFileInfo(summary.path).path() + QLatin1Char('/') + summary.undoneJournal;
}

ZKAlert outcomeAlert(const QString &message, const QString &text, bool problem) {
    ZKAlert alert;
    alert.messageText = message;
    alert.informativeText = text;
    alert.buttons = {UnfinishedRunOffer::tr("OK")};
    alert.style = problem ? ZKAlert::Style::Critical : ZKAlert::Style::Informational;
    return alert;
}

Result resultFor(const JournalSummary &summary, Choice choice) {
    Result result;
    result.journal = summary;
    result.choice = choice;
    return result;
}

Result finishRun(ZKUserInteraction &user, const Journal &journal) {
    Result result = resultFor(journal.summary, Choice::Finish);
    JournalRecovery::FinishReport report;
    const bool closed = JournalRecovery::finish(journal.summary.path, &report);
    if (!closed) {
        result.report = UnfinishedRunOffer::tr("Its journal is %1.\n\n%2")
                            .arg(journal.summary.path, report.problem);
        user.runAlert(
            outcomeAlert(UnfinishedRunOffer::tr("The interrupted rename run cannot be finished"),
                         result.report, true));
        return result;
    }
    Journal finished;
    QString error;
    const qsizetype made = JournalStore::read(journal.summary.path, &finished, &error)
                               ? plannedMovesMade(finished)
                               : plannedMovesMade(journal);
    QStringList lines;
    lines << UnfinishedRunOffer::tr(
                 "%1 of %2 planned renames were made; the others were not, and the "
                 "run is closed now.")
                 .arg(made)
                 .arg(journal.planned.size());
    if (report.completed && report.inFlight)
        lines << UnfinishedRunOffer::tr("The move that was under way was made: %1 is now %2.")
                     .arg(shown(report.inFlight->from), shown(report.inFlight->to));
    if (report.movedOn)
        lines << UnfinishedRunOffer::tr("%1, left under a temporary name, is now %2.")
                     .arg(shown(report.movedOn->from), shown(report.movedOn->to));
    if (!report.problem.isEmpty()) lines << report.problem;
    lines << UnfinishedRunOffer::tr("Revert undoes the run.");
    result.succeeded = report.problem.isEmpty();
    result.report = lines.join(QStringLiteral("\n\n"));
    user.runAlert(outcomeAlert(UnfinishedRunOffer::tr("The interrupted rename run is finished"),
                               result.report, !result.succeeded));
    return result;
}

Result undoRun(ZKUserInteraction &user, const Journal &journal) {
    Result result = resultFor(journal.summary, Choice::Undo);
    const QString run = journal.summary.isUndo ? runPath(journal.summary) : journal.summary.path;
    const JournalRecovery::UndoReport report = JournalRecovery::undo(run);
    const qsizetype restored =
        std::count_if(report.items.begin(), report.items.end(),
                      [](const JournalRecovery::UndoItem &item) { return item.restored; });
    QStringList lines;
    if (!report.error.isEmpty()) lines << report.error;
    lines << UnfinishedRunOffer::tr("%1 of %2 moves were taken back.")
                 .arg(restored)
                 .arg(report.items.size());
    int listed = 0;
    for (const JournalRecovery::UndoItem &item : report.items) {
        if (item.restored) continue;
        if (listed++ == listedProblems) {
            lines << UnfinishedRunOffer::tr("(and more; `torvane-cli revert` lists them all)");
            break;
        }
        lines << UnfinishedRunOffer::tr("%1 stays at %2: %3")
                     .arg(shown(item.back.to), shown(item.back.from), item.reason);
    }
    result.succeeded = report.isComplete();
    result.report = lines.join(QStringLiteral("\n\n"));
    user.runAlert(outcomeAlert(
        result.succeeded ? UnfinishedRunOffer::tr("The interrupted rename run is undone")
                         : UnfinishedRunOffer::tr("The interrupted rename run is undone in part"),
        result.report, !result.succeeded));
    return result;
}

}  // namespace

qsizetype plannedMovesMade(const Journal &journal) {
    QHash<QByteArray, int> arrivals;
    for (const JournalMove &step : journal.done)
        if (step.kind != JournalMove::Kind::Trash) ++arrivals[step.to];
    qsizetype made = 0;
    for (const JournalMove &planned : journal.planned) {
        int &count = arrivals[planned.to];
        if (count > 0) --count, ++made;
    }
    return made;
}

ZKAlert offerAlert(const Journal &journal) {
    const JournalSummary &summary = journal.summary;
    const qsizetype made = plannedMovesMade(journal);
    ZKAlert alert;
    if (summary.isUndo) {
        alert.kind = ZKAlertKind::UnfinishedUndo;
        alert.messageText = tr("An undo of a rename run was interrupted");
        alert.informativeText =
            tr("The undo started %1 took back %2 of %3 renames before it stopped. Finish it to "
               "take back the rest, or leave it for later.\n\nIts journal is %4.")
                .arg(localTime(summary.started))
                .arg(made)
                .arg(journal.planned.size())
                .arg(summary.path);
        alert.buttons = {tr("Finish Undoing"), tr("Later")};
        return alert;
    }
    alert.kind = ZKAlertKind::UnfinishedRun;
    alert.messageText = tr("A rename run was interrupted");
    alert.informativeText =
        tr("The rename run started %1 made %2 of its %3 planned renames before it stopped.\n\n"
           "Finish Run closes it as it stands: the move that was under way is completed, and "
           "it can be undone later. Undo Run takes every item back to its old name. Later "
           "leaves everything as it is and asks again next time.\n\nIts journal is %4.")
            .arg(localTime(summary.started))
            .arg(made)
            .arg(journal.planned.size())
            .arg(summary.path);
    alert.buttons = {tr("Finish Run"), tr("Undo Run"), tr("Later")};
    return alert;
}

QList<Result> offerToFinishOrUndo(ZKUserInteraction &user) {
    QList<Result> results;
    QSet<QString> offered;
    QStringList unreadable;
    for (;;) {
        QStringList errors;
        const QList<JournalSummary> open = JournalRecovery::openJournals(&errors);
        for (const QString &error : errors)
            if (!unreadable.contains(error)) unreadable << error;
        const auto next = std::find_if(open.begin(), open.end(), [&](const JournalSummary &s) {
            return !offered.contains(s.path);
        });
        if (next == open.end()) break;
        offered.insert(next->path);
        Journal journal;
        QString error;
        if (!JournalStore::read(next->path, &journal, &error)) {
            if (!unreadable.contains(error)) unreadable << error;
            continue;
        }
        const int button = user.runAlert(offerAlert(journal)).button;
        if (journal.summary.isUndo) {
            results << (button == 0 ? undoRun(user, journal)
                                    : resultFor(journal.summary, Choice::Later));
            continue;
        }
        if (button == 0)
            results << finishRun(user, journal);
        else if (button == 1)
            results << undoRun(user, journal);
        else
            results << resultFor(journal.summary, Choice::Later);
    }
    if (!unreadable.isEmpty())
        user.runAlert(outcomeAlert(
            tr("Some rename journals cannot be read"),
            unreadable.join(QStringLiteral("\n\n")) +
                tr("\n\nThey are left as they are, in %1.").arg(JournalStore::folder()),
            true));
    return results;
}

}  // namespace UnfinishedRunOffer
