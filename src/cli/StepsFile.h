#pragma once

#include <QString>
#include <QVariantList>

// Reads a configuration file of steps: a property list (binary or XML) holding an array of
// step dictionaries. False with a message naming the file when it is missing, unreadable or
// holds anything else.
bool readStepArchives(const QString &path, QVariantList *archives, QString *error);
