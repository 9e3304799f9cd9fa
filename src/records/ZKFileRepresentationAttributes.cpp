#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"
#include "records/FileKind.h"
#include "records/ZKFileRepresentation.h"

namespace {

// Some media files report their bit rate in kilobits per second: a measured rate this many
// times the reported one gives them away.
constexpr quint64 kKilobitRatio = 101;

}  // namespace

ZKFileRepresentation::Attributes &ZKFileRepresentation::attributes() const {
    if (!attributes_) attributes_ = std::make_unique<Attributes>();
    return *attributes_;
}

QDateTime ZKFileRepresentation::creationDate() const {
    std::optional<QDateTime> &cached = attributes().creationDate;
    if (!cached) {
        const QDateTime birth = FileAttributes::creationDate(nativePath_);
        cached = birth.isValid() ? birth : FileAttributes::distantPast();
    }
    return *cached;
}

QDateTime ZKFileRepresentation::modificationDate() const {
    std::optional<QDateTime> &cached = attributes().modificationDate;
    if (!cached) {
        const QDateTime modified = FileAttributes::modificationDate(nativePath_);
        cached = modified.isValid() ? modified : creationDate();
    }
    return *cached;
}

// Linux items carry no classic codes; an attribute that held one would still be unquoted
// with FileKind::codeWithoutQuotes.
QString ZKFileRepresentation::fileType() const { return attributes().fileType.value_or(QString()); }

QString ZKFileRepresentation::fileCreator() const {
    return attributes().fileCreator.value_or(QString());
}

QString ZKFileRepresentation::kind() const {
    std::optional<QString> &cached = attributes().kind;
    if (!cached)
        cached = FileKind::sortKey(name_, isFolder_, isPackage_, fileType(), fileCreator());
    return *cached;
}

qint64 ZKFileRepresentation::size() const {
    std::optional<qint64> &cached = attributes().size;
    if (!cached) cached = FileAttributes::size(nativePath_);
    return *cached;
}

QString ZKFileRepresentation::spotlightComment() const {
    std::optional<QString> &cached = attributes().comment;
    if (!cached) cached = ExtendedAttributes::comment(nativePath_);
    return *cached;
}

// Clearing a value makes no room for it in a record that never held any: a run clears three
// of them in every record it moves.
void ZKFileRepresentation::setFileTypeInstanceVariableOnly(const std::optional<QString> &fileType) {
    if (fileType || attributes_) attributes().fileType = fileType;
}

void ZKFileRepresentation::setFileCreatorInstanceVariableOnly(
    const std::optional<QString> &fileCreator) {
    if (fileCreator || attributes_) attributes().fileCreator = fileCreator;
}

void ZKFileRepresentation::setKindInstanceVariableOnly(const std::optional<QString> &kind) {
    if (kind || attributes_) attributes().kind = kind;
}

quint64 ZKFileRepresentation::bitRateMultiplierForMetaDataItem(const ZKMediaTiming *item) const {
    quint64 &cached = attributes().bitRateMultiplier;
    if (cached == 0) {
        cached = item ? bitRateMultiplier(quint64(qMax<qint64>(size(), 0)), item->durationSeconds,
                                          item->totalBitRate)
                      : 1;
    }
    return cached;
}

quint64 ZKFileRepresentation::bitRateMultiplier(quint64 size, quint64 durationSeconds,
                                                quint64 reportedBitRate) {
    if (size == 0 || durationSeconds == 0 || reportedBitRate == 0) return 1;
    // Saturate rather than wrap for absurd sizes.
    const quint64 bits = size > (~quint64(0) >> 3) ? ~quint64(0) : size * 8;
    if (durationSeconds > bits) return 1;
    const quint64 measured = bits / durationSeconds;
    return measured / reportedBitRate >= kKilobitRatio ? 1000 : 1;
}
