// The CSV reader with every separator and mode a step offers: no input may crash or hang it.

#include "FuzzInput.h"
#include "common/ZKCSVParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the mode; the rest is the text.
    const uint8_t mode = data[0];
    static const char *const separators[] = {",", ";", "\t", "", "ab"};
    const QString text = QString::fromUtf8(FuzzInput::bytes(data + 1, size - 1));
    ZKCSVParser::scanCSVWithFieldSeparator(text, QString::fromLatin1(separators[mode % 5]),
                                           mode & 0x10, mode & 0x20);
    return 0;
}
