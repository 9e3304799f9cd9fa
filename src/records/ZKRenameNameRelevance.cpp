#include "records/ZKRenameNameRelevance.h"

#include <QFile>

#include "platform/NameLimits.h"
#include "records/NameValidation.h"
#include "records/ZKFileRepresentation.h"

namespace {

// The size of the name's bytes on disk (QFile::encodeName, UTF-8), counted without making
// them: every record of a list is checked. Names with surrogates are rare enough to encode.
qsizetype nativeSizeOf(const QString &name) {
    qsizetype size = 0;
    for (const QChar unit : name) {
        const char16_t code = unit.unicode();
        if (QChar::isSurrogate(code)) return QFile::encodeName(name).size();
        size += code < 0x80 ? 1 : code < 0x800 ? 2 : 3;
    }
    return size;
}

// The folder of the path, as NativePath::folderOf gives it, viewed in place.
QByteArrayView folderOf(const QByteArray &path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return {};
    return QByteArrayView(path).first(slash == 0 ? 1 : slash);
}

}  // namespace

ZKRenameNameRelevance::ZKRenameNameRelevance(const ZKFileRepresentation &fileRepresentation) {
    const QString diskNameError = fileRepresentation.nameError();
    if (!diskNameError.isEmpty()) {
        error_ = diskNameError;
        errorIsFinal_ = true;
        return;
    }
    if (!fileRepresentation.hasRenameName()) return;
    const QString renameName = fileRepresentation.renameName();
    error_ = NameValidation::errorForName(renameName);
    if (!error_.isEmpty()) return;
    // The new name holds no slash (cleaning replaced them): its bytes are the last
    // component of the target, whose folder is the item's own.
    const QByteArray nativePath = fileRepresentation.nativePath();
    const long maximumBytes = NameLimits::maximumNameBytes(folderOf(nativePath));
    if (nativeSizeOf(renameName) > maximumBytes) {
        error_ = NameValidation::errorForNameLength(QFile::encodeName(renameName), maximumBytes);
        return;
    }
    relevant_ = renameName != fileRepresentation.name();
}

void ZKRenameNameRelevance::setError(const QString &error) {
    if (error.isEmpty() || errorIsFinal_) return;
    error_ = error;
    relevant_ = false;
}
