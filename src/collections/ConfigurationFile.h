#pragma once

#include <QString>
#include <optional>

#include "collections/ZKDictionaryConfigurationArchive.h"
#include "engine/ZKRenamer.h"

// Reading a configuration file ("torv", "torvane", "tva"): a property list, binary or XML,
// holding an array of step archives. A dictionary is taken as a whole configuration archive
// (steps, listing choices, sort priorities and switches), as relay files and droplets carry one.
namespace ConfigurationFile {

struct Contents {
    // The steps of an array of step archives.
    QList<ZKRenamerPtr> renamers;
    // The archive of a dictionary; the steps are then left empty.
    std::optional<ZKDictionaryConfigurationArchive> archive;
};

// False, with a message for the user that names the file, when it cannot be read, is no property
// list, or holds neither steps nor a dictionary (an empty array gives no steps). Failures are
// logged as "[Historian] broken archive at URL: %@".
bool read(const QString &path, Contents *contents, QString *error);

}  // namespace ConfigurationFile
