#pragma once

#include <QByteArray>

// Items made by their exact name bytes, for names that are not UTF-8 or not NFC.
namespace NativeTestFiles {

// Creates (or truncates) a file with the content; false when it cannot be written.
bool makeFile(const QByteArray &nativePath, const QByteArray &content = QByteArray());
bool makeFolder(const QByteArray &nativePath);
// Removes a file or an empty folder. Temporary folders cannot remove names that are not UTF-8
// themselves, so tests remove those before the folder goes.
bool remove(const QByteArray &nativePath);

}  // namespace NativeTestFiles
