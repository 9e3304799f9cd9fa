#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "interaction/ZKUserInteraction.h"

// What a relay file hands the application: the configuration (carried whole, or named by a
// droplet's instance identifier and read from the droplet's external configuration) and the
// dropped files.
namespace RelayReception {

struct Reception {
    enum class Outcome {
        // The file is not ours or cannot be read: nothing happens (logged).
        Ignored,
        // The droplet's external configuration is missing: `alert` tells the user.
        MissingConfiguration,
        Received,
    };
    Outcome outcome = Outcome::Ignored;
    QVariantMap configuration;
    QStringList droppedFiles;
    ZKAlert alert;
};

Reception receive(const QString &relayPath);

// The alert for a droplet whose configuration file (an absolute path) is missing; the path is
// shown relative to the home folder of whoever made the droplet.
ZKAlert missingConfigurationAlert(const QString &configurationPath);

}  // namespace RelayReception
