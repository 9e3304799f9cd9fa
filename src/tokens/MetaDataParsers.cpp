#include "tokens/MetaDataParsers.h"

#include <dlfcn.h>
#include <unistd.h>

#include "common/Log.h"

namespace MetaDataParsers {

namespace {

// A program in the build tree loads the module built with it; an installed one the module in
// its library folder ("<prefix>/bin/x" loads "<prefix>/<libdir>/torvane/..."). An absolute
// path: the module is never looked for in the working folder or on a search path.
QByteArray modulePath() {
    char program[4096];
    const ssize_t length = readlink("/proc/self/exe", program, sizeof program);
    const QByteArray self = length > 0 ? QByteArray(program, length) : QByteArray();
    const QByteArray buildTree = TORVANE_BINARY_DIR;
    if (self.startsWith(buildTree + '/')) return buildTree + "/src/parsers/" + moduleName;
    const QByteArray programFolder = self.left(self.lastIndexOf('/'));
    return programFolder + "/../" TORVANE_LIBDIR "/torvane/" + moduleName;
}

Entry loadEntry() {
    const QByteArray path = modulePath();
    void *module = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    Entry entry = nullptr;
    if (module) entry = reinterpret_cast<Entry>(dlsym(module, entryName.data()));
    if (!entry)
        Log::line(QStringLiteral("cannot load the metadata parsers, no file's metadata is read: %1")
                      .arg(QString::fromLocal8Bit(dlerror())));
    return entry;
}

}  // namespace

MetaDataSource::Values parse(Kind kind, const QByteArray &nativePath, const QMimeType &type) {
    static const Entry entry = loadEntry();
    return entry ? entry(kind, nativePath, type) : MetaDataSource::Values();
}

}  // namespace MetaDataParsers
