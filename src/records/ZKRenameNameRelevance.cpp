#include "records/ZKRenameNameRelevance.h"

#include <QFile>

#include "common/NativePath.h"
#include "platform/NameLimits.h"
#include "records/NameValidation.h"
#include "records/ZKFileRepresentation.h"

ZKRenameNameRelevance::ZKRenameNameRelevance(const ZKFileRepresentation &fileRepresentation) {
    const QString diskNameError = fileRepresentation.nameError();
    if (!diskNameError.isEmpty()) {
        error_ = diskNameError;
        errorIsFinal_ = true;
        return;
    }
    if (!fileRepresentation.hasRenameName()) return;
    error_ = NameValidation::errorForName(fileRepresentation.renameName());
    if (!error_.isEmpty()) return;
    // The new name holds no slash (cleaning replaced them): its bytes are the last
    // component of the target, whose folder is the item's own.
    error_ = NameValidation::errorForNameLength(
        QFile::encodeName(fileRepresentation.renameName()),
        NameLimits::maximumNameBytes(NativePath::folderOf(fileRepresentation.nativePath())));
    if (!error_.isEmpty()) return;
    relevant_ = fileRepresentation.renameName() != fileRepresentation.name();
}

void ZKRenameNameRelevance::setError(const QString &error) {
    if (error.isEmpty() || errorIsFinal_) return;
    error_ = error;
    relevant_ = false;
}
