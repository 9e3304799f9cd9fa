#pragma once

#include <QString>

// The path-extension rule: the extension of a name is the text after the last "." of its
// last path component, unless that dot is the component's first character. An alphanumeric
// extension is non-empty and made of Unicode letters, marks and numbers only. Only the
// text after the last "/" is searched, so a name that ends in "/" has no extension.
namespace PathExtension {

// Last path component ("/a/b.txt" -> "b.txt"; a trailing slash is ignored).
QString lastPathComponent(const QString &path);
// The folder part of a path ("/a/b.txt" -> "/a"; "/b" -> "/").
QString deletingLastPathComponent(const QString &path);
// Joins a folder and a name with exactly one slash.
QString appendingPathComponent(const QString &folder, const QString &name);

// The raw extension of the last path component, "" when it has none.
QString pathExtension(const QString &name);
// Whether the last path component has a raw extension.
bool hasPathExtension(const QString &name);
// The name without "." and its raw extension; the name itself when there is none.
QString deletingPathExtension(const QString &name);

bool isAlphaNumericPathExtension(QStringView string);
// The extension when it is alphanumeric, else "".
QString alphaNumericPathExtension(const QString &name);
// The name without "." and its alphanumeric extension, handing the extension out; the name
// itself (and "") when it has none.
QString stringByDeletingAlphaNumericPathExtension(const QString &name, QString *extension);

// The same, relative to an item's on-disk name: a working name such as ".jpg" (without an
// extension of its own, starting with "." and alphanumeric after it) is all extension when
// the on-disk name has an alphanumeric extension.
QString alphaNumericPathExtensionFromName(const QString &workingName, const QString &diskName);
QString stringByDeletingAlphaNumericPathExtension(const QString &workingName,
                                                  const QString &diskName, QString *extension);
// Where that split falls: the place of the dot before the extension (0 for a working name
// that is all extension), -1 when there is none.
qsizetype alphaNumericExtensionDot(const QString &workingName, const QString &diskName);

// The string, then "." and the extension when the extension is not empty.
QString stringByGracefullyAppendingPathExtension(const QString &string, const QString &extension);

}  // namespace PathExtension
