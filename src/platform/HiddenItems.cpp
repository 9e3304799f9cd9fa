#include "platform/HiddenItems.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "common/NativePath.h"

namespace {

// A ".hidden" lists a few names; anything far larger is no such list and is not read whole.
constexpr qint64 maximumListSize = 4 * 1024 * 1024;

// The file is opened by its exact bytes (a folder name need not be valid UTF-8), without
// waiting, and read only when it is a regular file: a pipe named ".hidden" must not block a scan.
QByteArray readListFile(const QByteArray &path) {
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) return QByteArray();
    struct stat info;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return QByteArray();
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return QByteArray();
    }
    return file.read(maximumListSize);
}

QSet<QByteArray> parseNames(const QByteArray &contents) {
    QSet<QByteArray> names;
    for (QByteArray line : contents.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (!line.isEmpty()) names.insert(line);
    }
    return names;
}

}  // namespace

bool HiddenItems::isHidden(const QByteArray &nativePath) {
    QByteArrayView path(nativePath);
    while (path.size() > 1 && path.endsWith('/')) path.chop(1);
    const qsizetype slash = NativePath::lastSlash(path);
    const QByteArrayView name = path.sliced(slash + 1);
    if (name.isEmpty()) return false;
    if (name.startsWith('.')) return true;
    const QByteArrayView folder = slash < 0 ? QByteArrayView(".") : path.first(qMax(slash, 1));
    const QSet<QByteArray> &names = namesListedIn(folder);
    return !names.isEmpty() && names.contains(name.toByteArray());
}

const QSet<QByteArray> &HiddenItems::namesListedIn(QByteArrayView folder) {
    // A scan asks for the entries of one folder after another: only a new folder is looked up.
    if (lastFolder_ && folder == *lastFolder_) return lastNames_;
    const QByteArray key = folder.toByteArray();
    auto found = listedNames_.constFind(key);
    if (found == listedNames_.constEnd()) {
        const QByteArray listPath = key.endsWith('/') ? key + ".hidden" : key + "/.hidden";
        found = listedNames_.insert(key, parseNames(readListFile(listPath)));
    }
    lastFolder_ = key;
    lastNames_ = *found;
    return lastNames_;
}
