#pragma once

#include <QStringList>
#include <QTextStream>

#include "cli/CommandArguments.h"
#include "cli/CommandHelp.h"

class ZKRenamingController;

// `torvane-cli preview --steps FILE [listing options] [--json] [--stats] PATH...`: lists the
// PATHs as the window would (folders scanned, items sorted), computes every new name with the
// steps of FILE and prints one line per listed item. Nothing on disk changes.
class PreviewCommand {
public:
    enum Status { Success = 0, BadInput = 2, SyntaxError = 3, Interrupted = 130 };

    PreviewCommand(QTextStream &out, QTextStream &err) : out_(out), err_(err) {}
    int execute(const QStringList &arguments);

    static QString usage(CommandHelp::Language language = CommandHelp::Language::English);

private:
    struct Options : CommandArguments {
        bool stats = false;
    };

    bool parse(const QStringList &arguments, Options *options);
    void printStatistics(ZKRenamingController &controller, qint64 populateNanoseconds);
    int fail(const QString &message);

    QTextStream &out_;
    QTextStream &err_;
};
