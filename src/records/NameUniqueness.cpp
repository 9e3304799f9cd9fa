#include "records/NameUniqueness.h"

#include "common/PathExtension.h"

namespace NameUniqueness {

QString stringByInsertingNumberInPath(const QString &path, quint64 number) {
    QString extension;
    const QString base = PathExtension::stringByDeletingAlphaNumericPathExtension(path, &extension);
    // One-pass arg(): a "%2" inside the name must stay literal text.
    const QString numbered = QStringLiteral("%1 (%2)").arg(base, QString::number(number));
    return PathExtension::stringByGracefullyAppendingPathExtension(numbered, extension);
}

}  // namespace NameUniqueness
