#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

// A service definition: a folder "<title>.torvaneservice" holding "Contents/Info.plist" with
// one "NSServices" entry whose "NSUserData" is the frozen configuration (a binary property
// list, base64 without line breaks). The file-manager actions of FileManagerActions run the
// service provider with that folder.
namespace ServiceDefinition {

// The configuration encoded for "NSUserData"; "" when it cannot be serialised.
QString encodedConfiguration(const QVariantMap &configuration);

// The Info.plist dictionary of a service whose menu title is `title`.
QVariantMap infoDictionary(const QString &title, const QString &userData);

// "Services" in the application support folder, created on demand.
QString servicesFolder();

// Writes "Contents/Info.plist" inside the folder (made with its parents). The menu title is
// the folder's name without its extension. False and *error when it cannot be written.
bool write(const QString &folder, const QString &userData, QString *error);

// The menu title of a service folder.
QString titleOf(const QString &folder);

// "NSUserData" of the first "NSServices" entry; nothing when the folder holds no readable
// definition.
std::optional<QString> userData(const QString &folder);

// The outcome of decoding a service's user data.
struct Decoding {
    std::optional<QVariantMap> configuration;
    // The provider's message for the failure; "" on success.
    QString failure;
};

// Decodes base64 (characters outside its alphabet ignored) into a property-list dictionary.
// Failures carry the messages "[Torvane Service] missing encoded service configuration",
// "... cannot decode configuration" and "... cannot deserialize configuration".
Decoding decode(const std::optional<QString> &userData);

}  // namespace ServiceDefinition
