#pragma once

#include <plist/plist.h>

#include <QString>
#include <QVariant>

// Conversion between QVariant values and libplist node trees (used by PropertyList).
namespace PropertyListNodes {

// A new node tree for the value, to be freed with plist_free; nullptr and *error when the
// value holds something a property list cannot (see PropertyList.h for the types).
plist_t nodeFromVariant(const QVariant &value, QString *error);

// The value of a node tree; an invalid QVariant and *error when a node cannot be read.
QVariant variantFromNode(plist_t node, QString *error);

}  // namespace PropertyListNodes
