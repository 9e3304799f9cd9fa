// The JPEG and PNG header walker on any bytes: a header or an invalid one, never a crash or a
// read past the end.

#include <QBuffer>

#include "FuzzInput.h"
#include "tokens/PictureHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray bytes = FuzzInput::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    PictureHeader::read(&buffer);
    return 0;
}
