#include <QFile>

#include "common/Log.h"
#include "common/PropertyList.h"
#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"
#include "run/ItemMover.h"

bool ItemMover::setSpotlightComment(const QByteArray &path, const QString &comment) {
    QString error;
    if (FileAttributes::exists(path) && ExtendedAttributes::setComment(path, comment, &error)) {
        Log::debug(QStringLiteral("preserved spotlight comment \"%1\" for <%2> as meta data")
                       .arg(comment, QFile::decodeName(path)));
        return true;
    }
    Log::line(QStringLiteral("cannot preserve spotlight comment \"%1\" for <%2>")
                  .arg(comment, QFile::decodeName(path)));
    if (!error.isEmpty()) Log::line(error);
    return false;
}

QString ItemMover::spotlightComment(const QByteArray &path) {
    return ExtendedAttributes::comment(path);
}

bool ItemMover::setData(const QByteArray &path, const QByteArray &data, const char *attribute) {
    return FileAttributes::exists(path) &&
           ExtendedAttributes::write(path, attribute, data, nullptr);
}

std::optional<QByteArray> ItemMover::dataForExtendedFileAttribute(const QByteArray &path,
                                                                  const char *attribute) {
    QByteArray data;
    if (!FileAttributes::exists(path) || !ExtendedAttributes::read(path, attribute, &data))
        return std::nullopt;
    return data;
}

bool ItemMover::setValue(const QByteArray &path, const QVariant &value, const char *attribute) {
    const QByteArray data = PropertyList::toData(value, PropertyList::Format::Binary);
    return !data.isEmpty() && setData(path, data, attribute);
}

QVariant ItemMover::valueForExtendedFileAttribute(const QByteArray &path, const char *attribute) {
    const std::optional<QByteArray> data = dataForExtendedFileAttribute(path, attribute);
    return data ? PropertyList::fromData(*data) : QVariant();
}

bool ItemMover::setApplicationInstanceIdentifier(const QByteArray &path,
                                                 const QString &identifier) {
    return setValue(path, identifier, applicationInstanceAttribute);
}

QString ItemMover::applicationInstanceIdentifier(const QByteArray &path) {
    const QVariant value = valueForExtendedFileAttribute(path, applicationInstanceAttribute);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}
