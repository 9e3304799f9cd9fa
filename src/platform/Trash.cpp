#include "platform/Trash.h"

// Qt's "signals" keyword is a field name in GIO's headers.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <QFile>

namespace Trash {

namespace {

// GIO knows per-mount trash folders and tells running file managers about the new item.
bool trashWithGio(const QByteArray &nativePath, QString *reason) {
    GFile *file = g_file_new_for_path(nativePath.constData());
    GError *failure = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &failure);
    g_object_unref(file);
    if (failure) {
        *reason = QString::fromUtf8(failure->message);
        g_error_free(failure);
    }
    return trashed;
}

// Qt takes paths as text, so it may only be asked about a path whose text form finds the
// very same bytes: any other would name a different item.
bool trashWithQt(const QByteArray &nativePath) {
    const QString path = QFile::decodeName(nativePath);
    return QFile::encodeName(path) == nativePath && QFile::moveToTrash(path);
}

}  // namespace

bool moveToTrash(const QByteArray &nativePath, QString *error) {
    QString reason = QStringLiteral("no such file or folder");
    if (!nativePath.isEmpty() && (trashWithGio(nativePath, &reason) || trashWithQt(nativePath)))
        return true;
    if (error)
        *error = QStringLiteral("Cannot move \"%1\" to the Trash: %2")
                     .arg(QFile::decodeName(nativePath), reason);
    return false;
}

}  // namespace Trash
