#include "cli/PreviewCommand.h"

#include <unistd.h>

#include <QElapsedTimer>

#include "cli/CliUserInteraction.h"
#include "cli/CommandHelp.h"
#include "cli/InterruptFlag.h"
#include "cli/PathArguments.h"
#include "cli/ProcessExit.h"
#include "cli/RecordPrinter.h"
#include "cli/SyntaxErrorReport.h"
#include "cli/TerminalProgress.h"
#include "cli/UnfinishedJournalReport.h"
#include "controller/ZKRenamingController.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"
#include "listing/DisplayFilter.h"

int PreviewCommand::execute(const QStringList &arguments) {
    Options options;
    if (!parse(arguments, &options)) return BadInput;
    QString error;
    if (options.steps.printSteps())
        return printStepsFile(options, out_, &error) ? Success : fail(error);
    if (!readPathsFromInput(&options, stdin, err_, &error)) return fail(error);
    UnfinishedJournalReport unfinished(err_);
    QVariantList archives;
    if (!stepArchives(options, &archives, &error)) return fail(error);

    ZKRenamingController::registerControllerDefaults();
    CliUserInteraction interaction(err_, /*interactive=*/false);
    interaction.setAsksPrompts(isatty(STDIN_FILENO));
    ZKRenamingController controller(&interaction);
    controller.setRenamers(RenamerCollections::renamersFromArchives(archives));
    options.listing.applyTo(controller);
    // Interim names show only in JSON lines; a long list would hold them for nothing.
    controller.setKeepsIntermediateNames(options.json);

    InterruptFlag::install();
    QElapsedTimer timer;
    timer.start();
    {
        TerminalProgress progress(err_, isatty(STDERR_FILENO));
        interaction.setProgress(&progress);
        controller.populateWithPaths(absolutePaths(options.paths), false, false);
        interaction.setProgress(nullptr);
    }
    unfinished.print();
    if (InterruptFlag::isSet()) return InterruptFlag::exitStatus();
    if (options.stats) printStatistics(controller, timer.nsecsElapsed());

    const QList<ZKFileRepresentationPtr> &records = controller.fileRepresentations();
    RecordPrinter printer(out_, options.json);
    printer.setColored(options.colored(isatty(STDOUT_FILENO)));
    for (const ZKFileRepresentationPtr &record :
         DisplayFilter::fileRepresentationsToDisplay(records, options.listing.filter))
        printer.print(*record);
    int status = Success;
    if (controller.hadSyntaxError()) {
        reportStepSyntaxErrors(controller, err_);
        status = SyntaxError;
    }
    printer.flush();
    out_.flush();
    ProcessExit::endNowIfEnabled(status, out_, err_);
    return status;
}

QString PreviewCommand::usage(CommandHelp::Language language) {
    using CommandHelp::block;
    return block(
               QT_TRANSLATE_NOOP("CommandHelp",
                                 "usage: torvane-cli preview (--steps FILE | --preset NAME | step "
                                 "options) [listing options]\n"
                                 "                           [--json] [--color WHEN] [--stats] "
                                 "PATH...\n"
                                 "       torvane-cli preview ... [-0] --from-stdin\n"),
               language) +
           block(QT_TRANSLATE_NOOP("CommandHelp",
                                   "lists the PATHs, computes every new name and prints it; "
                                   "nothing on disk changes\n"),
                 language) +
           CommandArguments::usage(language) + StepOptions::usage(language) +
           ListingOptions::usage(language) +
           block(QT_TRANSLATE_NOOP("CommandHelp",
                                   "  --stats                                 report timings on "
                                   "standard error\n"
                                   "exit status: 0 done, 2 bad input, 3 a step cannot work, 130 "
                                   "interrupted\n"),
                 language);
}

bool PreviewCommand::parse(const QStringList &arguments, Options *options) {
    const auto takeStats = [options](const QStringList &arguments, qsizetype *index, QString *) {
        if (arguments[*index] != QLatin1String("--stats")) return false;
        options->stats = true;
        return true;
    };
    QString error;
    if (!parseCommandArguments(arguments, options, takeStats, &error)) return fail(error), false;
    if (options->stepsFile.isEmpty() && options->steps.isEmpty())
        return fail(CommandHelp::tr(
                   "give the steps: --steps FILE, --preset NAME or step options such as --find")),
               false;
    return true;
}

void PreviewCommand::printStatistics(ZKRenamingController &controller, qint64 populateNanoseconds) {
    // Listing ends with a computation of every name; running one more alone tells the two
    // apart.
    QElapsedTimer timer;
    timer.start();
    controller.updateRenameNames();
    const qint64 computeNanoseconds = timer.nsecsElapsed();
    const qsizetype count = controller.fileRepresentations().size();
    err_ << CommandHelp::tr("scanned and sorted %1 items in %2 s\n")
                .arg(count)
                .arg((populateNanoseconds - computeNanoseconds) / 1e9, 0, 'f', 3)
         << CommandHelp::tr("computed names of %1 items in %2 s\n")
                .arg(count)
                .arg(computeNanoseconds / 1e9, 0, 'f', 3);
    err_.flush();
}

int PreviewCommand::fail(const QString &message) {
    return CommandHelp::reportBadInput(err_, "preview", message, usage());
}
