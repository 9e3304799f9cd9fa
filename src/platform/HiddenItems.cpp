#include "platform/HiddenItems.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "common/NativePath.h"

namespace {

// A ".hidden" lists a few names; anything far larger is no such list and is not read whole.
constexpr qint64 maximumListSize = 4 * 1024 * 1024;

using NativePath::withoutTrailingSlashes;

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
    const QByteArray path = withoutTrailingSlashes(nativePath);
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    if (name.isEmpty()) return false;
    if (name.startsWith('.')) return true;
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : path.left(slash);
    return namesListedIn(folder).contains(name);
}

const QSet<QByteArray> &HiddenItems::namesListedIn(const QByteArray &folder) {
    auto found = listedNames_.constFind(folder);
    if (found != listedNames_.constEnd()) return *found;
    const QByteArray listPath = folder.endsWith('/') ? folder + ".hidden" : folder + "/.hidden";
    return *listedNames_.insert(folder, parseNames(readListFile(listPath)));
}
