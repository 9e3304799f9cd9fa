#include "droplets/ServiceDefinition.h"

#include <QDir>
#include <QFileInfo>

#include "common/ApplicationSupport.h"
#include "common/PathExtension.h"
#include "common/PropertyList.h"
#include "droplets/DropletKeys.h"

namespace ServiceDefinition {

namespace {

const QString kInfoPlist = QStringLiteral("Contents/Info.plist");
const QString kServices = QStringLiteral("NSServices");
const QString kUserData = QStringLiteral("NSUserData");

bool isBase64Character(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/' || c == '=';
}

}  // namespace

QString encodedConfiguration(const QVariantMap &configuration) {
    const QByteArray data = PropertyList::toData(configuration, PropertyList::Format::Binary);
    return QString::fromLatin1(data.toBase64());
}

QVariantMap infoDictionary(const QString &title, const QString &userData) {
    const QVariantMap entry{
        {QStringLiteral("NSMenuItem"), QVariantMap{{QStringLiteral("default"), title}}},
        {QStringLiteral("NSMessage"), QStringLiteral("provideService")},
        {QStringLiteral("NSPortName"), QStringLiteral("Torvane Service Provider")},
        {QStringLiteral("NSRequiredContext"),
         QVariantMap{{QStringLiteral("NSServiceCategory"), QStringLiteral("public.item")},
                     {QStringLiteral("NSTextContent"), QStringLiteral("FilePath")}}},
        // File names travel as a URI list on this system.
        {QStringLiteral("NSSendTypes"), QVariantList{QStringLiteral("text/uri-list")}},
        {kUserData, userData},
    };
    return QVariantMap{{kServices, QVariantList{entry}}};
}

QString servicesFolder() {
    const QString folder = ApplicationSupport::folder() + QLatin1Char('/') +
                           QLatin1String(DropletKeys::kServicesFolder);
    QDir().mkpath(folder);
    return folder;
}

QString titleOf(const QString &folder) {
    return PathExtension::deletingPathExtension(
        PathExtension::lastPathComponent(QDir::cleanPath(folder)));
}

bool write(const QString &folder, const QString &userData, QString *error) {
    if (!QDir().mkpath(folder + QStringLiteral("/Contents"))) {
        if (error) *error = QStringLiteral("cannot create %1/Contents").arg(folder);
        return false;
    }
    return PropertyList::writeFile(folder + QLatin1Char('/') + kInfoPlist,
                                   infoDictionary(titleOf(folder), userData),
                                   PropertyList::Format::Xml, error);
}

std::optional<QString> userData(const QString &folder) {
    const QVariant info = PropertyList::readFile(folder + QLatin1Char('/') + kInfoPlist);
    const QVariantList services = info.toMap().value(kServices).toList();
    if (services.isEmpty()) return std::nullopt;
    const QVariant value = services.first().toMap().value(kUserData);
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString();
}

Decoding decode(const std::optional<QString> &userData) {
    if (!userData)
        return {std::nullopt,
                QStringLiteral("[Torvane Service] missing encoded service configuration")};
    QByteArray alphabet;
    for (const QChar c : *userData) {
        if (c.unicode() < 128 && isBase64Character(char(c.unicode())))
            alphabet.append(char(c.unicode()));
    }
    const auto bytes =
        QByteArray::fromBase64Encoding(alphabet, QByteArray::AbortOnBase64DecodingErrors);
    if (!bytes || bytes.decoded.isEmpty())
        return {std::nullopt, QStringLiteral("[Torvane Service] cannot decode configuration")};
    const QVariant value = PropertyList::fromData(*bytes);
    // A list or a single value is no configuration either.
    if (value.typeId() != QMetaType::QVariantMap)
        return {std::nullopt, QStringLiteral("[Torvane Service] cannot deserialize configuration")};
    return {value.toMap(), QString()};
}

}  // namespace ServiceDefinition
