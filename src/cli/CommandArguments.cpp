#include "cli/CommandArguments.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextStream>
#include <cstdio>

#include "cli/ArgumentEncoding.h"
#include "cli/PresetLookup.h"
#include "cli/StepsFile.h"
#include "common/PropertyList.h"

namespace {

const char *const kStepsGivenTwice = QT_TRANSLATE_NOOP(
    "CommandHelp", "--steps FILE and --preset NAME cannot be combined: give the steps one way");

// Options of the shared arguments that take a value; a value never counts as an option.
bool takesValue(const QString &option) {
    static const QStringList shared{"--steps",  "--color",     "--sort",  "--filter",
                                    "--config", "--on-exists", "--preset"};
    return shared.contains(option) || StepOptions::valueOptions().contains(option);
}

// "--name=value" as two arguments, up to "--" and never inside an option's value.
QStringList withOptionValuesSplit(const QStringList &arguments) {
    QStringList split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const qsizetype equals = argument.indexOf(u'=');
        if (argument == QLatin1String("--")) return split + arguments.mid(i);
        if (takesValue(argument) && i + 1 < arguments.size()) {
            split << argument << arguments[++i];
        } else if (argument.startsWith(QLatin1String("--")) && equals > 2) {
            split << argument.left(equals) << argument.mid(equals + 1);
        } else {
            split << argument;
        }
    }
    return split;
}

bool takeColor(const QStringList &arguments, qsizetype *index, CommandArguments *common,
               QString *error) {
    if (++*index == arguments.size())
        return *error = CommandHelp::tr("%1 needs a value").arg("--color"), false;
    const QString &when = arguments[*index];
    if (when == QLatin1String("auto")) {
        common->color = CommandArguments::Color::Auto;
    } else if (when == QLatin1String("always")) {
        common->color = CommandArguments::Color::Always;
    } else if (when == QLatin1String("never")) {
        common->color = CommandArguments::Color::Never;
    } else {
        *error = CommandHelp::tr("%1: unknown value \"%2\" (one of: %3)")
                     .arg("--color", when, "always, auto, never");
        return false;
    }
    return true;
}

}  // namespace

bool CommandArguments::colored(bool outputIsTerminal) const {
    if (color != Color::Auto) return color == Color::Always;
    return outputIsTerminal && qEnvironmentVariableIsEmpty("NO_COLOR");
}

QString CommandArguments::usage(CommandHelp::Language language) {
    return CommandHelp::block(
        QT_TRANSLATE_NOOP(
            "CommandHelp",
            "  --steps FILE                            the steps: a property list of step "
            "dictionaries\n"
            "  --preset NAME                           the steps of a preset (\"Folder/Name\" in "
            "subfolders)\n"
            "  --json                                  one JSON object per item and line\n"
            "  --color WHEN                            colour the lights: auto (on a terminal,\n"
            "                                          unless NO_COLOR is set), always, never\n"
            "  --from-stdin                            read the PATHs from standard input, one a "
            "line\n"
            "  -0, --null                              ... separated by NUL bytes (find -print0)\n"
            "  -h, --help                              show this help\n"),
        language);
}

bool parseCommandArguments(const QStringList &given, CommandArguments *common,
                           const CommandOptionTaker &takeOwnOption, QString *error) {
    const QStringList arguments = withOptionValuesSplit(given);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (common->listing.take(arguments, &i, error) ||
            common->steps.take(arguments, &i, error) || takeOwnOption(arguments, &i, error)) {
            if (!error->isEmpty()) return false;
        } else if (argument == QLatin1String("--steps")) {
            if (++i == arguments.size())
                return *error = CommandHelp::tr("--steps needs a file"), false;
            if (!common->stepsFile.isEmpty())
                return *error = CommandHelp::tr(kStepsGivenTwice), false;
            common->stepsFile = arguments[i];
        } else if (argument == QLatin1String("--preset")) {
            // A preset is a configuration file of steps, found by its menu name.
            if (++i == arguments.size())
                return *error = CommandHelp::tr("--preset needs a name"), false;
            if (!common->stepsFile.isEmpty())
                return *error = CommandHelp::tr(kStepsGivenTwice), false;
            common->stepsFile = presetPathNamed(arguments[i], error);
            if (common->stepsFile.isEmpty()) return false;
        } else if (argument == QLatin1String("--json")) {
            common->json = true;
        } else if (argument == QLatin1String("--color")) {
            if (!takeColor(arguments, &i, common, error)) return false;
        } else if (argument == QLatin1String("--from-stdin")) {
            common->fromStdin = true;
        } else if (argument == QLatin1String("-0") || argument == QLatin1String("--null")) {
            common->nullSeparated = true;
        } else if (argument == QLatin1String("--")) {
            common->paths << arguments.mid(i + 1);
            break;
        } else if (argument.startsWith(QLatin1String("--")) ||
                   (argument.startsWith(u'-') && argument.size() == 2)) {
            return *error = CommandHelp::tr("unknown option: %1").arg(argument), false;
        } else {
            common->paths << argument;
        }
    }
    if (!common->steps.isEmpty() && !common->stepsFile.isEmpty())
        return *error = CommandHelp::tr(
                   "--steps FILE or --preset NAME and step options such as "
                   "--find cannot be combined: give the steps one way"),
               false;
    if (common->nullSeparated && !common->fromStdin)
        return *error =
                   CommandHelp::tr("-0 reads PATHs from standard input: give --from-stdin too"),
               false;
    if (common->paths.isEmpty() && !common->fromStdin && !common->steps.printSteps())
        return *error = CommandHelp::tr("no PATH given"), false;
    return true;
}

bool stepArchives(const CommandArguments &arguments, QVariantList *archives, QString *error) {
    if (arguments.stepsFile.isEmpty()) {
        *archives = arguments.steps.archives();
        return true;
    }
    return readStepArchives(arguments.stepsFile, archives, error);
}

bool readPathsFromInput(CommandArguments *arguments, FILE *input, QTextStream &err,
                        QString *error) {
    if (!arguments->fromStdin) return true;
    QFile file;
    if (!file.open(input, QIODevice::ReadOnly))
        return *error = CommandHelp::tr("cannot read standard input"), false;
    const char separator = arguments->nullSeparated ? '\0' : '\n';
    for (const QByteArray &path : file.readAll().split(separator)) {
        if (path.isEmpty()) continue;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(path);
        // Decoding would replace the bad bytes, and the listing could then meet a different
        // item whose name reads the same.
        if (utf8.hasError()) {
            err << ArgumentEncoding::invalidPathReport(CommandHelp::tr("left out a PATH"), path);
            continue;
        }
        arguments->paths.append(text);
    }
    err.flush();
    if (arguments->paths.isEmpty())
        return *error = CommandHelp::tr("no PATH given on standard input"), false;
    return true;
}

bool printStepsFile(const CommandArguments &arguments, QTextStream &out, QString *error) {
    QVariantList archives;
    if (!stepArchives(arguments, &archives, error)) return false;
    const QByteArray data = PropertyList::toData(archives, PropertyList::Format::Xml, error);
    if (data.isEmpty()) return false;
    out << QString::fromUtf8(data);
    out.flush();
    return true;
}
