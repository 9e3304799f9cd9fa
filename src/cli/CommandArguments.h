#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "cli/ListingOptions.h"

// What the commands that list files share on their command lines: the listing options,
// --steps FILE (or --preset NAME, the preset's file), --json, the PATHs and "--" before PATHs that
// start with a dash.
struct CommandArguments {
    QString stepsFile;
    bool json = false;
    ListingOptions listing;
    QStringList paths;
};

// Takes the command's own option at arguments[*index] (moving *index past its value):
// answers whether it was one, and sets *error when it was one with a bad value.
using CommandOptionTaker =
    std::function<bool(const QStringList &arguments, qsizetype *index, QString *error)>;

// Walks the arguments into the shared fields and the command's own options. False with
// *error for the first unknown option or bad value.
bool parseCommandArguments(const QStringList &arguments, CommandArguments *common,
                           const CommandOptionTaker &takeOwnOption, QString *error);
