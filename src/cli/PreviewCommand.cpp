#include "cli/PreviewCommand.h"

#include <unistd.h>

#include <QElapsedTimer>

#include "cli/CliUserInteraction.h"
#include "cli/InterruptFlag.h"
#include "cli/PathArguments.h"
#include "cli/RecordPrinter.h"
#include "cli/StepsFile.h"
#include "cli/SyntaxErrorReport.h"
#include "cli/UnfinishedJournalReport.h"
#include "controller/ZKRenamingController.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"
#include "listing/DisplayFilter.h"

int PreviewCommand::execute(const QStringList &arguments) {
    Options options;
    if (!parse(arguments, &options)) return BadInput;
    reportUnfinishedJournal(err_);
    QVariantList archives;
    QString error;
    if (!readStepArchives(options.stepsFile, &archives, &error)) return fail(error);

    ZKRenamingController::registerControllerDefaults();
    CliUserInteraction interaction(err_, /*interactive=*/false);
    interaction.setAsksPrompts(isatty(STDIN_FILENO));
    ZKRenamingController controller(&interaction);
    controller.setRenamers(RenamerCollections::renamersFromArchives(archives));
    options.listing.applyTo(controller);

    InterruptFlag::install();
    QElapsedTimer timer;
    timer.start();
    controller.populateWithPaths(absolutePaths(options.paths), false, false);
    if (InterruptFlag::isSet()) return Interrupted;
    if (options.stats) printStatistics(controller, timer.nsecsElapsed());

    const QList<ZKFileRepresentationPtr> &records = controller.fileRepresentations();
    RecordPrinter printer(out_, options.json);
    for (const ZKFileRepresentationPtr &record :
         DisplayFilter::fileRepresentationsToDisplay(records, options.listing.filter))
        printer.print(*record);
    out_.flush();
    if (!controller.hadSyntaxError()) return Success;
    reportStepSyntaxErrors(controller, err_);
    return SyntaxError;
}

QString PreviewCommand::usage() {
    return QStringLiteral(
               "usage: torvane-cli preview (--steps FILE | --preset NAME) [listing options] "
               "[--json] [--stats] PATH...\n") +
           ListingOptions::usage() +
           "  --json                                  one JSON object per item and line\n"
           "  --stats                                 report timings on standard error\n";
}

bool PreviewCommand::parse(const QStringList &arguments, Options *options) {
    const auto takeStats = [options](const QStringList &arguments, qsizetype *index, QString *) {
        if (arguments[*index] != QLatin1String("--stats")) return false;
        options->stats = true;
        return true;
    };
    QString error;
    if (!parseCommandArguments(arguments, options, takeStats, &error)) return fail(error), false;
    if (options->stepsFile.isEmpty())
        return fail("--steps FILE or --preset NAME is required"), false;
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
    err_ << QStringLiteral("scanned and sorted %1 items in %2 s\n")
                .arg(count)
                .arg((populateNanoseconds - computeNanoseconds) / 1e9, 0, 'f', 3)
         << QStringLiteral("computed names of %1 items in %2 s\n")
                .arg(count)
                .arg(computeNanoseconds / 1e9, 0, 'f', 3);
    err_.flush();
}

int PreviewCommand::fail(const QString &message) {
    err_ << "torvane-cli preview: " << message << '\n' << usage();
    err_.flush();
    return BadInput;
}
