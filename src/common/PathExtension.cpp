#include "common/PathExtension.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

namespace PathExtension {

namespace {

// The path without trailing slashes; a path made only of slashes stays "/".
QString withoutTrailingSlashes(const QString &path) {
    qsizetype end = path.size();
    while (end > 0 && path.at(end - 1) == u'/') --end;
    if (end == 0 && !path.isEmpty()) return QStringLiteral("/");
    return path.left(end);
}

// The start of the raw extension in `name` (just after its dot), or -1 when it has none.
// Only the text after the last slash counts, so a name that ends in a slash has none and
// base, dot and extension always add up to the whole name again.
qsizetype extensionStart(const QString &name) {
    // One pass from the end: the last dot, unless a slash comes before it.
    for (qsizetype at = name.size() - 1; at > 0; --at) {
        const QChar unit = name.at(at);
        if (unit == u'/') return -1;
        if (unit == u'.') return name.at(at - 1) == u'/' || at == name.size() - 1 ? -1 : at + 1;
    }
    return -1;
}

// A working name such as ".jpg" that is nothing but an extension.
bool isBareExtension(const QString &workingName, const QString &diskName) {
    return workingName.startsWith(u'.') && isAlphaNumericPathExtension(workingName.mid(1)) &&
           !alphaNumericPathExtension(diskName).isEmpty();
}

// The name without its extension `found` ("" for none), which goes to *extension.
QString withoutExtension(const QString &name, const QString &found, QString *extension) {
    if (extension) *extension = found;
    return found.isEmpty() ? name : name.chopped(found.size() + 1);
}

}  // namespace

QString lastPathComponent(const QString &path) {
    const QString trimmed = withoutTrailingSlashes(path);
    if (trimmed == u"/") return trimmed;
    return trimmed.mid(trimmed.lastIndexOf(u'/') + 1);
}

QString deletingLastPathComponent(const QString &path) {
    const QString trimmed = withoutTrailingSlashes(path);
    if (trimmed == u"/") return trimmed;
    const qsizetype slash = trimmed.lastIndexOf(u'/');
    if (slash < 0) return QString();
    if (slash == 0) return QStringLiteral("/");
    return withoutTrailingSlashes(trimmed.left(slash));
}

QString appendingPathComponent(const QString &folder, const QString &name) {
    if (folder.isEmpty()) return name;
    if (name.isEmpty()) return folder;
    qsizetype nameStart = 0;
    while (nameStart < name.size() && name.at(nameStart) == u'/') ++nameStart;
    const QString base = withoutTrailingSlashes(folder);
    return (base == u"/" ? base : base + u'/') + name.mid(nameStart);
}

QString pathExtension(const QString &name) {
    const qsizetype start = extensionStart(name);
    return start < 0 ? QString() : name.mid(start);
}

bool hasPathExtension(const QString &name) { return extensionStart(name) >= 0; }

QString deletingPathExtension(const QString &name) {
    const qsizetype start = extensionStart(name);
    return start < 0 ? name : name.left(start - 1);
}

bool isAlphaNumericPathExtension(QStringView string) {
    if (string.isEmpty()) return false;
    constexpr uint32_t allowed = U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK;
    const auto *units = reinterpret_cast<const UChar *>(string.utf16());
    const int32_t length = int32_t(string.size());
    for (int32_t offset = 0; offset < length;) {
        // A lone surrogate comes back as itself, category Cs, so it is not alphanumeric.
        UChar32 codePoint;
        U16_NEXT(units, offset, length, codePoint);
        if ((U_GET_GC_MASK(codePoint) & allowed) == 0) return false;
    }
    return true;
}

QString alphaNumericPathExtension(const QString &name) {
    const QString extension = pathExtension(name);
    return isAlphaNumericPathExtension(extension) ? extension : QString();
}

QString stringByDeletingAlphaNumericPathExtension(const QString &name, QString *extension) {
    return withoutExtension(name, alphaNumericPathExtension(name), extension);
}

QString alphaNumericPathExtensionFromName(const QString &workingName, const QString &diskName) {
    const QString extension = alphaNumericPathExtension(workingName);
    if (!extension.isEmpty()) return extension;
    return isBareExtension(workingName, diskName) ? workingName.mid(1) : QString();
}

QString stringByDeletingAlphaNumericPathExtension(const QString &workingName,
                                                  const QString &diskName, QString *extension) {
    const QString found = alphaNumericPathExtension(workingName);
    if (found.isEmpty() && isBareExtension(workingName, diskName)) {
        if (extension) *extension = workingName.mid(1);
        return QString();
    }
    return withoutExtension(workingName, found, extension);
}

qsizetype alphaNumericExtensionDot(const QString &workingName, const QString &diskName) {
    const qsizetype start = extensionStart(workingName);
    if (start >= 0 && isAlphaNumericPathExtension(QStringView(workingName).mid(start)))
        return start - 1;
    return isBareExtension(workingName, diskName) ? 0 : -1;
}

QString stringByGracefullyAppendingPathExtension(const QString &string, const QString &extension) {
    if (extension.isEmpty()) return string;
    // Reserved whole: a new name lives as long as its record.
    QString name;
    name.reserve(string.size() + 1 + extension.size());
    return name.append(string).append(u'.').append(extension);
}

}  // namespace PathExtension
