// The service provider: a file manager's action runs it with "--service", the service
// definition folder, "--" and the selected paths; Torvane runs it with the folder alone.
// It decodes the service's configuration and hands it, with the paths, to Torvane through the
// relay file.

#include <QFileInfo>
#include <optional>

#include "common/Log.h"
#include "droplet-program/HelperShell.h"
#include "droplets/DropletKeys.h"
#include "droplets/HelperPrograms.h"
#include "droplets/RelayFile.h"
#include "droplets/ServiceDefinition.h"

namespace {

bool forward(const QString &relayPath) {
    using namespace HelperPrograms;
    const QString program = QLatin1String(DropletKeys::kApplicationProgram);
    const QString parent = besideThisProgram(program);
    if (!parent.isEmpty() && startDetached(parent, {relayPath}, nullptr)) {
        Log::line(QStringLiteral("[Torvane Service] forwarding service request to parent: %1")
                      .arg(parent));
        return true;
    }
    const QString named = onPath(program);
    if (!named.isEmpty() && startDetached(named, {relayPath}, nullptr)) {
        Log::line(QStringLiteral("[Torvane Service] forwarding service request to application "
                                 "name: %1")
                      .arg(program));
        return true;
    }
    return false;
}

// Paths: the selection (the pasteboard of a service request), none when opened directly.
bool relay(const std::optional<QStringList> &paths, const std::optional<QString> &userData) {
    const ServiceDefinition::Decoding decoding = ServiceDefinition::decode(userData);
    if (!decoding.configuration) {
        HelperShell::fail(decoding.failure);
        return false;
    }
    QVariantMap configuration = *decoding.configuration;
    if (paths && !paths->isEmpty())
        configuration.insert(QLatin1String(DropletKeys::kDroppedFiles), *paths);
    QString error;
    const QString relayPath = RelayFile::write(configuration, &error);
    if (relayPath.isEmpty()) {
        Log::line(QStringLiteral("[Torvane Service] ") + error);
        HelperShell::fail(
            QStringLiteral("[Torvane Service] cannot store configuration temporarily"));
        return false;
    }
    if (forward(relayPath)) return true;
    HelperShell::fail(QStringLiteral("[Torvane Service] cannot locate Torvane"));
    return false;
}

int provideService(int argc, char **argv) {
    // --service FOLDER -- PATHS...
    const QString folder = QString::fromUtf8(argv[2]);
    int first = 3;
    if (first < argc && QByteArray(argv[first]) == "--") ++first;
    int skipped = 0;
    const QStringList paths = HelperShell::pathArguments(argc, argv, first, &skipped);
    if (skipped > 0 && paths.isEmpty())
        return HelperShell::fail(QStringLiteral("[Torvane Service] irrelevant files: %1")
                                     .arg(HelperShell::described(paths)));
    return relay(paths, ServiceDefinition::userData(folder)) ? 0 : 1;
}

int openFiles(int argc, char **argv) {
    int skipped = 0;
    const QStringList paths = HelperShell::pathArguments(argc, argv, 1, &skipped);
    const QString first = paths.value(0);
    if (first.endsWith(QStringLiteral(".torvaneservice"), Qt::CaseInsensitive) &&
        QFileInfo(first).isDir()) {
        if (!relay(std::nullopt, ServiceDefinition::userData(first))) return 1;
        Log::line(QStringLiteral("[Torvane Service] pong"));
        return 0;
    }
    Log::line(QStringLiteral("[Torvane Service] irrelevant files: %1")
                  .arg(HelperShell::described(paths)));
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    const auto application = HelperShell::makeApplication(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == DropletKeys::kServiceOption)
        return provideService(argc, argv);
    return openFiles(argc, argv);
}
