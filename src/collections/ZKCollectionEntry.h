#pragma once

#include <QFileInfo>
#include <QString>
#include <QVariantList>
#include <optional>

// One preset or snippet file of a collection listing, or the separator marker before the
// samples (an entry without a path).
struct ZKCollectionEntry {
    QString path;
    // The "/"-separated subfolder path inside the collection folder; "" at top level.
    QString relativePath;
    // A preset's step archives, read when the list was built; none when unreadable.
    std::optional<QVariantList> archives;
    bool isSample = false;

    bool isSeparator() const { return path.isEmpty(); }
    // The title: the file name without extension, ":" shown as "/", or "(Unknown)".
    QString filename() const {
        QString name = QFileInfo(path).completeBaseName();
        name.replace(QLatin1Char(':'), QLatin1Char('/'));
        return name.isEmpty() ? QStringLiteral("(Unknown)") : name;
    }
    // "Folder/Sub/Name": how the command line names it.
    QString menuPath() const {
        return relativePath.isEmpty() ? filename() : relativePath + QLatin1Char('/') + filename();
    }
};
