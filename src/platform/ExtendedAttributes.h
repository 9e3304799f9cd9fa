#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Named extended attributes of an item, always of the item itself: symbolic links are never
// followed. Paths are the item's exact path as text (encoded with QFile::encodeName) or as
// native bytes. On Linux user attributes exist only on files and folders, and some file
// systems (tmpfs on some kernels, vfat, exfat) have none at all.
namespace ExtendedAttributes {

// The freedesktop.org comment shown by file managers (plain UTF-8 text).
inline constexpr char commentAttribute[] = "user.xdg.comment";
// The freedesktop.org tags, comma-separated.
inline constexpr char tagsAttribute[] = "user.xdg.tags";

// Reads an attribute into *value. Returns false when it is missing, empty or not supported
// by the item (then *error stays empty) and when it cannot be read (then *error says why).
bool read(const QString &path, const char *name, QByteArray *value, QString *error = nullptr);
bool read(const QByteArray &nativePath, const char *name, QByteArray *value,
          QString *error = nullptr);

// Writes an attribute; false with a message naming the item when it cannot be written,
// notably on a symbolic link or a file system without user attributes.
bool write(const QString &path, const char *name, const QByteArray &value, QString *error);
bool write(const QByteArray &nativePath, const char *name, const QByteArray &value, QString *error);

// Removes an attribute; an attribute that is not there (or cannot be there) counts as removed.
bool remove(const QString &path, const char *name, QString *error);
bool remove(const QByteArray &nativePath, const char *name, QString *error);

// The item's comment; "" when it has none or its file system has no attributes.
QString comment(const QString &path);
QString comment(const QByteArray &nativePath);

// Stores the comment as UTF-8; an empty text removes the attribute.
bool setComment(const QString &path, const QString &text, QString *error);
bool setComment(const QByteArray &nativePath, const QString &text, QString *error);

// The item's tags: the comma-separated entries, trimmed, empty ones left out.
QStringList tags(const QString &path);
QStringList tags(const QByteArray &nativePath);

}  // namespace ExtendedAttributes
