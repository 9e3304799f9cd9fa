#pragma once

#include <QList>
#include <QStringList>

#include "records/ZKFileRepresentation.h"

// The names of records, in list order: what a test compares an order or a subset by.
inline QStringList namesOf(const QList<ZKFileRepresentationPtr> &records) {
    QStringList names;
    for (const ZKFileRepresentationPtr &record : records) names.append(record->name());
    return names;
}
