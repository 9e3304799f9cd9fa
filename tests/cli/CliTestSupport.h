#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

// The outcome of one torvane-cli run.
struct CliRun {
    int status = -1;
    QString out;
    QString err;

    QStringList lines() const;
    // Every output line parsed as a JSON object.
    QList<QJsonObject> jsonLines() const;
    // The "newName" of every JSON line, in order.
    QStringList newNames() const;
};

// The built torvane-cli program.
QString cliProgram();

// Runs a command in-process, as the program would.
CliRun runCliInProcess(const QStringList &arguments);

// Runs the built torvane-cli program, with the input on its standard input.
CliRun runCliProgram(const QStringList &arguments, const QByteArray &input = QByteArray(),
                     const QStringList &environment = {});

// Runs the built torvane-cli on a terminal of its own (standard input, output and error),
// typing the answers one after another each time it asks ("Answer: "). Output and errors
// come together in `out`, as a terminal shows them.
CliRun runCliOnTerminal(const QStringList &arguments, const QStringList &answers);

// The archive of a Find and Replace step.
QVariantMap findAndReplace(const QString &target, const QString &replacement, bool regex = false);

// Writes a steps file (an XML or binary property list of step archives); returns its path.
QString writeStepsFile(const QString &folder, const QVariantList &archives, bool binary = false);
