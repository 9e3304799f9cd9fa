#include "records/NameValidation.h"

#include "common/Unicode.h"
#include "common/UserDefaults.h"

namespace NameValidation {

QString errorForName(const QString &name) {
    if (name.isEmpty()) return kNilError;
    if (name.startsWith(u'.') &&
        !UserDefaults::standardUserDefaults().boolForKey(kAllowDotPrefixKey)) {
        return kInvisibleError;
    }
    return QString();
}

QString errorForNameLength(const QByteArray &nativeName, long maximumBytes) {
    if (nativeName.size() <= maximumBytes) return QString();
    return QStringLiteral("Resulting filename is too long (%1 of %2 bytes)")
        .arg(nativeName.size())
        .arg(maximumBytes);
}

QString errorForNativeName(const QByteArray &nativeName) {
    return Unicode::isValidUtf8(nativeName) ? QString() : kInvalidUtf8Error;
}

}  // namespace NameValidation
