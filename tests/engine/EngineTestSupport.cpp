#include "EngineTestSupport.h"

#include <QFile>

#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/PropertyList.h"
#include "common/UserDefaults.h"
#include "engine/EngineDefaults.h"
#include "support/FakeFileItem.h"

namespace {

const QStringList &engineDefaultKeys() {
    using namespace EngineDefaults;
    static const QStringList keys = {kStoreIrrelevantSettings, kDisableRemovedRenamersStack,
                                     kForgetTextSettingsOnQuit, kForgetNumericSettingsOnQuit,
                                     kRegularExpressionFreeSpacing};
    return keys;
}

void clearEngineState() {
    for (const QString &key : engineDefaultKeys()) {
        UserDefaults::standardUserDefaults().removeObjectForKey(key);
    }
    ZKRenamer::removedRenamersStack().clear();
    QFile::remove(ApplicationSupport::defaultStepsFilePath());
}

}  // namespace

void EngineTest::SetUp() {
    registerEngineDefaults();
    clearEngineState();
    ZKRenamer::setApplicationRenamingDelegate(&delegate);
    Log::setSink([this](const QString &line) { logLines.append(line); });
}

void EngineTest::TearDown() {
    Log::setSink({});
    ZKRenamer::setApplicationRenamingDelegate(nullptr);
    clearEngineState();
}

void EngineTest::setUserDefault(const QString &key, bool value) {
    UserDefaults::standardUserDefaults().setBool(value, key);
}

void EngineTest::writeDefaultSteps(const QVariantList &archives) {
    ASSERT_TRUE(PropertyList::writeFile(ApplicationSupport::defaultStepsFilePath(), archives,
                                        PropertyList::Format::Xml));
}

QString renamed(ZKRenamer &renamer, const QString &name, bool *syntaxError) {
    FakeFileItem item(name);
    renamer.processFileRepresentation(&item, 0, 1, syntaxError);
    return item.intermediateName();
}

ZKRenamerPtr stepWith(int operation, QVariantMap settings) {
    settings.insert(RenamerKeys::kTask, qint64(operation));
    return ZKRenamer::renamerWithArchive(settings);
}
