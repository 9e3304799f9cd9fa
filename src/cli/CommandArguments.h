#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVariantList>
#include <cstdio>
#include <functional>

#include "cli/CommandHelp.h"
#include "cli/ListingOptions.h"
#include "cli/StepOptions.h"

// What the commands that list files share on their command lines: the listing options, the
// steps (--steps FILE, --preset NAME or step options), --json, --color, the PATHs (also from
// standard input) and "--" before PATHs that start with a dash.
struct CommandArguments {
    enum class Color { Auto, Always, Never };

    QString stepsFile;
    StepOptions steps;
    bool json = false;
    Color color = Color::Auto;
    bool fromStdin = false;      // --from-stdin: PATHs from standard input, one a line
    bool nullSeparated = false;  // -0, --null: ... separated by NUL bytes instead
    ListingOptions listing;
    QStringList paths;

    // Whether the plain lines get colours: --color, else on a terminal unless NO_COLOR.
    bool colored(bool outputIsTerminal) const;

    // The help text of the shared options.
    static QString usage(CommandHelp::Language language = CommandHelp::Language::English);
};

// Takes the command's own option at arguments[*index] (moving *index past its value):
// answers whether it was one, and sets *error when it was one with a bad value.
using CommandOptionTaker =
    std::function<bool(const QStringList &arguments, qsizetype *index, QString *error)>;

// Walks the arguments into the shared fields and the command's own options ("--name=value"
// is read as "--name value"). False with *error for the first unknown option or bad value,
// for step options given together with --steps, and when no PATH is given.
bool parseCommandArguments(const QStringList &arguments, CommandArguments *common,
                           const CommandOptionTaker &takeOwnOption, QString *error);

// The steps of the command line: those of the step options, or those of --steps FILE.
bool stepArchives(const CommandArguments &arguments, QVariantList *archives, QString *error);

// With --from-stdin, appends the PATHs read from input (one a line, or NUL-separated with
// -0). A path that is not valid UTF-8 cannot be named exactly to the listing: it is left out
// with a warning on err. False with *error when no PATH is left at all.
bool readPathsFromInput(CommandArguments *arguments, FILE *input, QTextStream &err, QString *error);

// --print-steps: the steps of the command line as a steps file (an XML property list).
bool printStepsFile(const CommandArguments &arguments, QTextStream &out, QString *error);
