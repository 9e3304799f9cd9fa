#pragma once

#include <QString>
#include <QVariantList>
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

// Files larger than this are not read: no configuration comes near it, and a stray huge
// file must not stall the menus that list presets.
inline constexpr qint64 kMaximumFileSize = 16 * 1024 * 1024;

// The step archives of a configuration file: a non-empty array whose dictionaries are kept
// (other elements are dropped with a log line). False with *error when the file is missing,
// too large, no property list, or holds no step.
bool readArchives(const QString &path, QVariantList *archives, QString *error);

// Writes the archives atomically as a binary property list; when binary serialisation fails
// the XML form is written instead and "fell back to non-serialized archive for <%@>" logged.
// False with *error when nothing could be written (the old file, if any, stays whole).
bool writeAsBinaryToPath(const QVariantList &archives, const QString &path,
                         QString *error = nullptr);

}  // namespace ConfigurationFile
