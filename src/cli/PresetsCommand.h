#pragma once

#include <QStringList>
#include <QTextStream>

#include "cli/CommandHelp.h"

// `torvane-cli presets [--paths]`: the presets as the window's menu lists them, one per line
// ("Folder/Name" in subfolders), the user's first, then the samples under "Sample Presets:".
// With --paths each line ends with a tab and the file's path.
class PresetsCommand {
public:
    PresetsCommand(QTextStream &out, QTextStream &err) : out_(out), err_(err) {}
    int execute(const QStringList &arguments);
    static QString usage(CommandHelp::Language language = CommandHelp::Language::English);

private:
    QTextStream &out_;
    QTextStream &err_;
};
