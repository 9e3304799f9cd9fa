#include "platform/LetterCase.h"

#include <dirent.h>

#include <QFile>

#include "common/NativePath.h"
#include "common/TextCase.h"
#include "common/Unicode.h"
#include "platform/FileAttributes.h"

namespace LetterCase {

namespace {

bool equalIgnoringCase(const QByteArray &first, const QByteArray &second) {
    return TextCase::lower(Unicode::nfc(QFile::decodeName(first))) ==
           TextCase::lower(Unicode::nfc(QFile::decodeName(second)));
}

}  // namespace

bool isSourceApartFromCase(const QByteArray &source, const QByteArray &target) {
    if (source == target || !equalIgnoringCase(source, target)) return false;
    const FileAttributes::FileIdentity found = FileAttributes::identity(target);
    if (!found.valid) return false;
    if (found == FileAttributes::identity(source)) return true;
    const QByteArray folder = NativePath::folderOf(target);
    return !folderHasEntryNamed(folder.isEmpty() ? QByteArray(".") : folder,
                                NativePath::lastComponentOf(target));
}

bool folderHasEntryNamed(const QByteArray &folder, const QByteArray &name) {
    DIR *listing = ::opendir(folder.constData());
    // Unreadable: assume the worst, another item is there.
    if (!listing) return true;
    bool found = false;
    while (const dirent *entry = ::readdir(listing)) {
        if (name == entry->d_name) {
            found = true;
            break;
        }
    }
    ::closedir(listing);
    return found;
}

}  // namespace LetterCase
