// Configuration archives as `torvane-cli --config` and opened configuration files load them:
// any bytes become a configuration of the controller or a clear error, never a crash.

#include "FuzzInput.h"
#include "collections/ConfigurationArchiving.h"
#include "collections/ZKDictionaryConfigurationArchive.h"
#include "controller/ZKRenamingController.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // Restoring a configuration writes user defaults: keep them in the scratch folder.
    FuzzInput::startApplicationAtScratchHome(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString path = FuzzInput::writeScratchFile(QStringLiteral("configuration.tva"),
                                                     FuzzInput::bytes(data, size));
    QString error;
    const std::optional<ZKDictionaryConfigurationArchive> archive =
        ZKDictionaryConfigurationArchive::fromFile(path, &error);
    if (!archive) return 0;
    ZKRenamingController controller;
    ConfigurationArchiving::initializeControlsWithArchive(controller, &*archive, true, false);
    return 0;
}
