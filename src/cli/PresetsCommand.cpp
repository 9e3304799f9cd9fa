#include "cli/PresetsCommand.h"

#include "collections/ZKHistorian.h"

int PresetsCommand::execute(const QStringList &arguments) {
    const bool paths = arguments == QStringList{QStringLiteral("--paths")};
    if (!arguments.isEmpty() && !paths) {
        err_ << "torvane-cli presets: "
             << CommandHelp::tr("unknown option: %1").arg(arguments.first()) << '\n'
             << usage(CommandHelp::Language::Translated);
        err_.flush();
        return 2;
    }
    QString indent;
    for (const ZKCollectionEntry &entry : ZKHistorian::historian().presetURLs()) {
        if (entry.isSeparator()) {
            out_ << ZKHistorian::kSamplePresets << ":\n";
            indent = QStringLiteral("  ");
            continue;
        }
        out_ << indent << entry.menuPath();
        if (paths) out_ << '\t' << entry.path;
        out_ << '\n';
    }
    out_.flush();
    return 0;
}

QString PresetsCommand::usage(CommandHelp::Language language) {
    return CommandHelp::block(
               QT_TRANSLATE_NOOP("CommandHelp", "usage: torvane-cli presets [--paths]\n"),
               language) +
           CommandHelp::block(QT_TRANSLATE_NOOP("CommandHelp",
                                                "  lists the presets for --preset NAME "
                                                "(\"Folder/Name\" in subfolders), then the "
                                                "samples\n"
                                                "  --paths                                 add a "
                                                "tab and the path of each file\n"),
                              language);
}
