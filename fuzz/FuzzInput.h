#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// What the fuzz targets share: the input as bytes, and a private scratch folder for the
// readers that take a file.
namespace FuzzInput {

inline QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A folder of this process's own, created once; the readers' files go there.
inline QString scratchFolder() {
    static const QString folder = [] {
        QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/torvane-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        return QFile::decodeName(pattern);
    }();
    return folder;
}

// Writes the input to `name` in the scratch folder; answers its path.
inline QString writeScratchFile(const QString &name, const QByteArray &content) {
    const QString path = scratchFolder() + '/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(content);
    return path;
}

// For readers that need an application and write below the home folder (user defaults, the
// droplets' folder): both point into the scratch folder.
inline void startApplicationAtScratchHome(int *argc, char ***argv) {
    const QByteArray home = QFile::encodeName(scratchFolder());
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(name, home);
    static QCoreApplication application(*argc, *argv);
}

}  // namespace FuzzInput
