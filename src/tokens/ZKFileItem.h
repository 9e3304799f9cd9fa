#pragma once

#include <QString>

// What renaming steps and tokens read from, and write to, one listed item. The file record
// of the file list implements it; the engine never needs more than this.
class ZKFileItem {
public:
    virtual ~ZKFileItem() = default;

    // Current absolute path (the exact on-disk path) and its last component, NFC.
    virtual QString path() const = 0;
    virtual QString name() const = 0;
    virtual bool isFolder() const = 0;

    // The working name: the last interim name of this computation, else name().
    virtual QString intermediateName() const = 0;
    // Appends the next working name (stored in NFC).
    virtual void setIntermediateName(const QString &name) = 0;
};
