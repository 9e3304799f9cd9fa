#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whether a name may be given to a file, and whether a name found on disk can be renamed.
namespace NameValidation {

// The user default that lets new names start with ".".
inline const QString kAllowDotPrefixKey = QStringLiteral("Allow Dot Prefix");

// The error of a new name, "" when it is valid: an empty name is nil, and a name starting
// with "." would hide the file unless the user default "Allow Dot Prefix" is on.
QString errorForName(const QString &name);

// The error of a new name whose bytes on disk exceed the folder's limit (NAME_MAX), "" when
// it fits: the move would fail in the middle of a run, so the preview refuses it.
QString errorForNameLength(const QByteArray &nativeName, long maximumBytes);

// The error of a name as stored on disk (bytes), "" when it is valid: a name that is not
// well-formed UTF-8 cannot be shown or computed with faithfully, so it is never renamed.
QString errorForNativeName(QByteArrayView nativeName);

}  // namespace NameValidation
