#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "support/TestEnvironment.h"

// A folder of files that one rename run turns into every hard case at once: swaps and
// three-cycles (moves aside), shift chains (each target held by the next file), changes of
// letter case only (through a temporary name), plain renames, and listed files whose new
// name an unlisted occupant holds ("replace" sends it to the Trash). Every file holds a
// content of its own, so where each one went can be told.
class FaultTree {
public:
    // `groups` copies of each case.
    explicit FaultTree(int groups);

    QString folder() const { return folder_; }
    // The steps file that renames the listed files.
    QString steps() const { return steps_; }
    // The listed files' paths (the occupants are not listed).
    QStringList listed() const { return listed_; }
    // Every file the folder held before the run, name -> content.
    const QMap<QString, QByteArray> &originals() const { return originals_; }
    // The name the run gives a listed file ("" for an occupant).
    static QString newName(const QString &name);
    // The content the test put into the file called `name`.
    static QByteArray contentOf(const QString &name);
    // A folder of the tree's own for items a fault takes away.
    QString stash() const { return stash_; }

private:
    void add(const QString &name, bool listed);

    TestDir dir_;
    QString folder_;
    QString stash_;
    QString steps_;
    QStringList listed_;
    QMap<QString, QByteArray> originals_;
};

// One program run: exit status (-1 when a signal ended it), standard error.
struct ProgramRun {
    int status = -1;
    bool crashed = false;
    QString err;
};

ProgramRun runProgram(
    const QString &program, const QStringList &arguments,
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
// The built torvane-cli, and the test build of it that injects faults (FaultyCli.cpp).
QString cliProgram();
QString faultyCliProgram();
