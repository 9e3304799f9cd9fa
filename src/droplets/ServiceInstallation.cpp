#include "droplets/ServiceInstallation.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "common/Log.h"
#include "common/Translations.h"
#include "droplets/FileManagerActions.h"
#include "droplets/ServiceDefinition.h"

namespace ServiceInstallation {

TORVANE_NAMESPACE_TR(ServiceInstallation)

namespace {

bool itemExists(const QString &path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// Only a real folder named "*.torvaneservice" (not a link to one) is a definition we may
// remove with its contents.
bool isServiceFolder(const QString &path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           path.endsWith(QStringLiteral(".torvaneservice"), Qt::CaseInsensitive);
}

}  // namespace

QString create(const QString &folder, const QString &userData, const QString &providerProgram) {
    if (itemExists(folder)) {
        const QString problem = remove(folder);
        if (!problem.isEmpty()) return problem;
    }
    QString error;
    if (!ServiceDefinition::write(folder, userData, &error)) {
        Log::line(error);
        return tr("cannot save service");
    }
    for (const QString &problem :
         FileManagerActions::install(folder, ServiceDefinition::titleOf(folder), providerProgram))
        Log::line(QStringLiteral("[Service] ") + problem);
    return QString();
}

QString remove(const QString &folder) {
    if (!isServiceFolder(folder))
        return tr("\"%1\" is not a service and is left as it is.").arg(folder);
    FileManagerActions::remove(folder);
    if (!QDir(folder).removeRecursively()) return tr("\"%1\" cannot be removed.").arg(folder);
    return QString();
}

}  // namespace ServiceInstallation
