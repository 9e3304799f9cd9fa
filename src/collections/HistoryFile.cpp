#include "collections/HistoryFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "collections/ConfigurationFile.h"
#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/PropertyList.h"
#include "run/ItemMover.h"

namespace HistoryFile {

namespace {

void setAside(const QString &path, const QString &reason) {
    // Never over an earlier damaged copy: a second one in the same second gets a number.
    const QString aside = ItemMover::availablePath(
        path + QStringLiteral(".damaged-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    if (QFile::rename(path, aside))
        Log::line(
            QStringLiteral("[Historian] set aside damaged history as %1: %2").arg(aside, reason));
    else
        Log::line(QStringLiteral("[Historian] cannot set aside damaged history %1: %2")
                      .arg(path, reason));
}

bool isUsableItem(const QVariant &item) {
    if (item.typeId() != QMetaType::QVariantMap) return false;
    const QVariant renamers = item.toMap().value(kRenamers);
    return renamers.typeId() == QMetaType::QVariantList && !renamers.toList().isEmpty();
}

}  // namespace

QString path() { return ApplicationSupport::folder() + QStringLiteral("/History.plist"); }

Lock::Lock(const QString &historyPath) {
    const QByteArray lockPath = QFile::encodeName(historyPath + QStringLiteral(".lock"));
    fd_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        ::close(fd_);
        fd_ = -1;
        return;
    }
}

Lock::~Lock() {
    // Closing the descriptor lets go of the lock.
    if (fd_ >= 0) ::close(fd_);
}

QVariantList load(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists()) return QVariantList();
    if (info.size() > ConfigurationFile::kMaximumFileSize) {
        setAside(path, QStringLiteral("the file is too large"));
        return QVariantList();
    }
    QString error;
    const QVariant value = PropertyList::readFile(path, &error);
    if (!value.isValid() || value.typeId() != QMetaType::QVariantList) {
        setAside(path, value.isValid() ? QStringLiteral("not an array of history items") : error);
        return QVariantList();
    }
    QVariantList items;
    for (const QVariant &item : value.toList()) {
        if (isUsableItem(item))
            items.append(item);
        else
            Log::line(QStringLiteral("[Historian] dropped a damaged history item in %1").arg(path));
    }
    return items;
}

bool save(const QString &path, const QVariantList &items, QString *error) {
    return PropertyList::writeFile(path, items, PropertyList::Format::Xml, error);
}

}  // namespace HistoryFile
