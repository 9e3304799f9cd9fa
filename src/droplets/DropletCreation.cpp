#include "droplets/DropletCreation.h"

#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QUuid>

#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/PathExtension.h"
#include "common/PropertyList.h"
#include "droplets/DesktopEntry.h"
#include "droplets/DropletKeys.h"
#include "droplets/DropletLauncher.h"
#include "platform/ExtendedAttributes.h"

namespace DropletCreation {

namespace {

bool itemExists(const QString &path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

QString payloadOf(const QVariantMap &configuration) {
    const QVariantMap payload =
        configuration.isEmpty()
            ? QVariantMap{{QLatin1String(DropletKeys::kDropletConfigurationPlaceholder), true}}
            : configuration;
    return QString::fromLatin1(
        PropertyList::toData(payload, PropertyList::Format::Binary).toBase64());
}

bool writeLauncher(const QString &path, const QString &text, QString *error) {
    QSaveFile file(path);
    const QByteArray data = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

// Runs a desktop tool and waits briefly; the desktop may lack it (logged at debug level).
void runTool(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        Log::debug(QStringLiteral("[Droplet] %1 %2 failed: %3")
                       .arg(program, arguments.join(u' '),
                            QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
        if (process.state() != QProcess::NotRunning) process.kill();
        process.waitForFinished(1000);
    }
}

// Executable, and trusted the ways the desktops check: GIO's "metadata::trusted" (GNOME,
// Cinnamon, MATE) and the checksum of the content that Xfce keeps for trusted launchers.
void makeLaunchable(const QString &path) {
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther);
    runTool(QStringLiteral("gio"),
            {QStringLiteral("set"), QStringLiteral("-t"), QStringLiteral("string"), path,
             QStringLiteral("metadata::trusted"), QStringLiteral("true")});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray checksum =
        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
    runTool(QStringLiteral("gio"),
            {QStringLiteral("set"), QStringLiteral("-t"), QStringLiteral("string"), path,
             QStringLiteral("metadata::xfce-exe-checksum"), QString::fromLatin1(checksum)});
}

void setIdentifierAttribute(const QString &path, const QString &identifier) {
    QString error;
    // The launcher's own key stands in on volumes without extended attributes.
    if (!ExtendedAttributes::write(path, DropletKeys::kInstanceAttribute,
                                   DropletLauncher::identifierAttributeValue(identifier), &error))
        Log::debug(QStringLiteral("[Droplet] %1").arg(error));
}

// Embeds the configuration; the launcher keeps it only when it still reads back whole, else
// the template goes back and the droplet uses its external configuration.
void embedConfiguration(const Request &request, const QString &name, const QString &identifier,
                        const QString &templateText, bool replaced) {
    QString error;
    const QString text =
        launcherText(name, request.dropletProgram, identifier, request.configuration, false);
    if (!writeLauncher(request.launcherPath, text, &error)) {
        Log::line(QStringLiteral("[Droplet] ") + error);
        return;
    }
    QString problem;
    const auto embedded = DropletLauncher::embeddedConfiguration(request.launcherPath, &problem);
    const auto bytes = [](const QVariantMap &map) {
        return PropertyList::toData(map, PropertyList::Format::Binary);
    };
    if (embedded && bytes(*embedded) == bytes(request.configuration)) {
        Log::debug((replaced ? QStringLiteral("replaced droplet at %1")
                             : QStringLiteral("created droplet at %1"))
                       .arg(request.launcherPath));
        return;
    }
    Log::line(
        QStringLiteral("[Droplet] the embedded configuration does not read back: %1").arg(problem));
    writeLauncher(request.launcherPath, templateText, &error);
}

void saveExternalConfiguration(const Request &request, Result *result) {
    if (dropletsFolder(true).isEmpty()) return;
    result->externalConfigurationPath = externalConfigurationPath(result->identifier);
    QString error;
    if (!PropertyList::writeFile(result->externalConfigurationPath, request.configuration,
                                 PropertyList::Format::Xml, &error)) {
        Log::line(QStringLiteral("[Droplet] ") + error);
        return;
    }
    Log::debug((result->replaced ? QStringLiteral("replaced droplet configuration at %1")
                                 : QStringLiteral("saved droplet configuration at %1"))
                   .arg(result->externalConfigurationPath));
}

void writeOpenWithEntry(const Request &request, const QString &name, Result *result) {
    result->openWithEntryPath = openWithEntryPath(result->identifier);
    QDir().mkpath(QFileInfo(result->openWithEntryPath).absolutePath());
    QString error;
    const QString text =
        launcherText(name, request.dropletProgram, result->identifier,
                     request.keepSealIntact ? request.configuration : QVariantMap(), true);
    if (!writeLauncher(result->openWithEntryPath, text, &error)) {
        Log::line(QStringLiteral("[Droplet] ") + error);
        result->openWithEntryPath.clear();
        return;
    }
    setIdentifierAttribute(result->openWithEntryPath, result->identifier);
}

}  // namespace

QString launcherText(const QString &name, const QString &dropletProgram, const QString &identifier,
                     const QVariantMap &configuration, bool openWithEntry) {
    QList<QPair<QString, QString>> entry{
        {QStringLiteral("Type"), QStringLiteral("Application")},
        {QStringLiteral("Version"), QStringLiteral("1.0")},
        {QStringLiteral("Name"), name},
        {QStringLiteral("Comment"), QStringLiteral("Drop files here to rename them with Torvane")},
        {QStringLiteral("Icon"), QStringLiteral("com.quorlix.Torvane")},
        {QStringLiteral("Exec"),
         DesktopEntry::quoteExecArgument(dropletProgram) + QStringLiteral(" %k %F")},
        {QStringLiteral("Terminal"), QStringLiteral("false")},
    };
    if (openWithEntry) {
        entry.append({QStringLiteral("MimeType"),
                      QStringLiteral("inode/directory;application/octet-stream;")});
        entry.append({QStringLiteral("NoDisplay"), QStringLiteral("false")});
    }
    return DesktopEntry::groupText(QStringLiteral("Desktop Entry"), entry) + QLatin1Char('\n') +
           DesktopEntry::groupText(
               QLatin1String(DropletKeys::kDropletGroup),
               {{QLatin1String(DropletKeys::kDropletInstanceIdentifier), identifier},
                {QLatin1String(DropletKeys::kLprojPayload), payloadOf(configuration)}});
}

Result create(const Request &request) {
    Result result;
    const QString &path = request.launcherPath;
    if (itemExists(path)) {
        result.identifier = DropletLauncher::instanceIdentifier(path);
        QFile existing(path);
        if (!existing.remove()) {
            result.error = QStringLiteral("\"%1\" cannot be replaced: %2")
                               .arg(PathExtension::lastPathComponent(path), existing.errorString());
            return result;
        }
        result.replaced = true;
        if (!result.identifier.isEmpty()) QFile::remove(openWithEntryPath(result.identifier));
    }
    if (result.identifier.isEmpty())
        result.identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    QString name = PathExtension::lastPathComponent(path);
    if (name.endsWith(QStringLiteral(".desktop"))) name.chop(8);

    QString error;
    const QString templateText =
        launcherText(name, request.dropletProgram, result.identifier, QVariantMap(), false);
    if (!writeLauncher(path, templateText, &error)) {
        Log::line(QStringLiteral("[Droplet] ") + error);
        return result;
    }
    if (request.keepSealIntact)
        embedConfiguration(request, name, result.identifier, templateText, result.replaced);
    setIdentifierAttribute(path, result.identifier);
    saveExternalConfiguration(request, &result);
    makeLaunchable(path);
    writeOpenWithEntry(request, name, &result);
    result.created = true;
    return result;
}

QString dropletsFolder(bool create) {
    const QString folder = ApplicationSupport::folder() + QLatin1Char('/') +
                           QLatin1String(DropletKeys::kDropletsFolder);
    if (create && !QDir().mkpath(folder)) return QString();
    return folder;
}

QString externalConfigurationPath(const QString &identifier) {
    return dropletsFolder(false) + QLatin1Char('/') + identifier + QLatin1Char('.') +
           QLatin1String(DropletKeys::kDropletConfigurationExtension);
}

QString openWithEntryPath(const QString &identifier) {
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base = !data.isEmpty() && QDir::isAbsolutePath(data)
                             ? data
                             : QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/applications/com.quorlix.Torvane.droplet-") +
           identifier.toLower() + QStringLiteral(".desktop");
}

QString defaultFolder() {
    QProcess process;
    process.start(QStringLiteral("xdg-user-dir"), {QStringLiteral("DESKTOP")});
    if (process.waitForFinished(3000) && process.exitCode() == 0) {
        const QString folder = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    }
    return QDir::homePath() + QStringLiteral("/Desktop");
}

}  // namespace DropletCreation
