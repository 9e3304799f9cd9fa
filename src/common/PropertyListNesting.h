#pragma once

#include <QByteArray>

// libplist parses containers recursively, so a file nested deeply enough overflows the stack,
// and it aborts on a dictionary key holding a NUL. These checks run before parsing and refuse
// such data; they do not otherwise validate it.
namespace PropertyListNesting {

// The deepest nesting of arrays and dictionaries that property lists may hold.
constexpr int kMaxDepth = 512;

// Whether the XML text opens no more than kMaxDepth nested <array> and <dict> elements.
bool xmlDepthWithinLimit(const QByteArray &xml);

// Whether a binary property list is well-formed enough to walk (trailer, offset table and
// object references in range, no reference cycle) and nests no deeper than kMaxDepth.
bool binaryDepthWithinLimit(const QByteArray &binary);

// Whether no dictionary key of a binary property list holds a NUL character: libplist aborts
// the process on reading such a key. Call only on data binaryDepthWithinLimit accepted.
bool binaryKeysFreeOfNul(const QByteArray &binary);

}  // namespace PropertyListNesting
