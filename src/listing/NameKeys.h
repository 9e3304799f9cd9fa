#pragma once

#include <QList>
#include <cstdint>
#include <utility>
#include <vector>

#include "records/ZKFileRepresentation.h"

// The collation keys of the names of a list's first records, in list order, as a sort by
// name reads them (RecordComparison::takeNameKeys). Holding the records keeps them alive, so
// the keys can never be taken for other records that came to lie at the same addresses.
struct NameKeys {
    QList<ZKFileRepresentationPtr> records;
    // Where each record's key lies in `keys` and its size; a start of -1 for an empty name.
    std::vector<std::pair<qint64, quint32>> places;
    std::vector<uint8_t> keys;
};
