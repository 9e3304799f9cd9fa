#include "platform/LetterCase.h"

#include <dirent.h>
#include <string.h>

#include <QFile>

#include "common/NativePath.h"
#include "common/TextCase.h"
#include "common/Unicode.h"
#include "platform/FileAttributes.h"

namespace LetterCase {

namespace {

QString folded(const QByteArray &name) {
    return TextCase::lower(Unicode::nfc(QFile::decodeName(name)));
}

bool equalIgnoringCase(const QByteArray &first, const QByteArray &second) {
    return folded(first) == folded(second);
}

// The folder a path names its item in ("." for a bare name).
QByteArray folderOfPath(const QByteArray &path) {
    const QByteArray folder = NativePath::folderOf(path);
    return folder.isEmpty() ? QByteArray(".") : folder;
}

template <typename Matches>
bool folderHasEntry(const QByteArray &folder, Matches matches) {
    DIR *listing = ::opendir(folder.constData());
    // Unreadable: assume the worst, another item is there.
    if (!listing) return true;
    bool found = false;
    while (const dirent *entry = ::readdir(listing)) {
        if (matches(QByteArray::fromRawData(entry->d_name, qsizetype(strlen(entry->d_name))))) {
            found = true;
            break;
        }
    }
    ::closedir(listing);
    return found;
}

}  // namespace

bool isSourceApartFromCase(const QByteArray &source, const QByteArray &target) {
    if (source == target || !equalIgnoringCase(source, target)) return false;
    const FileAttributes::FileIdentity found = FileAttributes::identity(target);
    if (!found.valid) return false;
    if (found == FileAttributes::identity(source)) return true;
    return !folderHasEntryNamed(folderOfPath(target), NativePath::lastComponentOf(target));
}

bool folderHasEntryNamed(const QByteArray &folder, const QByteArray &name) {
    return folderHasEntry(folder, [&name](const QByteArray &entry) { return entry == name; });
}

bool isListedBySomeSpelling(const QByteArray &path) {
    const QString wanted = folded(NativePath::lastComponentOf(path));
    return folderHasEntry(folderOfPath(path),
                          [&wanted](const QByteArray &entry) { return folded(entry) == wanted; });
}

}  // namespace LetterCase
