#include "tokens/PictureHeader.h"

#include <QtEndian>

namespace {

// A JPEG's frame header comes after its application segments; a file with more of them than
// this is damaged or hostile.
constexpr int maximumSegments = 512;

const QByteArray pngSignature = QByteArray::fromHex("89504e470d0a1a0a");

PictureHeader pngHeader(QIODevice *device) {
    const QByteArray head = device->read(8 + 8 + 13);
    PictureHeader header;
    if (head.size() < 29 || head.mid(12, 4) != "IHDR") return header;
    const int depth = quint8(head[24]);
    const int colorType = quint8(head[25]);
    header.valid = depth > 0;
    header.bitsPerSample = depth;
    header.colorSpace =
        colorType == 0 || colorType == 4 ? QStringLiteral("Gray") : QStringLiteral("RGB");
    header.hasAlphaChannel = colorType == 4 || colorType == 6;
    return header;
}

bool isFrameMarker(quint8 marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

PictureHeader frameHeader(const QByteArray &frame) {
    PictureHeader header;
    if (frame.size() < 6) return header;
    const int components = quint8(frame[5]);
    header.valid = quint8(frame[0]) > 0;
    header.bitsPerSample = quint8(frame[0]);
    header.colorSpace = components == 1   ? QStringLiteral("Gray")
                        : components == 4 ? QStringLiteral("CMYK")
                                          : QStringLiteral("RGB");
    return header;
}

// Walks the segments from marker to marker, skipping each by its length.
PictureHeader jpegHeader(QIODevice *device) {
    for (int segment = 0; segment < maximumSegments; ++segment) {
        char bytes[4];
        if (device->read(bytes, 2) != 2 || quint8(bytes[0]) != 0xFF) break;
        const quint8 marker = quint8(bytes[1]);
        if (marker == 0xFF) {
            device->seek(device->pos() - 1);  // fill byte before the marker
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) break;  // end of image, start of scan
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (device->read(bytes, 2) != 2) break;
        const qint64 length = qFromBigEndian<quint16>(bytes);
        if (length < 2) break;
        if (isFrameMarker(marker)) return frameHeader(device->read(length - 2));
        const qint64 next = device->pos() + length - 2;
        if (next > device->size() || !device->seek(next)) break;
    }
    return PictureHeader();
}

}  // namespace

PictureHeader PictureHeader::read(QIODevice *device) {
    if (!device || !device->seek(0)) return PictureHeader();
    const QByteArray start = device->peek(8);
    if (start == pngSignature) return pngHeader(device);
    if (start.startsWith("\xFF\xD8")) {
        device->read(2);
        return jpegHeader(device);
    }
    return PictureHeader();
}
