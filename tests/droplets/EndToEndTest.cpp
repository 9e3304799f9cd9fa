// The real programs end to end: a droplet launcher started the way the desktop starts it, and
// every file-manager action's command line run the way its file manager runs it, each
// renaming through the relay file and the application, on a private session bus.

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>

#include "droplets/DropletCreation.h"
#include "droplets/FileManagerActions.h"
#include "droplets/ServiceDefinition.h"
#include "droplets/ServiceInstallation.h"
#include "support/TestEnvironment.h"

namespace {

// Names a file manager hands over as they are; the last one is no UTF-8 and is never renamed.
const QList<QByteArray> kHostileNames{"plain.txt", "it's \"q\" $HOME `x` \\ \n.txt", "-dash.txt",
                                      "a;b|c&d.txt", "caf\xe9.txt"};

const QVariantMap kConfiguration{
    {QStringLiteral("Renamers"),
     QVariantList{QVariantMap{
         {QStringLiteral("Task"), 101},
         {QStringLiteral("Rename: Insert: String"), QVariantList{QStringLiteral("done-")}}}}}};

QString programsFolder() { return qEnvironmentVariable("TORVANE_BINARY_DIR") + "/src/app"; }

class DropletEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
        ASSERT_TRUE(bus_.waitForReadyRead(10000)) << "no private session bus";
        const QByteArray address = bus_.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    }
    void TearDown() override {
        waitUntilApplicationEnded();
        bus_.terminate();
        bus_.waitForFinished(5000);
    }

    // A folder with the hostile names, by their exact bytes.
    QByteArray makeFiles(TestDir &dir, const QString &name) {
        const QByteArray folder = QFile::encodeName(dir.makeFolder(name));
        for (const QByteArray &file : kHostileNames) {
            const QByteArray path = folder + "/" + file;
            FILE *handle = std::fopen(path.constData(), "w");
            if (handle) std::fclose(handle);
        }
        return folder;
    }

    static bool exists(const QByteArray &path) { return ::access(path.constData(), F_OK) == 0; }

    // A new name loses its line breaks.
    static QByteArray renamed(QByteArray name) { return "done-" + name.replace('\n', ""); }

    // Every UTF-8 name renamed with the frozen configuration, the other one left alone.
    void expectRenamed(const QByteArray &folder) {
        QElapsedTimer timer;
        timer.start();
        const auto allDone = [&] {
            for (const QByteArray &name : kHostileNames.mid(0, kHostileNames.size() - 1))
                if (!exists(folder + "/" + renamed(name))) return false;
            return true;
        };
        while (!allDone() && timer.elapsed() < 30000) QThread::msleep(100);
        EXPECT_TRUE(allDone()) << "Torvane's log:\n" << logText().toStdString();
        for (const QByteArray &name : kHostileNames.mid(0, kHostileNames.size() - 1)) {
            EXPECT_TRUE(exists(folder + "/" + renamed(name))) << name.toStdString();
            EXPECT_FALSE(exists(folder + "/" + name)) << name.toStdString();
        }
        EXPECT_TRUE(exists(folder + "/" + kHostileNames.last()));
        // Removed here by its bytes: the temporary folder cannot remove what it cannot name.
        ::unlink((folder + "/" + kHostileNames.last()).constData());
        waitUntilApplicationEnded();
    }

    void waitUntilApplicationEnded() {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 15000) {
            QProcess query;
            query.start("dbus-send", {"--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                      "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                      "string:com.quorlix.Torvane"});
            query.waitForFinished(5000);
            if (!query.readAllStandardOutput().contains("true")) return;
            QThread::msleep(100);
        }
    }

    static QString logText() {
        QFile file(qEnvironmentVariable("XDG_STATE_HOME") + "/Torvane/torvane.log");
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static GList *filesOf(const QByteArray &folder) {
        GList *files = nullptr;
        for (const QByteArray &name : kHostileNames)
            files = g_list_append(files, g_file_new_for_path((folder + "/" + name).constData()));
        return files;
    }

    // Launches a desktop entry with the files as GIO does for a drop or "Open With".
    static void launchDesktopEntry(const QString &entry, const QByteArray &folder) {
        GDesktopAppInfo *info =
            g_desktop_app_info_new_from_filename(QFile::encodeName(entry).constData());
        QFile text(entry);
        ASSERT_NE(info, nullptr)
            << "GIO cannot read " << entry.toStdString() << ":\n"
            << (text.open(QIODevice::ReadOnly) ? text.readAll() : "").toStdString();
        GList *files = filesOf(folder);
        GError *error = nullptr;
        const bool launched = g_app_info_launch(G_APP_INFO(info), files, nullptr, &error);
        EXPECT_TRUE(launched) << (error ? error->message : "");
        if (error) g_error_free(error);
        g_list_free_full(files, g_object_unref);
        g_object_unref(info);
    }

    // A command line with %F as Nemo, Thunar and FileManager-Actions run it: the paths quoted
    // for GLib's shell parser, the whole split by it, no shell involved.
    static void runShellCommand(QString command, const QByteArray &folder) {
        QByteArray quoted;
        for (const QByteArray &name : kHostileNames) {
            gchar *word = g_shell_quote((folder + "/" + name).constData());
            quoted += QByteArray(" ") + word;
            g_free(word);
        }
        QByteArray line = command.toUtf8();
        line.replace("%F", quoted);
        gchar **argv = nullptr;
        ASSERT_TRUE(g_shell_parse_argv(line.constData(), nullptr, &argv, nullptr)) << line.data();
        spawn(argv, folder);
        g_strfreev(argv);
    }

    static void spawn(gchar **argv, const QByteArray &folder) {
        gint status = 0;
        GError *error = nullptr;
        ASSERT_TRUE(g_spawn_sync(folder.constData(), argv, nullptr, G_SPAWN_SEARCH_PATH, nullptr,
                                 nullptr, nullptr, nullptr, &status, &error))
            << (error ? error->message : "");
    }

    static QString keyFileValue(const QString &path, const char *group, const char *key) {
        GKeyFile *file = g_key_file_new();
        QString value;
        if (g_key_file_load_from_file(file, QFile::encodeName(path).constData(), G_KEY_FILE_NONE,
                                      nullptr)) {
            gchar *text = g_key_file_get_string(file, group, key, nullptr);
            value = QString::fromUtf8(text);
            g_free(text);
        }
        g_key_file_free(file);
        return value;
    }

    QProcess bus_;
};

}  // namespace

