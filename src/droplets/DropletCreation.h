#pragma once

#include <QString>
#include <QVariantMap>

// Makes a droplet: a desktop launcher (mode 0755, marked trusted for the desktop shells) that
// runs the droplet program with its own path and the dropped files, carrying the frozen
// configuration; the same configuration stored outside as "<identifier>.tvd" in "Droplets";
// and an entry in the user's applications folder so file managers offer it under "Open With".
namespace DropletCreation {

struct Request {
    QString launcherPath;
    QVariantMap configuration;
    // "Keep Droplet Seal Intact": embed the configuration in the launcher.
    bool keepSealIntact = true;
    // The droplet program the launcher runs.
    QString dropletProgram;
};

struct Result {
    // False when nothing was made; `error` then says why when the user must be told (an
    // existing item that cannot be removed), and is empty for a silent stop.
    bool created = false;
    QString error;
    bool replaced = false;
    QString identifier;
    QString externalConfigurationPath;
    QString openWithEntryPath;
};

Result create(const Request &request);

// "Droplets" in the application support folder; "" when it cannot be had. With create the
// folder is made when missing.
QString dropletsFolder(bool create);
// "<identifier>.tvd" in the droplets folder (which is not created).
QString externalConfigurationPath(const QString &identifier);
// The "Open With" entry of a droplet in the user's applications folder.
QString openWithEntryPath(const QString &identifier);

// The desktop folder: `xdg-user-dir DESKTOP`, else ~/Desktop.
QString defaultFolder();

// The launcher text: a template (placeholder payload) when `configuration` is empty.
QString launcherText(const QString &name, const QString &dropletProgram, const QString &identifier,
                     const QVariantMap &configuration, bool openWithEntry);

}  // namespace DropletCreation
