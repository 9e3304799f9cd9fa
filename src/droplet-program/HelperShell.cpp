#include "droplet-program/HelperShell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/Log.h"
#include "common/Unicode.h"

namespace HelperShell {

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv) {
    const bool display = qEnvironmentVariableIsSet("DISPLAY") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    std::unique_ptr<QCoreApplication> application;
    if (display)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Torvane"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorlix.com"));
    return application;
}

int fail(const QString &message) {
    Log::line(message);
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) QApplication::beep();
    return 1;
}

QStringList pathArguments(int argc, char **argv, int from, int *skipped) {
    QStringList paths;
    for (int i = from; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (bytes.isEmpty()) continue;
        if (!Unicode::isValidUtf8(bytes)) {
            Log::line(QStringLiteral("skipping a name that is not valid UTF-8: %1")
                          .arg(QString::fromUtf8(bytes)));
            ++*skipped;
            continue;
        }
        paths.append(QDir::cleanPath(QFileInfo(QString::fromUtf8(bytes)).absoluteFilePath()));
    }
    return paths;
}

QString described(const QStringList &paths) {
    return QStringLiteral("(") + paths.join(QStringLiteral(", ")) + QStringLiteral(")");
}

}  // namespace HelperShell
