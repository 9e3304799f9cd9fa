#pragma once

#include <QString>

// Numbering of colliding names: "/a/Photo.jpg" with 2 becomes "/a/Photo (2).jpg".
namespace NameUniqueness {

// The path with " (number)" inserted before its alphanumeric extension, or appended when it
// has none ("/a/Read Me" -> "/a/Read Me (1)"; "/a/.profile" -> "/a/.profile (1)").
QString stringByInsertingNumberInPath(const QString &path, quint64 number);

}  // namespace NameUniqueness
