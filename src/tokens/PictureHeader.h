#pragma once

#include <QIODevice>
#include <QString>

// The sample structure that a JPEG or PNG file states in its header (the SOF segment, the
// IHDR chunk), for pictures whose metadata does not repeat it.
struct PictureHeader {
    bool valid = false;
    int bitsPerSample = 0;
    QString colorSpace;  // "Gray", "RGB" or "CMYK"
    bool hasAlphaChannel = false;

    // Reads from the device's start; segments before the frame header are skipped, not read,
    // and a file that is neither format, or damaged, gives an invalid header.
    static PictureHeader read(QIODevice *device);
};
