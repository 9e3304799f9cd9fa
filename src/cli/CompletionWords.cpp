#include "cli/CompletionWords.h"

#include <QRegularExpression>

#include "cli/CommandHelp.h"
#include "cli/HistoryCommand.h"
#include "cli/ListingOptions.h"
#include "cli/PresetsCommand.h"
#include "cli/PreviewCommand.h"
#include "cli/RenameCommand.h"
#include "cli/RevertCommand.h"
#include "cli/StepOptions.h"
#include "cli/TokenText.h"
#include "collections/ZKHistorian.h"

namespace {

QString usageOf(const QString &command) {
    if (command == QLatin1String("preview")) return PreviewCommand::usage();
    if (command == QLatin1String("rename")) return RenameCommand::usage();
    if (command == QLatin1String("revert")) return RevertCommand::usage();
    if (command == QLatin1String("finish")) return RevertCommand::finishUsage();
    if (command == QLatin1String("presets")) return PresetsCommand::usage();
    if (command == QLatin1String("history")) return HistoryCommand::usage();
    return QString();
}

}  // namespace

namespace CompletionWords {

QStringList optionsOf(const QString &usage) {
    static const QRegularExpression option(
        QStringLiteral("(?<![\\w-])(--[a-z0-9][a-z0-9-]*|-[h0])\\b"));
    QStringList options;
    for (const QRegularExpressionMatch &match : option.globalMatch(usage)) {
        if (!options.contains(match.captured(1))) options << match.captured(1);
    }
    return options;
}

QStringList choicesOf(const QString &option) {
    if (option == QLatin1String("--on-exists")) return {"ask", "skip", "replace", "stop"};
    if (option == QLatin1String("--color")) return {"auto", "always", "never"};
    return ListingOptions::choicesOf(option) + StepOptions::choicesOf(option);
}

int print(const QStringList &arguments, QTextStream &out, QTextStream &err) {
    const QString what = arguments.value(0);
    QStringList words;
    if (what == QLatin1String("commands")) {
        words = {"preview", "rename", "revert", "finish", "presets", "history", "help"};
    } else if (what == QLatin1String("options")) {
        words = optionsOf(usageOf(arguments.value(1)));
    } else if (what == QLatin1String("choices")) {
        words = choicesOf(arguments.value(1));
    } else if (what == QLatin1String("presets")) {
        for (const ZKCollectionEntry &entry : ZKHistorian::historian().presetURLs()) {
            if (!entry.isSeparator()) words << entry.menuPath();
        }
    } else if (what == QLatin1String("tokens")) {
        for (const QString &name : TokenText::displayNames()) words << "<" + name + ">";
    } else {
        return CommandHelp::reportBadInput(err, kCommand,
                                           CommandHelp::tr("unknown word list: %1").arg(what),
                                           "usage: torvane-cli __complete commands|options "
                                           "COMMAND|choices OPTION|tokens|presets\n");
    }
    for (const QString &word : words) out << word << '\n';
    out.flush();
    return 0;
}

}  // namespace CompletionWords
