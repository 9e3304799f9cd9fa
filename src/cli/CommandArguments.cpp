#include "cli/CommandArguments.h"

#include "cli/PresetLookup.h"

bool parseCommandArguments(const QStringList &arguments, CommandArguments *common,
                           const CommandOptionTaker &takeOwnOption, QString *error) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (common->listing.take(arguments, &i, error) || takeOwnOption(arguments, &i, error)) {
            if (!error->isEmpty()) return false;
        } else if (argument == QLatin1String("--steps")) {
            if (++i == arguments.size()) return *error = "--steps needs a file", false;
            common->stepsFile = arguments[i];
        } else if (argument == QLatin1String("--preset")) {
            // A preset is a configuration file of steps, found by its menu name.
            if (++i == arguments.size()) return *error = "--preset needs a name", false;
            common->stepsFile = presetPathNamed(arguments[i], error);
            if (common->stepsFile.isEmpty()) return false;
        } else if (argument == QLatin1String("--json")) {
            common->json = true;
        } else if (argument == QLatin1String("--")) {
            common->paths << arguments.mid(i + 1);
            break;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return *error = QStringLiteral("unknown option: %1").arg(argument), false;
        } else {
            common->paths << argument;
        }
    }
    if (common->paths.isEmpty()) return *error = "no PATH given", false;
    return true;
}
