#pragma once

#include <QStringList>
#include <QTextStream>

#include "cli/CommandHelp.h"

// `torvane-cli history`: every configuration used for renaming, oldest first, one per line:
// the number of runs, the first and the latest use, and the steps in a few words.
class HistoryCommand {
public:
    HistoryCommand(QTextStream &out, QTextStream &err) : out_(out), err_(err) {}
    int execute(const QStringList &arguments);
    static QString usage(CommandHelp::Language language = CommandHelp::Language::English);

private:
    QTextStream &out_;
    QTextStream &err_;
};
