#include "records/FileKind.h"
#include "records/ZKFileRepresentation.h"
#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"

namespace {

// Some media files report their bit rate in kilobits per second: a measured rate this many
// times the reported one gives them away.
constexpr quint64 kKilobitRatio = 101;

}  // namespace

QDateTime ZKFileRepresentation::creationDate() const {
    if (!creationDate_) {
        const QDateTime birth = FileAttributes::creationDate(nativePath_);
        creationDate_ = birth.isValid() ? birth : FileAttributes::distantPast();
    }
    return *creationDate_;
}

QDateTime ZKFileRepresentation::modificationDate() const {
    if (!modificationDate_) {
        const QDateTime modified = FileAttributes::modificationDate(nativePath_);
        modificationDate_ = modified.isValid() ? modified : creationDate();
    }
    return *modificationDate_;
}

// Linux items carry no classic codes; an attribute that held one would still be unquoted
// with FileKind::codeWithoutQuotes.
QString ZKFileRepresentation::fileType() const {
    if (!fileType_) fileType_ = QString();
    return *fileType_;
}

QString ZKFileRepresentation::fileCreator() const {
    if (!fileCreator_) fileCreator_ = QString();
    return *fileCreator_;
}

QString ZKFileRepresentation::kind() const {
    if (!kind_) kind_ = FileKind::sortKey(name_, isFolder_, isPackage_, fileType(), fileCreator());
    return *kind_;
}

qint64 ZKFileRepresentation::size() const {
    if (!size_) size_ = FileAttributes::size(nativePath_);
    return *size_;
}

QString ZKFileRepresentation::spotlightComment() const {
    if (!comment_) comment_ = ExtendedAttributes::comment(nativePath_);
    return *comment_;
}

void ZKFileRepresentation::setFileTypeInstanceVariableOnly(const std::optional<QString> &fileType) {
    fileType_ = fileType;
}

void ZKFileRepresentation::setFileCreatorInstanceVariableOnly(
    const std::optional<QString> &fileCreator) {
    fileCreator_ = fileCreator;
}

void ZKFileRepresentation::setKindInstanceVariableOnly(const std::optional<QString> &kind) {
    kind_ = kind;
}

quint64 ZKFileRepresentation::bitRateMultiplierForMetaDataItem(const ZKMediaTiming *item) const {
    if (bitRateMultiplier_ == 0) {
        bitRateMultiplier_ = item ? bitRateMultiplier(quint64(qMax<qint64>(size(), 0)),
                                                      item->durationSeconds, item->totalBitRate)
                                  : 1;
    }
    return bitRateMultiplier_;
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
