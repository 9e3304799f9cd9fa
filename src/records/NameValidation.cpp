#include "records/NameValidation.h"

#include "common/Translations.h"
#include "common/Unicode.h"
#include "common/UserDefaults.h"

namespace NameValidation {

TORVANE_NAMESPACE_TR(NameValidation)

QString errorForName(const QString &name) {
    if (name.isEmpty()) return tr("Resulting filename is nil");
    if (name.startsWith(u'.') &&
        !UserDefaults::standardUserDefaults().boolForKey(kAllowDotPrefixKey)) {
        return tr("Resulting filename would make the file invisible");
    }
    return QString();
}

QString errorForNameLength(const QByteArray &nativeName, long maximumBytes) {
    if (nativeName.size() <= maximumBytes) return QString();
    return tr("Resulting filename is too long (%1 of %2 bytes)")
        .arg(nativeName.size())
        .arg(maximumBytes);
}

QString errorForNativeName(QByteArrayView nativeName) {
    return Unicode::isValidUtf8(nativeName) ? QString() : tr("Filename is not valid UTF-8");
}

}  // namespace NameValidation
