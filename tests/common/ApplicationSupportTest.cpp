#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/ApplicationSupport.h"
#include "common/LogCapture.h"
#include "common/PropertyList.h"
#include "support/TestEnvironment.h"

namespace {

// Sets (or, with a null value, unsets) an environment variable for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char *name, const QString &value)
        : name_(name), hadValue_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
    ~ScopedEnvironment() {
        if (hadValue_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char *name_;
    bool hadValue_;
    QByteArray old_;
};

int modeOf(const QString &path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                      : -1;
}

}  // namespace

TEST(ApplicationSupportTest, FoldersFollowTheXdgVariablesAndAreCreated) {
    EXPECT_EQ(ApplicationSupport::folder(), qEnvironmentVariable("XDG_DATA_HOME") + "/Torvane");
    EXPECT_EQ(ApplicationSupport::configFolder(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + "/Torvane");
    EXPECT_EQ(ApplicationSupport::stateFolder(),
              qEnvironmentVariable("XDG_STATE_HOME") + "/Torvane");
    EXPECT_TRUE(QFileInfo(ApplicationSupport::stateFolder()).isDir());
    EXPECT_EQ(ApplicationSupport::defaultStepsFilePath(),
              ApplicationSupport::folder() + "/Default.tva");

    TestDir dir;
    const ScopedEnvironment data("XDG_DATA_HOME", dir.filePath("deep/data"));
    EXPECT_EQ(ApplicationSupport::folder(), dir.filePath("deep/data/Torvane"));
    EXPECT_TRUE(QFileInfo(dir.filePath("deep/data/Torvane")).isDir());
    // Folders the program creates are private to the user.
    EXPECT_EQ(modeOf(dir.filePath("deep/data/Torvane")), 0700);
    EXPECT_EQ(modeOf(dir.filePath("deep")), 0700);
}

TEST(ApplicationSupportTest, UnsetOrRelativeVariablesFallBackToTheHomeFolder) {
    const QString home = QDir::homePath();
    {
        const ScopedEnvironment data("XDG_DATA_HOME", "relative/data");
        const ScopedEnvironment config("XDG_CONFIG_HOME", QString());
        const ScopedEnvironment state("XDG_STATE_HOME", "");
        EXPECT_EQ(ApplicationSupport::folder(), home + "/.local/share/Torvane");
        EXPECT_EQ(ApplicationSupport::configFolder(), home + "/.config/Torvane");
        EXPECT_EQ(ApplicationSupport::stateFolder(), home + "/.local/state/Torvane");
    }
    EXPECT_FALSE(QFileInfo::exists("relative"));
}

TEST(ApplicationSupportTest, ThePrivateFolderIsInTheRuntimeFolder) {
    const QString folder = ApplicationSupport::privateTemporaryFolder();
    EXPECT_EQ(folder, qEnvironmentVariable("XDG_RUNTIME_DIR") + "/Torvane");
    EXPECT_EQ(modeOf(folder), 0700);
}

TEST(ApplicationSupportTest, WithoutARuntimeFolderOnlyAFolderOfOurOwnIsTrusted) {
    TestDir tmp;
    const ScopedEnvironment runtime("XDG_RUNTIME_DIR", QString());
    const ScopedEnvironment tmpdir("TMPDIR", tmp.path());
    const QString expected = tmp.filePath(QStringLiteral("torvane-%1").arg(::getuid()));
    {
        const mode_t oldMask = ::umask(0077 | 0200);  // even a strict umask gives mode 0700
        EXPECT_EQ(ApplicationSupport::privateTemporaryFolder(), expected);
        ::umask(oldMask);
    }
    EXPECT_EQ(modeOf(expected), 0700);
    EXPECT_EQ(ApplicationSupport::privateTemporaryFolder(), expected);

    LogCapture log;
    ASSERT_EQ(::chmod(QFile::encodeName(expected).constData(), 0755), 0);
    EXPECT_EQ(ApplicationSupport::privateTemporaryFolder(), QString());
    EXPECT_EQ(log.lines().size(), 1);

    // A symbolic link to a private folder is refused: someone else may have planted it.
    ASSERT_TRUE(QDir(expected).removeRecursively());
    const QString target = tmp.makeFolder("elsewhere");
    ::chmod(QFile::encodeName(target).constData(), 0700);
    ASSERT_TRUE(QFile::link(target, expected));
    EXPECT_EQ(ApplicationSupport::privateTemporaryFolder(), QString());

    QFile::remove(expected);
    tmp.makeFile(QStringLiteral("torvane-%1").arg(::getuid()), "a file");
    EXPECT_EQ(ApplicationSupport::privateTemporaryFolder(), QString());
    EXPECT_EQ(log.lines().size(), 3);
    EXPECT_TRUE(log.contains(expected));

    if (::getuid() == 0) {  // only the super-user can give a folder away
        QFile::remove(expected);
        ASSERT_TRUE(QDir().mkdir(expected));
        ::chmod(QFile::encodeName(expected).constData(), 0700);
        ASSERT_EQ(::chown(QFile::encodeName(expected).constData(), 4242, 4242), 0);
        EXPECT_EQ(ApplicationSupport::privateTemporaryFolder(), QString());
    }
}

TEST(ApplicationSupportTest, DefaultStepArchivesAreTheDictionariesOfTheDefaultFile) {
    const QString path = ApplicationSupport::defaultStepsFilePath();
    QFile::remove(path);
    LogCapture log;
    EXPECT_TRUE(ApplicationSupport::defaultStepArchives().isEmpty());
    EXPECT_TRUE(log.lines().isEmpty());

    const QVariantMap first{{"Task", qint64(103)}}, second{};
    ASSERT_TRUE(PropertyList::writeFile(path, QVariantList{first, QStringLiteral("odd"), second, 7},
                                        PropertyList::Format::Binary));
    EXPECT_EQ(ApplicationSupport::defaultStepArchives(), (QVariantList{first, second}));
    EXPECT_TRUE(log.lines().isEmpty());

    ASSERT_TRUE(PropertyList::writeFile(path, first, PropertyList::Format::Binary));
    EXPECT_TRUE(ApplicationSupport::defaultStepArchives().isEmpty());
    EXPECT_EQ(log.lines().size(), 1);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no property list");
    file.close();
    EXPECT_TRUE(ApplicationSupport::defaultStepArchives().isEmpty());
    EXPECT_EQ(log.lines().size(), 2);
    EXPECT_TRUE(log.contains(path));
    QFile::remove(path);
}
