#include "cli/CliTestSupport.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QProcess>
#include <QTextStream>

#include "cli/Cli.h"
#include "common/PropertyList.h"

QStringList CliRun::lines() const { return out.split('\n', Qt::SkipEmptyParts); }

QList<QJsonObject> CliRun::jsonLines() const {
    QList<QJsonObject> objects;
    for (const QString &line : lines()) objects << QJsonDocument::fromJson(line.toUtf8()).object();
    return objects;
}

QStringList CliRun::newNames() const {
    QStringList names;
    for (const QJsonObject &line : jsonLines()) names << line["newName"].toString();
    return names;
}

CliRun runCliInProcess(const QStringList &arguments) {
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runCli(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

CliRun runCliProgram(const QStringList &arguments, const QByteArray &input,
                     const QStringList &environment) {
    QProcess process;
    process.setEnvironment(QProcess::systemEnvironment() + environment);
    // The test program sits in <build>/tests/cli, the tool in <build>/src/cli.
    const QString program = QCoreApplication::applicationDirPath() + "/../../src/cli/torvane-cli";
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString writeStepsFile(const QString &folder, const QVariantList &archives, bool binary) {
    const QString path = folder + (binary ? "/steps-binary.tva" : "/steps.tva");
    PropertyList::writeFile(path, archives,
                            binary ? PropertyList::Format::Binary : PropertyList::Format::Xml);
    return path;
}

QVariantMap findAndReplace(const QString &target, const QString &replacement, bool regex) {
    return {{"Task", 0},
            {"Rename: Find/Replace: Target", QVariantList{target}},
            {"Rename: Find/Replace: Replacement", QVariantList{replacement}},
            {"Rename: Find/Replace: Query is RegEx", regex}};
}
