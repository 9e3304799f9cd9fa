#include "cli/ListingOptions.h"

#include <QHash>

#include "controller/ZKRenamingController.h"
#include "listing/DisplayFilter.h"
#include "listing/ZKSortPriorities.h"

namespace {

const QHash<QString, int> &sortStrategies() {
    static const QHash<QString, int> strategies{{"name", ZKSortPriorities::Name},
                                                {"path", ZKSortPriorities::Path},
                                                {"created", ZKSortPriorities::CreationDate},
                                                {"modified", ZKSortPriorities::ModificationDate},
                                                {"comment", ZKSortPriorities::Comment},
                                                {"size", ZKSortPriorities::Size},
                                                {"type", ZKSortPriorities::FileType},
                                                {"shuffle", ZKSortPriorities::Shuffle},
                                                {"none", ZKSortPriorities::DontSort}};
    return strategies;
}

const QHash<QString, int> &filters() {
    static const QHash<QString, int> tags{{"all", DisplayFilter::ShowAll},
                                          {"modified", DisplayFilter::ShowModified},
                                          {"problems", DisplayFilter::ShowWarningsOrErrors}};
    return tags;
}

// An on/off pair such as --list-files / --no-list-files.
bool takeSwitch(const QString &argument, const QString &name, int *value) {
    if (argument == "--" + name) {
        *value = 1;
        return true;
    }
    if (argument == "--no-" + name) {
        *value = 0;
        return true;
    }
    return false;
}

// A choice such as --sort name; false with an error for a missing or unknown value.
bool takeChoice(const QStringList &arguments, qsizetype *index, const QHash<QString, int> &choices,
                int *value, QString *error) {
    const QString option = arguments[*index];
    if (*index + 1 >= arguments.size()) {
        *error = CommandHelp::tr("%1 needs a value").arg(option);
        return false;
    }
    const QString choice = arguments[++*index];
    if (!choices.contains(choice)) {
        QStringList known = choices.keys();
        known.sort();
        *error = CommandHelp::tr("%1: unknown value \"%2\" (one of: %3)")
                     .arg(option, choice, known.join(", "));
        return false;
    }
    *value = choices.value(choice);
    return true;
}

}  // namespace

bool ListingOptions::take(const QStringList &arguments, qsizetype *index, QString *error) {
    const QString &argument = arguments[*index];
    if (takeSwitch(argument, "list-files", &listFiles)) return true;
    if (takeSwitch(argument, "list-folders", &listFolders)) return true;
    if (takeSwitch(argument, "folder-contents", &folderContents)) return true;
    if (argument == "--include-invisible") return includeInvisible = true;
    if (argument == "--ignore-aliases") return ignoreAliases = true;
    if (argument == "--descending") return descending = true;
    if (argument == "--auto-uniqueify") return autoUniqueify = true;
    if (argument == "--no-ignore-trailing-gibberish") {
        ignoreTrailingGibberish = false;
        return true;
    }
    if (argument == "--sort") {
        sortGiven = true;
        takeChoice(arguments, index, sortStrategies(), &sortStrategy, error);
        return true;
    }
    if (argument == "--filter") {
        takeChoice(arguments, index, filters(), &filter, error);
        return true;
    }
    return false;
}

void ListingOptions::applyTo(ZKRenamingController &controller) const {
    // Only what was given changes: the rest keeps the window's defaults, or the choices of a
    // configuration read before.
    if (listFiles >= 0) controller.setRenameFiles(listFiles);
    if (listFolders >= 0) controller.setRenameFolders(listFolders);
    if (folderContents >= 0) controller.setScanFolderContents(folderContents);
    // As in the window, files and folders are never both left out.
    if (!controller.renameFiles() && !controller.renameFolders()) controller.setRenameFolders(true);
    if (includeInvisible) controller.setIgnoreInvisibleFiles(false);
    controller.setIgnoreAliases(ignoreAliases);
    if (autoUniqueify) controller.setAutoUniqueify(true);
    if (!ignoreTrailingGibberish) controller.setIgnoreTrailingGibberish(false);

    if (!sortGiven && !descending) return;
    ZKSortPriorities priorities = controller.sortingPriorities();
    if (sortGiven) priorities.setPrimarySortOrder(sortStrategy);
    if (ZKSortPriorities::isComparingStrategy(priorities.primarySortOrder()))
        priorities.setPrimaryInverted(descending);
    controller.setSortingPriorities(priorities);
}

QStringList ListingOptions::choicesOf(const QString &option) {
    QStringList choices = option == QLatin1String("--sort")     ? sortStrategies().keys()
                          : option == QLatin1String("--filter") ? filters().keys()
                                                                : QStringList();
    choices.sort();
    return choices;
}

QString ListingOptions::usage(CommandHelp::Language language) {
    return CommandHelp::block(
        QT_TRANSLATE_NOOP(
            "CommandHelp",
            "listing options:\n"
            "  --list-files | --no-list-files          list files (default: on)\n"
            "  --list-folders | --no-list-folders      list folders themselves (default: off)\n"
            "  --folder-contents | --no-folder-contents\n"
            "                                          list what folders hold, at every depth "
            "(default: on)\n"
            "  --include-invisible                     also list hidden items\n"
            "  --ignore-aliases                        skip symbolic links\n"
            "  --sort name|path|created|modified|comment|size|type|shuffle|none  (default: name)\n"
            "  --descending                            reverse the sort order\n"
            "  --filter all|modified|problems          which items to print (default: all)\n"
            "  --auto-uniqueify                        number colliding names instead of "
            "refusing them\n"
            "  --no-ignore-trailing-gibberish          keep trailing digits and separators in "
            "the common prefix\n"
            "symbolic links inside a listed folder are items of their own (renaming one renames\n"
            "the link) and are never entered; a PATH that is itself a link to a folder is\n"
            "followed once, as find -H does\n"),
        language);
}
