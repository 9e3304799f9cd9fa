#include "droplets/HelperPrograms.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace HelperPrograms {

QString besideThisProgram(const QString &name) {
    if (!QCoreApplication::instance()) return QString();
    const QFileInfo candidate(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name);
    return candidate.isFile() && candidate.isExecutable() ? candidate.absoluteFilePath()
                                                          : QString();
}

QString onPath(const QString &name) { return QStandardPaths::findExecutable(name); }

QString locate(const QString &name) {
    const QString beside = besideThisProgram(name);
    return beside.isEmpty() ? onPath(name) : beside;
}

bool startDetached(const QString &program, const QStringList &arguments, QString *error) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached()) return true;
    if (error) *error = process.errorString();
    return false;
}

}  // namespace HelperPrograms
