#include "records/FileKind.h"

#include "common/PathExtension.h"

namespace FileKind {

namespace {

QString codeOrSpaces(const QString &code) { return code.isEmpty() ? QStringLiteral("    ") : code; }

}  // namespace

QString sortKey(const QString &name, bool isFolder, bool isPackage, const QString &typeCode,
                const QString &creatorCode) {
    const QString extension = PathExtension::alphaNumericPathExtension(name);
    if (isFolder && !isPackage) {
        if (extension.isEmpty()) return kFolderKey;
        return QStringLiteral("%1: %2").arg(kFolderKey, extension);
    }
    const QString first = extension.isEmpty() ? kNoExtensionKey : extension;
    return QStringLiteral("%1: %2|%3")
        .arg(first, codeOrSpaces(typeCode), codeOrSpaces(creatorCode));
}

QString codeWithoutQuotes(const QString &code) {
    if (code.size() >= 2 && code.startsWith(u'\'') && code.endsWith(u'\'')) {
        return code.mid(1, code.size() - 2);
    }
    return code;
}

}  // namespace FileKind
