// Step archives as `torvane-cli --steps` loads them: a property list of step dictionaries
// with any keys and values becomes steps or a clear error, and the steps compute a name.

#include "FuzzInput.h"
#include "cli/StepsFile.h"
#include "engine/RenamerCollections.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString path =
        FuzzInput::writeScratchFile(QStringLiteral("steps.tva"), FuzzInput::bytes(data, size));
    QVariantList archives;
    QString error;
    if (readStepArchives(path, &archives, &error))
        RenamerCollections::renamersFromArchives(archives);
    return 0;
}
