#include "common/TildePath.h"

#include <QDir>

namespace TildePath {

namespace {

QString home() {
    QString path = QDir::homePath();
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

}  // namespace

QString abbreviatingWithTildeInPath(const QString &path) {
    const QString homePath = home();
    if (homePath == QLatin1String("/") || homePath.isEmpty()) return path;
    if (path == homePath) return QStringLiteral("~");
    if (path.startsWith(homePath + QLatin1Char('/'))) {
        return QLatin1Char('~') + path.mid(homePath.size());
    }
    return path;
}

QString expandingTildeInPath(const QString &path) {
    if (path == QLatin1String("~")) return home();
    if (path.startsWith(QLatin1String("~/"))) return home() + path.mid(1);
    return path;
}

}  // namespace TildePath
