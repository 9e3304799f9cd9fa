#include "FaultTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "common/PropertyList.h"

namespace {

// Tag -> (pattern, replacement); the tag is the first letter of the name.
struct Rule {
    const char *pattern;
    const char *replacement;
};
const Rule kRules[] = {
    {"^S(.)(.)", "S\\2\\1"},        // swaps: S12-k <-> S21-k
    {"^C(.)(.)(.)", "C\\2\\3\\1"},  // three-cycles: C123-k -> C231-k -> C312-k -> C123-k
    {"^(H\\d+-x+)", "\\1x"},        // shift chains: H-k-x -> H-k-xx -> ... -> a free name
    {"^k", "K"},                    // letter case only
    {"^F", "G"},                    // a free name
    {"^R", "Q"},                    // a name an unlisted occupant holds
};

QVariantMap stepArchive(const Rule &rule) {
    QString replacement = QString::fromLatin1(rule.replacement);
    replacement.replace(QRegularExpression("\\\\(\\d)"), "$\\1");
    return {{"Task", 0},
            {"Rename: Find/Replace: Target", QVariantList{QString::fromLatin1(rule.pattern)}},
            {"Rename: Find/Replace: Replacement", QVariantList{replacement}},
            {"Rename: Find/Replace: Query is RegEx", true},
            {"Rename: Find/Replace: Ignore Case", false}};
}

}  // namespace

FaultTree::FaultTree(int groups)
    : folder_(dir_.makeFolder("files")), stash_(dir_.makeFolder("stash")) {
    for (int k = 0; k < groups; ++k) {
        const QString n = QStringLiteral("%1").arg(k, 3, 10, QChar('0'));
        for (const char *digits : {"12", "21", "34", "43"})
            add(QString("S%1-%2.dat").arg(digits, n), true);
        for (const char *digits : {"123", "231", "312"})
            add(QString("C%1-%2.dat").arg(digits, n), true);
        for (const char *xs : {"x", "xx", "xxx", "xxxx"})
            add(QString("H%1-%2.dat").arg(n, xs), true);
        add(QString("k%1.dat").arg(n), true);
        add(QString("F%1.dat").arg(n), true);
        add(QString("R%1.dat").arg(n), true);
        add(QString("Q%1.dat").arg(n), false);
    }
    QVariantList archives;
    for (const Rule &rule : kRules) archives << stepArchive(rule);
    steps_ = dir_.filePath("steps.tva");
    PropertyList::writeFile(steps_, archives, PropertyList::Format::Xml);
}

void FaultTree::add(const QString &name, bool listed) {
    originals_.insert(name, contentOf(name));
    const QString path = dir_.makeFile("files/" + name, contentOf(name));
    if (listed) listed_ << path;
}

QString FaultTree::newName(const QString &name) {
    if (name.startsWith('Q')) return QString();
    QString renamed = name;
    for (const Rule &rule : kRules)
        renamed.replace(QRegularExpression(QString::fromLatin1(rule.pattern)),
                        QString::fromLatin1(rule.replacement));
    return renamed;
}

QByteArray FaultTree::contentOf(const QString &name) {
    return "content of " + name.toUtf8() + '\n';
}

ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(120000);
    ProgramRun run;
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.status = run.crashed ? -1 : process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString cliProgram() {
    return QCoreApplication::applicationDirPath() + "/../../src/cli/torvane-cli";
}

QString faultyCliProgram() {
    return QCoreApplication::applicationDirPath() + "/torvane-cli-faulty";
}
