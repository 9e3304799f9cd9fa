// Extended replacement templates and their conversions ("\L", "\U" and the like): any
// template parses, and its conversions apply to any replacement.

#include "FuzzInput.h"
#include "engine/ZKERETemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = FuzzInput::bytes(data, size);
    // Template, then after the first NUL the text that replaces its placeholders.
    const qsizetype split = bytes.indexOf('\0');
    const QString templateString = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString replacement = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 1));
    const ZKERETemplate parsed(templateString);
    parsed.applyConversionsToString(replacement);
    parsed.applyConversionsToString(std::nullopt);
    return 0;
}
