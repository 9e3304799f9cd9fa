#include "cli/RenameCommand.h"

#include <unistd.h>

#include "cli/CommandHelp.h"
#include "cli/InterruptFlag.h"
#include "cli/PathArguments.h"
#include "cli/ProcessExit.h"
#include "cli/RecordPrinter.h"
#include "cli/SyntaxErrorReport.h"
#include "cli/TerminalProgress.h"
#include "cli/UnfinishedJournalReport.h"
#include "collections/ConfigurationArchiving.h"
#include "collections/ConfigurationKeys.h"
#include "collections/ControllerHistorySubject.h"
#include "collections/ZKDictionaryConfigurationArchive.h"
#include "controller/ZKRenamingController.h"
#include "engine/RenamerCollections.h"
#include "listing/DisplayFilter.h"
#include "run/MoveDefaults.h"

namespace {

using Policy = CliUserInteraction::ExistingItemPolicy;

// A listed item as it was before the run: what its line shows, and whether it was to be
// renamed. A run keeps one of every item, so it keeps no more than the run may change: the
// record keeps where the item was before the run (the records are listed anew for it) and
// its new name, not its light and notes.
struct PlannedItem {
    ZKFileRepresentationPtr record;
    std::shared_ptr<const RecordPrinter::Line::Notes> notes;
    ZKStatusLight light = ZKStatusLight::Grey;
    bool relevant = false;
    bool printed = false;
};

RecordPrinter::Line lineBeforeRun(const PlannedItem &item) {
    const ZKFileRepresentation &record = *item.record;
    RecordPrinter::Line line;
    line.path = record.originalPath();
    line.name = record.originalName();
    if (record.hasRenameName()) line.newName = record.renameName();
    line.light = item.light;
    line.notes = item.notes;
    return line;
}

QList<PlannedItem> plan(const QList<ZKFileRepresentationPtr> &records, int filter) {
    const QList<ZKFileRepresentationPtr> shown =
        DisplayFilter::fileRepresentationsToDisplay(records, filter);
    // The filter keeps the list's order, so whether all are shown is told by the count.
    const bool allShown = shown.size() == records.size();
    const QSet<ZKFileRepresentationPtr> printed =
        allShown ? QSet<ZKFileRepresentationPtr>() : QSet(shown.cbegin(), shown.cend());
    QList<PlannedItem> items;
    items.reserve(records.size());
    for (const ZKFileRepresentationPtr &record : records) {
        items.append({record, RecordPrinter::notesOf(*record), record->statusLight(),
                      record->hasRelevantRenameNameWithError(nullptr),
                      allShown || printed.contains(record)});
    }
    return items;
}

QString outcomeName(const PlannedItem &item, RenameOutcome outcome) {
    if (!item.relevant) return QStringLiteral("unchanged");
    switch (outcome) {
        case RenameOutcome::Renamed:
            return QStringLiteral("renamed");
        case RenameOutcome::Failed:
        case RenameOutcome::MovedAside:
            return QStringLiteral("failed");
        case RenameOutcome::Skipped:
        case RenameOutcome::NotReached:
        case RenameOutcome::NotPlanned:
            break;  // not run at all: a confirmation was cancelled
    }
    return QStringLiteral("skipped");
}

// Prints the items' lines in list order, each once its outcome is final: during the run up to
// the record whose turn came last (one moved aside waits for its own turn), the rest after.
class OutcomeLines {
public:
    OutcomeLines(const QList<PlannedItem> &items, RecordPrinter &printer, bool json)
        : items_(items), printer_(printer), json_(json) {}

    // The lines of the items before `end`, up to the first whose outcome may still change.
    template <typename OutcomeOf>
    void printUpTo(qsizetype end, const OutcomeOf &outcomeOf, bool runOver) {
        for (; printed_ < end; ++printed_) {
            const PlannedItem &item = items_.at(printed_);
            const RenameOutcome outcome = outcomeOf(item);
            const bool pending =
                outcome == RenameOutcome::NotReached || outcome == RenameOutcome::MovedAside;
            if (item.relevant && pending && !runOver) return;
            if (!item.printed) continue;
            extra_.resize(1);
            extra_[0] = {outcomeKey_, outcomeName(item, outcome)};
            if (json_ && item.record->nativePath() != item.record->nativeOriginalPath())
                extra_.append({"currentPath", item.record->path()});
            printer_.print(lineBeforeRun(item), extra_);
        }
    }

private:
    const QList<PlannedItem> &items_;
    RecordPrinter &printer_;
    const bool json_;
    qsizetype printed_ = 0;
    const QString outcomeKey_ = QStringLiteral("outcome");
    // One list for every line: a line per item, most with the outcome alone.
    QList<std::pair<QString, QString>> extra_;
};

// Lines can go out during the run where nothing printed can change after its turn (a folder
// renamed later moves the items inside it) and the output is no terminal, where the progress
// shows.
bool printsDuringRun(const QList<PlannedItem> &items) {
    if (isatty(STDOUT_FILENO)) return false;
    return std::none_of(items.cbegin(), items.cend(), [](const PlannedItem &item) {
        return item.relevant && item.record->isFolder();
    });
}

}  // namespace

