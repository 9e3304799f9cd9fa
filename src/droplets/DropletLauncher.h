#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

// A droplet on this system is a desktop launcher that runs the droplet program with its own
// path and the dropped files. Its group "[X-Torvane Droplet]" carries the frozen
// configuration ("LprojPayload": a binary property list, base64) and the droplet's instance
// identifier, which is also kept in the extended attribute "user.torvane.application-instance"
// of the launcher.
namespace DropletLauncher {

// The configuration embedded in the launcher: a dictionary without
// "DropletConfigurationPlaceholder". Nothing (and *problem) for a launcher that cannot be
// read or is too large, and for a payload that is missing, not base64, not a property list
// or not a dictionary.
std::optional<QVariantMap> embeddedConfiguration(const QString &launcherPath, QString *problem);

// The instance identifier: the extended attribute of the launcher itself (never of what a
// symbolic link points to), a property-list string; else the group's key "Droplet Instance
// Identifier" (volumes without extended attributes). "" when neither gives a non-empty string.
QString instanceIdentifier(const QString &launcherPath);

// Whether an identifier may name files in Torvane's folders: not empty, at most 128
// characters, no "/", no control character, not starting with ".".
bool isPlainIdentifier(const QString &identifier);

// What the droplet relays: the embedded configuration, else {"Droplet Instance Identifier":
// identifier}; nothing when the launcher has neither.
std::optional<QVariantMap> relayConfiguration(const QString &launcherPath);

// The identifier as the extended attribute stores it (a binary property-list string).
QByteArray identifierAttributeValue(const QString &identifier);

}  // namespace DropletLauncher
