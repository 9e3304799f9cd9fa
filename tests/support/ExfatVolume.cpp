#include "support/ExfatVolume.h"

#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr qint64 kImageSize = 32 * 1024 * 1024;
const QStringList kSbinPaths{"/usr/sbin", "/sbin", "/usr/bin", "/bin"};

}  // namespace

ExfatVolume::ExfatVolume() {
    if (::geteuid() != 0) {
        reason_ = QStringLiteral("mounting needs root");
        return;
    }
    if (!QFile::exists(QStringLiteral("/dev/fuse"))) {
        reason_ = QStringLiteral("no /dev/fuse");
        return;
    }
    const QString image = dir_.filePath(QStringLiteral("card.img"));
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(kImageSize)) {
        reason_ = QStringLiteral("cannot create the image");
        return;
    }
    file.close();
    dir_.makeFolder(QStringLiteral("mnt"));
    QString device;
    if (!run(QStringLiteral("mkfs.exfat"), {image}) ||
        !run(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), image},
             &device))
        return;
    loopDevice_ = device.trimmed();
    mounted_ = run(QStringLiteral("mount.exfat-fuse"), {loopDevice_, path()});
}

ExfatVolume::~ExfatVolume() {
    if (mounted_) run(QStringLiteral("umount"), {path()});
    if (!loopDevice_.isEmpty()) run(QStringLiteral("losetup"), {QStringLiteral("-d"), loopDevice_});
}

bool ExfatVolume::run(const QString &program, const QStringList &arguments, QString *output) {
    const QString found = QStandardPaths::findExecutable(program, kSbinPaths);
    if (found.isEmpty()) {
        reason_ = program + QStringLiteral(" is not installed");
        return false;
    }
    QProcess process;
    process.start(found, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        reason_ = program + QStringLiteral(" failed: ") +
                  QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return false;
    }
    if (output) *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return true;
}
