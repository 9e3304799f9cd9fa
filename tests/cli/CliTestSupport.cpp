#include "cli/CliTestSupport.h"

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTextStream>
#include <vector>

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

// The test program sits in <build>/tests/cli, the tool in <build>/src/cli.
QString cliProgram() {
    return QCoreApplication::applicationDirPath() + "/../../src/cli/torvane-cli";
}

CliRun runCliProgram(const QStringList &arguments, const QByteArray &input,
                     const QStringList &environment) {
    QProcess process;
    process.setEnvironment(QProcess::systemEnvironment() + environment);
    process.start(cliProgram(), arguments);
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

CliRun runCliOnTerminal(const QStringList &arguments, const QStringList &answers) {
    std::vector<QByteArray> words{QFile::encodeName(cliProgram())};
    for (const QString &argument : arguments) words.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        execv(argv.front(), argv.data());
        _exit(127);
    }
    QByteArray output;
    qsizetype answered = 0;
    for (;;) {
        pollfd ready{terminal, POLLIN, 0};
        if (poll(&ready, 1, 60000) <= 0) break;
        char buffer[4096];
        const ssize_t count = read(terminal, buffer, sizeof buffer);
        if (count <= 0) break;  // EIO once the program has ended
        output.append(buffer, count);
        if (answered < answers.size() && output.count("Answer: ") > answered) {
            const QByteArray line = answers.at(answered++).toUtf8() + "\n";
            if (write(terminal, line.constData(), size_t(line.size())) != line.size()) break;
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(terminal);
    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = QString::fromUtf8(output).replace("\r\n", "\n");
    return run;
}
