#include "listing/SelectionScript.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "common/ApplicationSupport.h"
#include "common/Translations.h"

namespace SelectionScript {

TORVANE_NAMESPACE_TR(SelectionScript)

namespace {

Result failure(const QString &error) {
    Result result;
    result.error = error;
    return result;
}

QString missingScriptError(const QString &path) {
    return SelectionScript::tr(
               "There is no script to read the file manager's selection. Put an executable "
               "program at \"%1\" that prints the paths of the selected items, one per line.")
        .arg(path);
}

// The first line of what the script said on its error output, to hint at the cause.
QString firstErrorLine(QProcess &process) {
    const QString text = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return text.section(u'\n', 0, 0);
}

QString failureText(QProcess &process, const QString &path) {
    QString error =
        process.exitStatus() == QProcess::CrashExit
            ? SelectionScript::tr("The file manager selection script \"%1\" crashed.").arg(path)
            : SelectionScript::tr(
                  "The file manager selection script \"%1\" failed with "
                  "exit status %2.")
                  .arg(path)
                  .arg(process.exitCode());
    const QString detail = firstErrorLine(process);
    if (!detail.isEmpty()) error += u' ' + detail;
    return error;
}

}  // namespace

QString scriptPath() {
    return ApplicationSupport::folder() + QStringLiteral("/Scripts/") +
           QString::fromLatin1(scriptName);
}

Result run(int timeoutMilliseconds) {
    const QString path = scriptPath();
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) return failure(missingScriptError(path));
    if (!info.isExecutable())
        return failure(tr("The file manager selection script \"%1\" is not "
                          "executable; allow it to run (chmod +x).")
                           .arg(path));

    QProcess process;
    process.setProgram(path);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMilliseconds))
        return failure(tr("The file manager selection script \"%1\" could not be "
                          "started: %2")
                           .arg(path, process.errorString()));
    if (!process.waitForFinished(timeoutMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return failure(tr("The file manager selection script \"%1\" did not finish "
                          "within %2 seconds.")
                           .arg(path)
                           .arg(timeoutMilliseconds / 1000.0));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return failure(failureText(process, path));

    Result result;
    result.ok = true;
    result.paths = pathsFromScriptResult(QFile::decodeName(process.readAllStandardOutput()));
    return result;
}

QStringList pathsFromScriptResult(const QString &output) {
    return output.split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace SelectionScript
