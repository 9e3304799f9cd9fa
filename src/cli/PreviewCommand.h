#pragma once

#include <QList>
#include <QStringList>
#include <QTextStream>

#include "engine/ZKRenamingDelegate.h"
#include "files/ZKFileRepresentation.h"

// `torvane-cli preview --steps FILE [--json] PATH...`: computes the new name of every PATH
// with the steps of FILE and prints one line per item. Nothing on disk changes.
class PreviewCommand {
public:
    enum Status { Success = 0, BadInput = 2, SyntaxError = 3 };

    PreviewCommand(QTextStream &out, QTextStream &err) : out_(out), err_(err) {}
    int execute(const QStringList &arguments);

private:
    struct Options {
        QString stepsFile;
        bool json = false;
        QStringList paths;
    };

    bool parse(const QStringList &arguments, Options *options);
    // Runs every step over every record; false when a step cannot work at all.
    bool computeNames(const QList<ZKRenamerPtr> &renamers,
                      const QList<ZKFileRepresentationPtr> &records);
    void reportSyntaxError(const QList<ZKRenamerPtr> &renamers);
    int fail(const QString &message);

    QTextStream &out_;
    QTextStream &err_;
};
