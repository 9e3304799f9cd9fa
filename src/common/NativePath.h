#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Paths as the exact bytes on disk. A name on Linux need not be valid UTF-8, so every file
// operation works on these; text forms serve display and comparison only.
namespace NativePath {

// A trailing slash names the same item; dropping it keeps names and keys unambiguous. "/"
// stays "/".
QByteArray withoutTrailingSlashes(QByteArray path);
// Where the last slash is, -1 for none. (QByteArray::lastIndexOf takes a generic search that
// costs as much as a run's whole step for a path.)
qsizetype lastSlash(QByteArrayView path);
// The folder part ("/a/b" -> "/a", "/b" -> "/"), "" for a path without a slash.
QByteArray folderOf(const QByteArray &path);
// The same, viewed in place.
QByteArrayView folderViewOf(QByteArrayView path);
// The text after the last slash.
QByteArray lastComponentOf(const QByteArray &path);
QByteArrayView lastComponentViewOf(QByteArrayView path);
// Whether every byte is ASCII: such a path reads the same as text, and is always NFC.
bool isAscii(QByteArrayView bytes);
// How many bytes from the start are ASCII.
qsizetype asciiPrefixSize(QByteArrayView bytes);
// The folder and the name with exactly one slash between them.
QByteArray joined(QByteArrayView folder, QByteArrayView name);

}  // namespace NativePath
