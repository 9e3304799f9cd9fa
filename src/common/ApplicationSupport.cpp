#include "common/ApplicationSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "common/Log.h"
#include "common/PropertyList.h"

namespace ApplicationSupport {

namespace {

// An XDG base folder: the variable when it holds an absolute path (the conventions say to
// ignore relative ones), else the fallback inside the home folder.
QString baseFolder(const char *variable, const char *fallback) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + QLatin1String(fallback));
}

bool makeFolder(const QString &path, bool *created = nullptr) {
    if (QFileInfo(path).isDir()) return true;
    const QString parent = QFileInfo(path).path();
    if (parent != path && !makeFolder(parent)) return false;
    // Folders we create are the user's own (mode 0700), as the XDG conventions ask.
    if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0) {
        if (created) *created = true;
        return true;
    }
    return QFileInfo(path).isDir();
}

// Torvane's folder inside a base folder, created on demand. Failures are not logged here:
// the log file lives in one of these folders.
QString torvaneFolder(const char *variable, const char *fallback) {
    const QString path = baseFolder(variable, fallback) + QStringLiteral("/Torvane");
    makeFolder(path);
    return path;
}

// Why a folder cannot serve as private storage, or "" when it can: it must be a real folder
// (not a symbolic link to one) owned by this user and closed to everyone else.
QString privateFolderProblem(const QString &path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(status.st_mode)) return QStringLiteral("it is a symbolic link");
    if (!S_ISDIR(status.st_mode)) return QStringLiteral("it is not a folder");
    if (status.st_uid != ::getuid()) return QStringLiteral("it belongs to another user");
    if ((status.st_mode & 07777) != 0700)
        return QStringLiteral("its mode is %1, not 0700")
            .arg(status.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return QString();
}

}  // namespace

QString folder() { return torvaneFolder("XDG_DATA_HOME", ".local/share"); }

QString configFolder() { return torvaneFolder("XDG_CONFIG_HOME", ".config"); }

QString stateFolder() { return torvaneFolder("XDG_STATE_HOME", ".local/state"); }

QString privateTemporaryFolder() {
    // The runtime folder is the user's alone. The shared temporary folder is not: a folder
    // with our predictable name may have been made by someone else, so it is checked below.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool useRuntime =
        !runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir();
    const QString path = useRuntime ? QDir::cleanPath(runtime) + QStringLiteral("/Torvane")
                                    : QDir::cleanPath(QDir::tempPath()) +
                                          QStringLiteral("/torvane-%1").arg(::getuid());
    if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0) {
        // The umask may have taken bits away; the folder is new and ours, so set them back.
        ::chmod(QFile::encodeName(path).constData(), 0700);
    }
    const QString problem = privateFolderProblem(path);
    if (!problem.isEmpty()) {
        Log::line(QStringLiteral("[Temporary Folder] refusing %1: %2").arg(path, problem));
        return QString();
    }
    return path;
}

QString defaultStepsFilePath() { return folder() + QStringLiteral("/Default.tva"); }

QVariantList defaultStepArchives() {
    const QString path = defaultStepsFilePath();
    if (!QFileInfo::exists(path)) return QVariantList();
    QString error;
    const QVariant value = PropertyList::readFile(path, &error);
    if (!value.isValid()) {
        Log::line(QStringLiteral("[Default Steps] ") + error);
        return QVariantList();
    }
    if (value.typeId() != QMetaType::QVariantList) {
        Log::line(QStringLiteral("[Default Steps] not an array of steps: %1").arg(path));
        return QVariantList();
    }
    QVariantList archives;
    for (const QVariant &item : value.toList()) {
        if (item.typeId() == QMetaType::QVariantMap) archives.append(item);
    }
    return archives;
}

}  // namespace ApplicationSupport
