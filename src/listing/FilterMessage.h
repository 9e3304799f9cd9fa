#pragma once

#include <QString>

// What the file list area says about the list: its size, what to drop when it is empty, or
// what was given but left out.
namespace FilterMessage {

struct ListState {
    qsizetype recordCount = 0;
    // The name of the only record (used when recordCount is 1).
    QString singleRecordName;
    bool listFiles = true;
    bool listFolders = false;
    bool scanFolderContents = true;
    qsizetype rootPathCount = 0;
    // The only root path (used when no record came from exactly one root).
    QString singleRootPath;
};

// The path's components joined by " \u25B8 " ("/home/ann/a" -> "home ▸ ann ▸ a"); the path
// itself when it has no components ("/").
QString readablePath(const QString &path);

// One record: its name; several: "%lu Items" when folders are listed, else "%lu Files". No
// records and no roots: "Drag folders here." when only folders are listed, "Drag files here."
// when only files are listed and folder contents are not scanned, else "Drag files and folders
// here.". No records from one root: "Not Listed: %@" with the root's readable path; from
// several: "Not Listed: %lu Items".
QString filterMessage(const ListState &state);

}  // namespace FilterMessage
