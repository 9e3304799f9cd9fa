#include "droplets/DropletLauncher.h"

#include <QFile>

#include "common/Log.h"
#include "common/PropertyList.h"
#include "droplets/DesktopEntry.h"
#include "droplets/DropletKeys.h"
#include "platform/ExtendedAttributes.h"

namespace DropletLauncher {

namespace {

// A frozen configuration is a few kilobytes; a launcher far beyond that is not read at all.
constexpr qint64 kLargestLauncher = 16 * 1024 * 1024;

std::optional<DesktopEntry::Group> dropletGroup(const QString &launcherPath, QString *problem) {
    QFile file(launcherPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return std::nullopt;
    }
    // The size of what was opened, and a read of no more: reading the limit itself would
    // allocate all of it for a launcher of a few kilobytes.
    const qint64 size = file.size();
    if (size > kLargestLauncher) {
        *problem = QStringLiteral("the launcher is too large");
        return std::nullopt;
    }
    const auto groups = DesktopEntry::parse(file.read(size));
    const auto group = groups.constFind(QLatin1String(DropletKeys::kDropletGroup));
    if (group == groups.cend()) {
        *problem = QStringLiteral("the launcher has no droplet group");
        return std::nullopt;
    }
    return *group;
}

}  // namespace

std::optional<QVariantMap> embeddedConfiguration(const QString &launcherPath, QString *problem) {
    QString reason;
    const auto group = dropletGroup(launcherPath, &reason);
    if (group && !group->contains(QLatin1String(DropletKeys::kLprojPayload)))
        reason = QStringLiteral("no payload");
    if (!reason.isEmpty()) {
        if (problem) *problem = reason;
        return std::nullopt;
    }
    const auto decoded = QByteArray::fromBase64Encoding(
        group->value(QLatin1String(DropletKeys::kLprojPayload)).toLatin1(),
        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        if (problem) *problem = QStringLiteral("the payload is not base64");
        return std::nullopt;
    }
    const QVariant value = PropertyList::fromData(*decoded, problem);
    if (!value.isValid()) return std::nullopt;
    if (value.typeId() != QMetaType::QVariantMap) {
        if (problem) *problem = QStringLiteral("the payload is no dictionary");
        return std::nullopt;
    }
    if (value.toMap().contains(QLatin1String(DropletKeys::kDropletConfigurationPlaceholder))) {
        if (problem) *problem = QStringLiteral("the payload is the template's placeholder");
        return std::nullopt;
    }
    return value.toMap();
}

bool isPlainIdentifier(const QString &identifier) {
    constexpr qsizetype kLongestIdentifier = 128;
    if (identifier.isEmpty() || identifier.size() > kLongestIdentifier) return false;
    if (identifier.startsWith(u'.')) return false;
    for (const QChar character : identifier)
        if (character == u'/' || character.category() == QChar::Other_Control) return false;
    return true;
}

QString instanceIdentifier(const QString &launcherPath) {
    QString identifier;
    QByteArray bytes;
    if (ExtendedAttributes::read(launcherPath, DropletKeys::kInstanceAttribute, &bytes)) {
        const QVariant value = PropertyList::fromData(bytes);
        if (value.typeId() == QMetaType::QString) identifier = value.toString();
    }
    if (identifier.isEmpty()) {
        QString problem;
        if (const auto group = dropletGroup(launcherPath, &problem))
            identifier =
                group->value(QLatin1String(DropletKeys::kDropletInstanceIdentifier)).trimmed();
    }
    if (identifier.isEmpty() || isPlainIdentifier(identifier)) return identifier;
    // It names files in Torvane's folders; "../" in a launcher someone sent must not reach out.
    Log::line(QStringLiteral("[Droplet] ignoring the instance identifier of %1: not a plain name")
                  .arg(launcherPath));
    return QString();
}

std::optional<QVariantMap> relayConfiguration(const QString &launcherPath) {
    QString problem;
    if (auto configuration = embeddedConfiguration(launcherPath, &problem)) return configuration;
    Log::debug(
        QStringLiteral("[Droplet] no embedded configuration in %1: %2").arg(launcherPath, problem));
    const QString identifier = instanceIdentifier(launcherPath);
    if (identifier.isEmpty()) return std::nullopt;
    return QVariantMap{{QLatin1String(DropletKeys::kDropletInstanceIdentifier), identifier}};
}

QByteArray identifierAttributeValue(const QString &identifier) {
    return PropertyList::toData(identifier, PropertyList::Format::Binary);
}

}  // namespace DropletLauncher
