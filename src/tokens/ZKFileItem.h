#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a metadata item tells about the timing of a media file (for the bit-rate token).
struct ZKMediaTiming {
    quint64 durationSeconds = 0;
    quint64 totalBitRate = 0;
};

// What renaming steps and tokens read from, and write to, one listed item. The file record
// of the file list implements it; the engine never needs more than this.
class ZKFileItem {
public:
    virtual ~ZKFileItem() = default;

    // Current absolute path (the exact on-disk path) and its last component, NFC.
    virtual QString path() const = 0;
    // The exact bytes of the path on disk, for reading the item.
    virtual QByteArray nativePath() const = 0;
    virtual QString name() const = 0;
    virtual bool isFolder() const = 0;

    // The working name: the last interim name of this computation, else name().
    virtual QString intermediateName() const = 0;
    // Appends the next working name (stored in NFC).
    virtual void setIntermediateName(const QString &name) = 0;

    // Attributes that tokens show.
    // Bytes; for a folder everything inside it.
    virtual qint64 size() const = 0;
    // The birth time, else the distant past (0001-01-01 UTC).
    virtual QDateTime creationDate() const = 0;
    // The modification time, else the creation date.
    virtual QDateTime modificationDate() const = 0;
    // 1, or 1000 when the media file reports its bit rate in kilobits; null timing gives 1.
    virtual quint64 bitRateMultiplierForMetaDataItem(const ZKMediaTiming *timing) const = 0;
    // Shown with the file; empty and repeated warnings are ignored.
    virtual void addWarning(const QString &warning) = 0;
};
