#include "records/ZKRenameNameRelevance.h"

#include <QFile>

#include "common/NativePath.h"
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
    const long maximumBytes = NameLimits::maximumNameBytes(NativePath::folderViewOf(nativePath));
    // A UTF-16 unit takes at most 3 bytes: most names are far too short to need counting.
    if (renameName.size() * 3 > maximumBytes && nativeSizeOf(renameName) > maximumBytes) {
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
