#include "platform/ExtendedAttributes.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <QFile>
#include <cerrno>

namespace ExtendedAttributes {

namespace {

bool isSymbolicLink(const QByteArray &nativePath) {
    struct stat info;
    return lstat(nativePath.constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

// The attribute cannot be there: it is missing, the file system has no user attributes, or
// the item is a symbolic link, on which the kernel refuses them with EPERM. (EPERM on
// anything else, such as an immutable file, is a real failure.)
bool meansAbsent(int error, const QByteArray &nativePath) {
    if (error == EPERM) return isSymbolicLink(nativePath);
    return error == ENODATA || error == ENOTSUP;
}

QString errorText(const char *verb, const char *name, const QByteArray &nativePath, int error) {
    QString reason = qt_error_string(error);
    if (error == ENOTSUP)
        reason = QStringLiteral("its file system has no user extended attributes");
    else if (error == EPERM && isSymbolicLink(nativePath))
        reason = QStringLiteral("a symbolic link has no user extended attributes");
    return QStringLiteral("Cannot %1 the extended attribute \"%2\" of \"%3\": %4")
        .arg(QLatin1String(verb), QLatin1String(name), QFile::decodeName(nativePath), reason);
}

// Asks for the size, then reads; retries when the value grows in between.
bool readValue(const QByteArray &nativePath, const char *name, QByteArray *value, int *failure) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = lgetxattr(nativePath.constData(), name, nullptr, 0);
        if (size < 0) {
            *failure = errno;
            return false;
        }
        QByteArray buffer(qsizetype(size), Qt::Uninitialized);
        const ssize_t read = lgetxattr(nativePath.constData(), name, buffer.data(), size);
        if (read >= 0) {
            buffer.truncate(read);
            *value = buffer;
            return true;
        }
        if (errno != ERANGE) {
            *failure = errno;
            return false;
        }
    }
    *failure = ERANGE;
    return false;
}

}  // namespace

bool read(const QByteArray &nativePath, const char *name, QByteArray *value, QString *error) {
    QByteArray found;
    int failure = 0;
    if (nativePath.isEmpty() || !readValue(nativePath, name, &found, &failure)) {
        if (failure && !meansAbsent(failure, nativePath) && error)
            *error = errorText("read", name, nativePath, failure);
        return false;
    }
    if (found.isEmpty()) return false;
    if (value) *value = found;
    return true;
}

bool write(const QByteArray &nativePath, const char *name, const QByteArray &value,
           QString *error) {
    if (lsetxattr(nativePath.constData(), name, value.constData(), size_t(value.size()), 0) == 0)
        return true;
    const int failure = errno;
    if (error) *error = errorText("write", name, nativePath, failure);
    return false;
}

bool remove(const QByteArray &nativePath, const char *name, QString *error) {
    if (lremovexattr(nativePath.constData(), name) == 0) return true;
    const int failure = errno;
    if (meansAbsent(failure, nativePath)) return true;
    if (error) *error = errorText("remove", name, nativePath, failure);
    return false;
}

QString comment(const QByteArray &nativePath) {
    QByteArray value;
    return read(nativePath, commentAttribute, &value) ? QString::fromUtf8(value) : QString();
}

bool setComment(const QByteArray &nativePath, const QString &text, QString *error) {
    if (text.isEmpty()) return remove(nativePath, commentAttribute, error);
    return write(nativePath, commentAttribute, text.toUtf8(), error);
}

QStringList tags(const QByteArray &nativePath) {
    QByteArray value;
    if (!read(nativePath, tagsAttribute, &value)) return {};
    QStringList result;
    for (const QString &tag : QString::fromUtf8(value).split(u',')) {
        const QString trimmed = tag.trimmed();
        if (!trimmed.isEmpty()) result += trimmed;
    }
    return result;
}

// The text forms only encode the path; the byte forms above do the work.
bool read(const QString &path, const char *name, QByteArray *value, QString *error) {
    return read(QFile::encodeName(path), name, value, error);
}
bool write(const QString &path, const char *name, const QByteArray &value, QString *error) {
    return write(QFile::encodeName(path), name, value, error);
}
bool remove(const QString &path, const char *name, QString *error) {
    return remove(QFile::encodeName(path), name, error);
}
QString comment(const QString &path) { return comment(QFile::encodeName(path)); }
bool setComment(const QString &path, const QString &text, QString *error) {
    return setComment(QFile::encodeName(path), text, error);
}
QStringList tags(const QString &path) { return tags(QFile::encodeName(path)); }

}  // namespace ExtendedAttributes