int RenameCommand::execute(const QStringList &arguments) {
    Options options;
    if (!parse(arguments, &options)) return BadInput;
    QString error;
    if (options.steps.printSteps())
        return printStepsFile(options, out_, &error) ? Success : fail(error);
    if (!readPathsFromInput(&options, stdin, err_, &error)) return fail(error);
    UnfinishedJournalReport unfinished(err_);

    ZKRenamingController::registerControllerDefaults();
    CliUserInteraction interaction(err_, interactive_);
    interaction.setExistingItemPolicy(options.onExists);
    interaction.setConfirmRuns(options.yes);
    interaction.setAsksPrompts(interactive_);
    ZKRenamingController controller(&interaction);
    // A run from the command line is the user's own: it asks as the window would.
    controller.setHasFinishedLaunching(true);
    // The outcomes are printed from the records of the run; nobody looks at a new list.
    controller.setRelistsAfterRun(false);
    controller.setLeavesRunTablesToProcessEnd(ProcessExit::endsWithoutTeardown());
    const ControllerHistorySubject history(controller);  // the run is recorded as the window's
    if (!configure(controller, options, &error)) return fail(error);
    options.listing.applyTo(controller);
    // Interim names show only in JSON lines; a long list would hold them for nothing.
    controller.setKeepsIntermediateNames(options.json);

    InterruptFlag::install();
    TerminalProgress progress(err_, isatty(STDERR_FILENO));
    interaction.setProgress(&progress);
    controller.populateWithPaths(absolutePaths(options.paths), false, false);
    // Before anything is renamed: the warning is about the folders this run may touch.
    progress.clear();
    unfinished.print();
    if (InterruptFlag::isSet()) return InterruptFlag::exitStatus();
    if (controller.hadSyntaxError()) {
        progress.clear();
        reportStepSyntaxErrors(controller, err_);
        return SyntaxError;
    }

    const QList<PlannedItem> items = plan(controller.fileRepresentations(), options.listing.filter);
    RecordPrinter printer(out_, options.json);
    printer.setColored(options.colored(isatty(STDOUT_FILENO)));
    OutcomeLines lines(items, printer, options.json);
    if (printsDuringRun(items))
        controller.setRunTurnObserver([&lines](qsizetype index, const RenameOutcomes &outcomes) {
            lines.printUpTo(
                index + 1,
                [&outcomes](const PlannedItem &item) {
                    return outcomes.value(item.record.get(), RenameOutcome::NotPlanned);
                },
                false);
        });
    controller.rename(false);
    controller.setRunTurnObserver(nullptr);
    interaction.setProgress(nullptr);
    progress.clear();
    // "Replace All" and the like answered on the terminal are not kept for the window.
    MoveDefaults::removeTransientDefaults();

    const auto finalOutcome = [&controller](const PlannedItem &item) {
        return controller.lastRunOutcome(item.record);
    };
    lines.printUpTo(items.size(), finalOutcome, true);
    const bool allRenamed = std::all_of(items.cbegin(), items.cend(), [&](const PlannedItem &item) {
        return !item.relevant || finalOutcome(item) == RenameOutcome::Renamed;
    });
    printer.flush();
    out_.flush();
    // The run has ended its journal: what is left to free, the system reclaims at once.
    const int status = InterruptFlag::isSet() ? InterruptFlag::exitStatus()
                       : allRenamed           ? Success
                                              : NotAllRenamed;
    ProcessExit::endNowIfEnabled(status, out_, err_);
    return status;
}

