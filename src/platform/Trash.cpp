#include "platform/Trash.h"

// Qt's "signals" keyword is a field name in GIO's headers.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QList>
#include <cerrno>

namespace Trash {

namespace {

const QByteArray infoSuffix = ".trashinfo";

// GIO's calls that move an item to the Trash. GIO is loaded when an item is first trashed,
// not when the program starts: with the libraries it brings along, loading it costs every
// start of the command line a few milliseconds, and most runs trash nothing.
struct GioTrash {
    decltype(&g_file_new_for_path) newForPath = nullptr;
    decltype(&g_file_trash) trash = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    decltype(&g_error_free) freeError = nullptr;

    bool isLoaded() const { return newForPath && trash && unref && freeError; }
};

const GioTrash &gioTrash() {
    static const GioTrash calls = [] {
        GioTrash loaded;
        // Never unloaded: GIO registers types that outlive any one call.
        void *library = ::dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) return loaded;
        loaded.newForPath = reinterpret_cast<decltype(&g_file_new_for_path)>(
            ::dlsym(library, "g_file_new_for_path"));
        loaded.trash = reinterpret_cast<decltype(&g_file_trash)>(::dlsym(library, "g_file_trash"));
        loaded.unref =
            reinterpret_cast<decltype(&g_object_unref)>(::dlsym(library, "g_object_unref"));
        loaded.freeError =
            reinterpret_cast<decltype(&g_error_free)>(::dlsym(library, "g_error_free"));
        return loaded;
    }();
    return calls;
}

// GIO knows per-mount trash folders and tells running file managers about the new item.
bool trashWithGio(const QByteArray &nativePath, QString *reason) {
    const GioTrash &gio = gioTrash();
    if (!gio.isLoaded()) {
        *reason = QStringLiteral("GIO (libgio-2.0.so.0) cannot be loaded");
        return false;
    }
    GFile *file = gio.newForPath(nativePath.constData());
    GError *failure = nullptr;
    const bool trashed = gio.trash(file, nullptr, &failure);
    gio.unref(file);
    if (failure) {
        *reason = QString::fromUtf8(failure->message);
        gio.freeError(failure);
    }
    return trashed;
}

// Qt takes paths as text, so it may only be asked about a path whose text form finds the
// very same bytes: any other would name a different item.
bool trashWithQt(const QByteArray &nativePath, QByteArray *placeInTrash) {
    const QString path = QFile::decodeName(nativePath);
    QString inTrash;
    if (QFile::encodeName(path) != nativePath || !QFile::moveToTrash(path, &inTrash)) return false;
    *placeInTrash = QFile::encodeName(inTrash);
    return true;
}

QByteArray parentOf(const QByteArray &path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

bool deviceOf(const QByteArray &path, dev_t *device) {
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) return false;
    *device = info.st_dev;
    return true;
}

// The highest folder above the item on the same file system as its folder.
QByteArray topFolderOf(const QByteArray &originalPath) {
    QByteArray folder = parentOf(originalPath);
    dev_t device = 0;
    if (!deviceOf(folder, &device)) return QByteArray();
    while (folder != "/") {
        const QByteArray above = parentOf(folder);
        dev_t aboveDevice = 0;
        if (!deviceOf(above, &aboveDevice) || aboveDevice != device) break;
        folder = above;
    }
    return folder;
}

QByteArray homeTrash() {
    QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (!dataHome.startsWith('/')) dataHome = qgetenv("HOME") + "/.local/share";
    return dataHome + "/Trash";
}

QByteArray joined(const QByteArray &folder, const QByteArray &name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The entries of trash/files that are the item.
QList<QByteArray> entriesOf(const QByteArray &trash, quint64 device, quint64 inode) {
    QList<QByteArray> found;
    const QByteArray files = trash + "/files";
    DIR *folder = ::opendir(files.constData());
    if (!folder) return found;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == ".." || quint64(entry->d_ino) != inode) continue;
        const QByteArray path = files + '/' + name;
        struct stat info {};
        if (::lstat(path.constData(), &info) == 0 && quint64(info.st_dev) == device &&
            quint64(info.st_ino) == inode)
            found << path;
    }
    ::closedir(folder);
    return found;
}

QByteArray infoPathValue(const QByteArray &placeInTrash) {
    // By the exact bytes: a name that is no UTF-8 does not survive a QString.
    const int descriptor = ::open(infoPathOf(placeInTrash).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return QByteArray();
    QByteArray content;
    char buffer[4096];
    ssize_t count = 0;
    while (content.size() < (1 << 20) && (count = ::read(descriptor, buffer, sizeof buffer)) > 0)
        content.append(buffer, count);
    ::close(descriptor);
    for (const QByteArray &line : content.split('\n'))
        if (line.startsWith("Path=")) return QByteArray::fromPercentEncoding(line.mid(5).trimmed());
    return QByteArray();
}

}  // namespace

bool moveToTrash(const QByteArray &nativePath, QString *error, QByteArray *placeInTrash) {
    QString reason = QStringLiteral("no such file or folder");
    struct stat info {};
    const bool known = !nativePath.isEmpty() && ::lstat(nativePath.constData(), &info) == 0;
    QByteArray place;
    if (!nativePath.isEmpty() &&
        (trashWithGio(nativePath, &reason) || trashWithQt(nativePath, &place))) {
        if (placeInTrash) {
            if (place.isEmpty() && known) place = find(nativePath, info.st_dev, info.st_ino);
            *placeInTrash = place;
        }
        return true;
    }
    if (error)
        *error = QStringLiteral("Cannot move \"%1\" to the Trash: %2")
                     .arg(QFile::decodeName(nativePath), reason);
    return false;
}

QByteArray find(const QByteArray &originalPath, quint64 device, quint64 inode) {
    QList<QByteArray> trashes{homeTrash()};
    const QByteArray top = topFolderOf(originalPath);
    if (!top.isEmpty()) {
        const QByteArray user = QByteArray::number(qulonglong(::getuid()));
        trashes << joined(top, ".Trash/" + user) << joined(top, ".Trash-" + user);
    }
    QList<QByteArray> candidates;
    for (const QByteArray &trash : trashes) {
        for (const QByteArray &entry : entriesOf(trash, device, inode)) {
            if (infoNames(entry, originalPath)) return entry;
            if (!candidates.contains(entry)) candidates << entry;
        }
    }
    // The info record may spell the path otherwise (a folder reached through a link); one
    // entry that is the item itself is still the one.
    return candidates.size() == 1 ? candidates.first() : QByteArray();
}

QByteArray infoPathOf(const QByteArray &placeInTrash) {
    const qsizetype slash = placeInTrash.lastIndexOf('/');
    const QByteArray files = placeInTrash.left(slash);
    const qsizetype trashEnd = files.lastIndexOf('/');
    return files.left(trashEnd) + "/info/" + placeInTrash.mid(slash + 1) + infoSuffix;
}

bool infoNames(const QByteArray &placeInTrash, const QByteArray &originalPath) {
    const QByteArray value = infoPathValue(placeInTrash);
    if (value.isEmpty()) return false;
    if (value.startsWith('/')) return value == originalPath;
    // A trash folder at the top of a file system records paths relative to that top.
    const QByteArray trash = parentOf(parentOf(placeInTrash));
    QByteArray top = parentOf(trash);
    if (top.endsWith("/.Trash")) top = parentOf(top);
    return joined(top, value) == originalPath;
}

bool removeInfoRecord(const QByteArray &placeInTrash) {
    const QByteArray info = infoPathOf(placeInTrash);
    return ::unlink(info.constData()) == 0 || errno == ENOENT;
}

}  // namespace Trash
