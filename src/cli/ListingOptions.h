#pragma once

#include <QString>
#include <QStringList>

#include "cli/CommandHelp.h"

class ZKRenamingController;

// The listing, sorting and naming choices of the command line, each mapped to the
// controller's setting of the same meaning. Unset choices keep the controller's defaults.
struct ListingOptions {
    int listFiles = -1;  // -1 unset, else 0 or 1
    int listFolders = -1;
    int folderContents = -1;
    bool includeInvisible = false;
    bool ignoreAliases = false;
    int sortStrategy = 0;  // ZKSortPriorities strategies; name by default
    bool sortGiven = false;
    bool descending = false;
    int filter = 0;  // DisplayFilter tags
    bool autoUniqueify = false;
    bool ignoreTrailingGibberish = true;

    // Takes the option at arguments[*index] (and its value) when it is a listing option;
    // false when it is not one. *error is set for a listing option with a bad value.
    bool take(const QStringList &arguments, qsizetype *index, QString *error);
    // Applies the choices given; the controller keeps its own for the others.
    void applyTo(ZKRenamingController &controller) const;

    static QString usage(CommandHelp::Language language = CommandHelp::Language::English);
    // The values of --sort and --filter, sorted; empty for other options.
    static QStringList choicesOf(const QString &option);
};