QString RenameCommand::usage(CommandHelp::Language language) {
    using CommandHelp::block;
    return block(
               QT_TRANSLATE_NOOP(
                   "CommandHelp",
                   "usage: torvane-cli rename (--steps FILE | --preset NAME | --config ARCHIVE |\n"
                   "                          step options)\n"
                   "                          [listing options] [--on-exists "
                   "ask|skip|replace|stop]\n"
                   "                          [--yes] [--json] [--color WHEN] PATH...\n"
                   "       torvane-cli rename ... [-0] --from-stdin\n"),
               language) +
           block(QT_TRANSLATE_NOOP("CommandHelp",
                                   "lists the PATHs, computes every new name and renames the "
                                   "items on disk\n"),
                 language) +
           CommandArguments::usage(language) +
           block(QT_TRANSLATE_NOOP(
                     "CommandHelp",
                     "  --config ARCHIVE                        a saved configuration; its steps "
                     "replace --steps,\n"
                     "                                          its listing choices apply unless "
                     "given here\n"
                     "  --on-exists ask|skip|replace|stop       an unlisted item already has a new "
                     "name:\n"
                     "                                          ask on a terminal (else stop), "
                     "keep both names,\n"
                     "                                          put it in the Trash, or end the "
                     "run\n"
                     "  --yes                                   go ahead without the "
                     "confirmations\n"),
                 language) +
           StepOptions::usage(language) + ListingOptions::usage(language) +
           block(QT_TRANSLATE_NOOP("CommandHelp",
                                   "exit status: 0 all renamed, 1 some not, 2 bad input, 3 a "
                                   "step cannot work,\n"
                                   "130 interrupted\n"),
                 language);
}

bool RenameCommand::parse(const QStringList &arguments, Options *options) {
    const auto takeOwn = [options](const QStringList &arguments, qsizetype *index, QString *error) {
        return takeOwnOption(arguments, index, options, error);
    };
    QString error;
    if (!parseCommandArguments(arguments, options, takeOwn, &error)) return fail(error), false;
    if (!options->steps.isEmpty() && !options->configFile.isEmpty())
        return fail(CommandHelp::tr(
                   "--config ARCHIVE and step options such as --find cannot be combined: give "
                   "the steps one way")),
               false;
    if (options->stepsFile.isEmpty() && options->configFile.isEmpty() && options->steps.isEmpty())
        return fail(CommandHelp::tr(
                   "give the steps: --steps FILE, --preset NAME, --config ARCHIVE or step "
                   "options such as --find")),
               false;
    return true;
}

bool RenameCommand::takeOwnOption(const QStringList &arguments, qsizetype *index, Options *options,
                                  QString *error) {
    static const QHash<QString, Policy> policies{{"ask", Policy::Ask},
                                                 {"skip", Policy::Skip},
                                                 {"replace", Policy::Replace},
                                                 {"stop", Policy::Stop}};
    const QString &argument = arguments[*index];
    if (argument == QLatin1String("--yes")) {
        options->yes = true;
        return true;
    }
    if (argument != QLatin1String("--config") && argument != QLatin1String("--on-exists"))
        return false;
    if (++*index == arguments.size())
        return *error = CommandHelp::tr("%1 needs a value").arg(argument), true;
    const QString value = arguments[*index];
    if (argument == QLatin1String("--config")) {
        options->configFile = value;
    } else if (policies.contains(value)) {
        options->onExists = policies.value(value);
    } else {
        *error = CommandHelp::tr("%1: unknown value \"%2\" (one of: %3)")
                     .arg(argument, value, "ask, replace, skip, stop");
    }
    return true;
}

bool RenameCommand::configure(ZKRenamingController &controller, const Options &options,
                              QString *error) {
    QVariantList steps;
    if (!stepArchives(options, &steps, error)) return false;
    if (options.configFile.isEmpty()) {
        controller.setRenamers(RenamerCollections::renamersFromArchives(steps));
        return true;
    }
    const std::optional<ZKDictionaryConfigurationArchive> archive =
        ZKDictionaryConfigurationArchive::fromFile(options.configFile, error);
    if (!archive) return false;
    // As a droplet's configuration: what the archive lacks comes from the user's settings.
    ConfigurationArchiving::initializeControlsWithArchive(controller, &*archive, true, false);
    if (!steps.isEmpty() && !archive->hasValue(ConfigurationKeys::kRenamers))
        controller.setRenamers(RenamerCollections::renamersFromArchives(steps));
    return true;
}

int RenameCommand::fail(const QString &message) {
    return CommandHelp::reportBadInput(err_, "rename", message, usage());
}
