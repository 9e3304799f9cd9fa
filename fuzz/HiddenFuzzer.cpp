// A folder's ".hidden" file with any content: the names it lists hide items, nothing else.

#include "FuzzInput.h"
#include "platform/HiddenItems.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray content = FuzzInput::bytes(data, size);
    FuzzInput::writeScratchFile(QStringLiteral(".hidden"), content);
    const QByteArray folder = QFile::encodeName(FuzzInput::scratchFolder());
    HiddenItems hidden;
    for (const QByteArray &name : content.split('\n').mid(0, 8))
        hidden.isHidden(folder + '/' + name);
    hidden.isHidden(folder + "/visible");
    return 0;
}
