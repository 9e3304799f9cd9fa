#include "records/ZKRenameNameRelevance.h"

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
    const QByteArray target = fileRepresentation.nativeRenamePath();
    error_ = NameValidation::errorForNameLength(
        NativePath::lastComponentOf(target),
        NameLimits::maximumNameBytes(NativePath::folderOf(target)));
    if (!error_.isEmpty()) return;
    relevant_ = fileRepresentation.renameName() != fileRepresentation.name();
}

void ZKRenameNameRelevance::setError(const QString &error) {
    if (error.isEmpty() || errorIsFinal_) return;
    error_ = error;
    relevant_ = false;
}
