#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>

#include "common/UserDefaults.h"

namespace {
std::unique_ptr<QTemporaryDir> &homeDir() {
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}
}  // namespace

void isolateUserFolders() {
    homeDir() = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/torvane-test-home-XXXXXX");
    const QString home = homeDir()->path();
    const struct {
        const char *variable;
        const char *relative;
    } folders[] = {{"XDG_CONFIG_HOME", ".config"},
                   {"XDG_DATA_HOME", ".local/share"},
                   {"XDG_STATE_HOME", ".local/state"},
                   {"XDG_CACHE_HOME", ".cache"},
                   {"XDG_RUNTIME_DIR", "runtime"}};
    qputenv("HOME", home.toUtf8());
    for (const auto &folder : folders) {
        const QString path = home + "/" + folder.relative;
        QDir().mkpath(path);
        qputenv(folder.variable, path.toUtf8());
    }
    QFile::setPermissions(home + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QStandardPaths::setTestModeEnabled(false);
}

QString testHome() { return homeDir() ? homeDir()->path() : QString(); }

TestDir::TestDir() : dir_(QDir::tempPath() + "/torvane-test-XXXXXX") {}

QString TestDir::filePath(const QString &relative) const { return dir_.filePath(relative); }

QString TestDir::makeFile(const QString &relative, const QByteArray &content) {
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return path;
}

QString TestDir::makeFolder(const QString &relative) {
    const QString path = filePath(relative);
    QDir().mkpath(path);
    return path;
}

namespace {

class UserDefaultsReset : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo &) override {
        UserDefaults::standardUserDefaults().removeAllPersistentValues();
    }
};

}  // namespace

void resetUserDefaultsBeforeEveryTest() {
    testing::UnitTest::GetInstance()->listeners().Append(new UserDefaultsReset);
}