TEST_F(DropletEndToEndTest, ADroppedSelectionIsRenamedWithTheFrozenConfiguration) {
    TestDir dir;
    const QString launcher = dir.filePath("Photos by date.desktop");
    const auto created = DropletCreation::create(
        {launcher, kConfiguration, true, programsFolder() + "/torvane-droplet"});
    ASSERT_TRUE(created.created);
    const QByteArray folder = makeFiles(dir, "dropped");
    launchDesktopEntry(launcher, folder);
    expectRenamed(folder);

    // Without the embedded payload the identifier leads to the external configuration; the
    // "Open With" entry works the same way.
    ASSERT_TRUE(DropletCreation::create(
                    {launcher, kConfiguration, false, programsFolder() + "/torvane-droplet"})
                    .created);
    const QByteArray again = makeFiles(dir, "opened with");
    launchDesktopEntry(created.openWithEntryPath, again);
    expectRenamed(again);
}

TEST_F(DropletEndToEndTest, EveryFileManagerActionHandsOverTheSelectionUntouched) {
    TestDir dir;
    const QString folder = ServiceDefinition::servicesFolder() + "/It's \"$x\" \\.torvaneservice";
    ASSERT_EQ(
        ServiceInstallation::create(folder, ServiceDefinition::encodedConfiguration(kConfiguration),
                                    programsFolder() + "/torvane-service-provider"),
        QString());
    const auto where = FileManagerActions::locationsOf(folder);

    // Dolphin: the service menu's action is a desktop-entry Exec line.
    const QByteArray dolphin = makeFiles(dir, "dolphin");
    const QString entry = dir.filePath("dolphin-action.desktop");
    QFile out(entry);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    GKeyFile *menu = g_key_file_new();
    ASSERT_TRUE(g_key_file_load_from_file(
        menu, QFile::encodeName(where.dolphinServiceMenu).constData(), G_KEY_FILE_NONE, nullptr));
    gchar *exec = g_key_file_get_value(menu, "Desktop Action torvaneService", "Exec", nullptr);
    out.write(QByteArray("[Desktop Entry]\nType=Application\nName=x\nExec=") + exec + "\n");
    out.close();
    g_free(exec);
    g_key_file_free(menu);
    launchDesktopEntry(entry, dolphin);
    expectRenamed(dolphin);

    // Nautilus: the script gets the selected names as arguments, relative to the folder.
    const QByteArray nautilus = makeFiles(dir, "nautilus");
    const QByteArray script = QFile::encodeName(FileManagerActions::nautilusScriptOf(folder));
    QList<QByteArray> words{script};
    words.append(kHostileNames);
    std::vector<gchar *> argv;
    for (QByteArray &word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    spawn(argv.data(), nautilus);
    expectRenamed(nautilus);

    const QByteArray nemo = makeFiles(dir, "nemo");
    runShellCommand(keyFileValue(where.nemoAction, "Nemo Action", "Exec"), nemo);
    expectRenamed(nemo);

    const QByteArray caja = makeFiles(dir, "caja");
    runShellCommand(keyFileValue(where.fileManagerAction, "X-Action-Profile main", "Exec"), caja);
    expectRenamed(caja);

    // Thunar: the command of our action in uca.xml, its XML entities resolved.
    QFile uca(where.thunarActions);
    ASSERT_TRUE(uca.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(uca.readAll());
    const auto match = QRegularExpression("<command>(.*?)</command>").match(xml);
    ASSERT_TRUE(match.hasMatch());
    QString command = match.captured(1);
    command.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    const QByteArray thunar = makeFiles(dir, "thunar");
    runShellCommand(command, thunar);
    expectRenamed(thunar);
}

TEST_F(DropletEndToEndTest, AnOpenedServiceDefinitionGoesToTheProviderAndBack) {
    const QString folder = ServiceDefinition::servicesFolder() + "/Rename.torvaneservice";
    ASSERT_EQ(
        ServiceInstallation::create(folder, ServiceDefinition::encodedConfiguration(kConfiguration),
                                    programsFolder() + "/torvane-service-provider"),
        QString());
    QFile::remove(qEnvironmentVariable("XDG_STATE_HOME") + "/Torvane/torvane.log");
    QProcess application;
    application.start(programsFolder() + "/torvane", {folder});
    QElapsedTimer timer;
    timer.start();
    // The application logs its ping once the provider has started, so the provider's pong may
    // come first: wait for both.
    const auto bothLogged = [] {
        const QString text = logText();
        return text.contains("[Torvane Service] ping") && text.contains("[Torvane Service] pong");
    };
    while (!bothLogged() && timer.elapsed() < 30000) QThread::msleep(100);
    EXPECT_TRUE(logText().contains("[Torvane Service] ping")) << logText().toStdString();
    EXPECT_TRUE(logText().contains("[Torvane Service] pong")) << logText().toStdString();
    application.terminate();
    application.waitForFinished(10000);
}
