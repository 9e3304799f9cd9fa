#include "cli/PreviewCommand.h"

#include <QFile>
#include <QFileInfo>

#include "cli/RecordPrinter.h"
#include "cli/StepsFile.h"
#include "engine/EngineDefaults.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"

namespace {

const char *const kUsage = "usage: torvane-cli preview --steps FILE [--json] PATH...";

// Relative paths are taken from the working folder; the bytes given are kept as they are.
QByteArray absoluteNativePath(const QString &argument)
{
    return QFile::encodeName(QFileInfo(argument).absoluteFilePath());
}

}  // namespace

int PreviewCommand::execute(const QStringList &arguments)
{
    Options options;
    if (!parse(arguments, &options)) return BadInput;

    QVariantList archives;
    QString error;
    if (!readStepArchives(options.stepsFile, &archives, &error)) return fail(error);

    registerEngineDefaults();
    const QList<ZKRenamerPtr> renamers = RenamerCollections::renamersFromArchives(archives);
    QList<ZKFileRepresentationPtr> records;
    for (const QString &path : options.paths)
        records << ZKFileRepresentation::fileRepresentationWithNativePath(
            absoluteNativePath(path), nullptr);

    const bool usable = computeNames(renamers, records);
    RecordPrinter printer(out_, options.json);
    for (const ZKFileRepresentationPtr &record : records) printer.print(*record);
    out_.flush();
    if (usable) return Success;
    reportSyntaxError(renamers);
    return SyntaxError;
}

bool PreviewCommand::parse(const QStringList &arguments, Options *options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--steps")) {
            if (++i == arguments.size()) return fail("--steps needs a file"), false;
            options->stepsFile = arguments[i];
        } else if (argument == QLatin1String("--json")) {
            options->json = true;
        } else if (argument == QLatin1String("--")) {
            options->paths << arguments.mid(i + 1);
            break;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return fail(QStringLiteral("unknown option: %1").arg(argument)), false;
        } else {
            options->paths << argument;
        }
    }
    if (options->stepsFile.isEmpty()) return fail("--steps FILE is required"), false;
    if (options->paths.isEmpty()) return fail("no PATH given"), false;
    return true;
}

bool PreviewCommand::computeNames(const QList<ZKRenamerPtr> &renamers,
                                  const QList<ZKFileRepresentationPtr> &records)
{
    bool syntaxError = false;
    const qint64 count = records.size();
    for (qint64 index = 0; index < count && !syntaxError; ++index) {
        ZKFileRepresentation &record = *records[index];
        record.clearIntermediateNames();
        for (const ZKRenamerPtr &renamer : renamers) {
            renamer->processFileRepresentation(&record, index, count, &syntaxError);
            if (syntaxError) break;
        }
        record.setRenameName(record.intermediateName());
    }
    if (!syntaxError) return true;
    // A half-applied step list must never rename anything.
    for (const ZKFileRepresentationPtr &record : records) {
        record->clearIntermediateNames();
        record->setRenameName(QString());
    }
    return false;
}

void PreviewCommand::reportSyntaxError(const QList<ZKRenamerPtr> &renamers)
{
    for (qsizetype i = 0; i < renamers.size(); ++i) {
        const ZKRenamer &renamer = *renamers[i];
        if (renamer.operation() == 0 && renamer.targetStatus() == -1)
            err_ << QStringLiteral("step %1 (%2): the target is not a valid regular expression\n")
                        .arg(i + 1)
                        .arg(renamer.operationName());
    }
    err_ << "no item gets a new name\n";
    err_.flush();
}

int PreviewCommand::fail(const QString &message)
{
    err_ << "torvane-cli preview: " << message << '\n' << kUsage << '\n';
    err_.flush();
    return BadInput;
}
