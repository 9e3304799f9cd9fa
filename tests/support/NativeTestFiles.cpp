#include "NativeTestFiles.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace NativeTestFiles {

bool makeFile(const QByteArray &nativePath, const QByteArray &content) {
    const int descriptor = ::open(nativePath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (descriptor < 0) return false;
    const ssize_t written = ::write(descriptor, content.constData(), size_t(content.size()));
    ::close(descriptor);
    return written == content.size();
}

bool makeFolder(const QByteArray &nativePath) { return ::mkdir(nativePath.constData(), 0755) == 0; }

bool remove(const QByteArray &nativePath) { return ::remove(nativePath.constData()) == 0; }

}  // namespace NativeTestFiles
