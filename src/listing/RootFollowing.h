#pragma once

#include <QList>
#include <QStringList>

#include "records/ZKFileRepresentation.h"

// After a rename run the list is rebuilt from its roots; a root (or an excepted path) that
// was itself renamed must follow its item, or the rebuilt list would lose it.
namespace RootFollowing {

// Every record whose pre-rename path differs from its path was moved by the run: a root or
// exception equal to that pre-rename path is replaced by the record's path (renamed ones go
// to the end, in record order), and the record's pre-rename path becomes its path. Roots
// and exceptions come back without duplicates, in their order. Linear in the number of
// records, roots and exceptions.
void followRenamedItems(const QList<ZKFileRepresentationPtr> &records, QStringList *roots,
                        QStringList *exceptions);

}  // namespace RootFollowing
