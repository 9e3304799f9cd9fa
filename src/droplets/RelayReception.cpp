#include "droplets/RelayReception.h"

#include "common/Log.h"
#include "common/PropertyList.h"
#include "common/Translations.h"
#include "droplets/DropletCreation.h"
#include "droplets/DropletKeys.h"
#include "droplets/DropletLauncher.h"
#include "droplets/RelayFile.h"

namespace RelayReception {

TORVANE_NAMESPACE_TR(RelayReception)

namespace {

// Drops what comes up to and including the first "/", three times: "/home/name/x" -> "x".
QString pathBelowHome(QString path) {
    for (int i = 0; i < 3; ++i) {
        const qsizetype slash = path.indexOf(u'/');
        if (slash >= 0) path = path.mid(slash + 1);
    }
    return path;
}

QStringList droppedFilesOf(const QVariantMap &relay) {
    QStringList paths;
    for (const QVariant &item : relay.value(QLatin1String(DropletKeys::kDroppedFiles)).toList()) {
        if (item.typeId() == QMetaType::QString && !item.toString().isEmpty())
            paths.append(item.toString());
    }
    return paths;
}

}  // namespace

Reception receive(const QString &relayPath) {
    Reception reception;
    QString error;
    const std::optional<QVariantMap> relay = RelayFile::read(relayPath, &error);
    if (!relay) {
        Log::line(QStringLiteral("[Droplet] ") + error);
        return reception;
    }
    reception.droppedFiles = droppedFilesOf(*relay);
    const QString identifier =
        relay->value(QLatin1String(DropletKeys::kDropletInstanceIdentifier)).toString();
    if (identifier.isEmpty()) {
        reception.configuration = *relay;
        reception.configuration.remove(QLatin1String(DropletKeys::kDroppedFiles));
        reception.outcome = Reception::Outcome::Received;
        return reception;
    }
    if (!DropletLauncher::isPlainIdentifier(identifier)) {
        Log::line(
            QStringLiteral("[Droplet] ignoring a relay whose identifier is not a plain name"));
        reception.droppedFiles.clear();
        return reception;
    }
    const QString path = DropletCreation::externalConfigurationPath(identifier);
    const QVariant configuration = PropertyList::readFile(path);
    if (configuration.typeId() != QMetaType::QVariantMap) {
        reception.outcome = Reception::Outcome::MissingConfiguration;
        reception.alert = missingConfigurationAlert(path);
        return reception;
    }
    Log::debug(
        QStringLiteral("using external droplet configuration: %1 (%2)").arg(path, identifier));
    reception.configuration = configuration.toMap();
    reception.outcome = Reception::Outcome::Received;
    return reception;
}

ZKAlert missingConfigurationAlert(const QString &configurationPath) {
    ZKAlert alert;
    alert.messageText = tr("Missing Droplet Configuration");
    alert.informativeText =
        tr("Torvane is missing the externally stored configuration for this droplet. Please "
           "copy the following file from the user account that created the droplet and store "
           "it at the corresponding spot within your user directory:\n\n(Their user "
           "directory)/%1\n\nWe apologize for the inconvenience. System security measures "
           "that were introduced in macOS 10.9.5 have made it imposible for newly created "
           "Torvane droplets to store their configurations internally.")
            .arg(pathBelowHome(configurationPath));
    alert.buttons = {tr("OK")};
    alert.style = ZKAlert::Style::Warning;
    return alert;
}

}  // namespace RelayReception
