#include "droplets/RelayFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "common/ApplicationSupport.h"
#include "common/PropertyList.h"
#include "droplets/DropletKeys.h"

namespace RelayFile {

namespace {

// A configuration with its steps is a few kilobytes; anything far larger is not ours.
constexpr qint64 kLargestRelayFile = 16 * 1024 * 1024;

QString statProblem(const QByteArray &path, struct stat *status) {
    if (::lstat(path.constData(), status) == 0) return QString();
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString folderProblem(const QString &folder) {
    struct stat status {};
    const QString problem = statProblem(QFile::encodeName(folder), &status);
    if (!problem.isEmpty()) return problem;
    if (status.st_uid != ::getuid() && status.st_uid != 0)
        return QStringLiteral("its folder belongs to another user");
    if (status.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("its folder may be written by other users");
    return QString();
}

QString fileProblem(const QString &path) {
    struct stat status {};
    const QString problem = statProblem(QFile::encodeName(path), &status);
    if (!problem.isEmpty()) return problem;
    if (S_ISLNK(status.st_mode)) return QStringLiteral("it is a symbolic link");
    if (!S_ISREG(status.st_mode)) return QStringLiteral("it is not a regular file");
    if (status.st_uid != ::getuid()) return QStringLiteral("it belongs to another user");
    if (status.st_size > kLargestRelayFile) return QStringLiteral("it is too large");
    return folderProblem(QFileInfo(path).absolutePath());
}

}  // namespace

QString path() {
    const QString folder = ApplicationSupport::privateTemporaryFolder();
    if (folder.isEmpty()) return QString();
    return folder + QLatin1Char('/') + QLatin1String(DropletKeys::kRelayFileName);
}

QString write(const QVariantMap &dictionary, QString *error) {
    const QString target = path();
    if (target.isEmpty()) {
        if (error) *error = QStringLiteral("no private folder for the relay file");
        return QString();
    }
    if (!PropertyList::writeFile(target, dictionary, PropertyList::Format::Binary, error))
        return QString();
    return target;
}

std::optional<QVariantMap> read(const QString &path, QString *error) {
    const QString problem = fileProblem(path);
    if (!problem.isEmpty()) {
        if (error) *error = QStringLiteral("refusing the relay file %1: %2").arg(path, problem);
        return std::nullopt;
    }
    const QVariant value = PropertyList::readFile(path, error);
    if (!value.isValid()) return std::nullopt;
    if (value.typeId() != QMetaType::QVariantMap) {
        if (error) *error = QStringLiteral("the relay file %1 holds no dictionary").arg(path);
        return std::nullopt;
    }
    return value.toMap();
}

}  // namespace RelayFile
