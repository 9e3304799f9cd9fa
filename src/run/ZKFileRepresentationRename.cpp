#include <QFile>

#include "common/Log.h"
#include "common/NativePath.h"
#include "common/PathExtension.h"
#include "records/ZKFileRepresentation.h"
#include "run/ItemMover.h"

namespace {

// The exact bytes to move to. The folder keeps its bytes on disk, which its decoded text
// form may not give back (names that are not UTF-8, or not NFC).
QByteArray nativeTarget(const ZKFileRepresentation &record, const QString &path) {
    if (path == record.renamePath()) return record.nativeRenamePath();
    if (PathExtension::deletingLastPathComponent(path) !=
        PathExtension::deletingLastPathComponent(record.path()))
        return QFile::encodeName(path);
    const QByteArray current = record.nativePath();
    return current.left(NativePath::lastSlash(current) + 1) +
           QFile::encodeName(PathExtension::lastPathComponent(path));
}

}  // namespace

bool ZKFileRepresentation::renameWithPath(const QString &path, bool makePathAvailable, bool *cancel,
                                          ItemMover &mover) {
    if (path.isEmpty()) {
        Log::line(QStringLiteral("no target for \"%1\"").arg(path_));
        return false;
    }
    if (path == path_) return true;
    return renameToNativePath(nativeTarget(*this, path), makePathAvailable, cancel, mover);
}

bool ZKFileRepresentation::renameToNativePath(const QByteArray &target, bool makePathAvailable,
                                              bool *cancel, ItemMover &mover) {
    if (target.isEmpty()) {
        Log::line(QStringLiteral("no target for \"%1\"").arg(path_));
        return false;
    }
    if (target == nativePath_) return true;
    if (!mover.isInListedFolder(nativePath_, listedFolder_, cancel)) return false;
    if (makePathAvailable &&
        !mover.makePathAvailableForMovingSourcePath(target, nativePath_, cancel))
        return false;
    // A rename keeps the inode and its extended attributes, the comment among them: reading
    // it for every item would only cost a look-up each.
    if (!mover.moveToPath(nativePath_, target, QString(), cancel)) {
        // One taken after all is the caller's to deal with, not a failure yet.
        if (mover.targetTakenAfterAll()) return false;
        Log::line(QStringLiteral("could not move \"%1\" to \"%2\"")
                      .arg(path_, QFile::decodeName(target)));
        return false;
    }
    didMoveTo(target);
    return true;
}

void ZKFileRepresentation::didMoveTo(const QByteArray &target) {
    setNativePath(target);
    setFileTypeInstanceVariableOnly(std::nullopt);
    setFileCreatorInstanceVariableOnly(std::nullopt);
    setKindInstanceVariableOnly(std::nullopt);
}
