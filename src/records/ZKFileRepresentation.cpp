#include "records/ZKFileRepresentation.h"

#include <QFile>
#include <algorithm>

#include "common/NativePath.h"
#include "common/PathExtension.h"
#include "common/TextCase.h"
#include "common/Unicode.h"
#include "platform/FileAttributes.h"
#include "platform/ListedFolder.h"
#include "records/NameCleaning.h"
#include "records/NameValidation.h"

namespace {

const QString kReadablePathSeparator = QStringLiteral(" \u25B8 ");
constexpr quint64 kCellDisplayModeCount = 6;

using NativePath::withoutTrailingSlashes;

// The name as the tail of the path's own buffer: a long list pays no allocation per name.
// A path ending in a slash, without a folder or on borrowed memory takes the general way.
QString nameSharingPath(const QString &path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    QString::DataPointer shared = path.data_ptr();
    if (slash < 0 || slash == path.size() - 1 || !shared.d_ptr())
        return PathExtension::lastPathComponent(path);
    shared.ptr += slash + 1;
    shared.size -= slash + 1;
    return QString(std::move(shared));
}

}  // namespace

ZKFileRepresentationPtr ZKFileRepresentation::fileRepresentationWithNativePath(
    const QByteArray &nativePath, ZKFileRepresentationPool *pool,
    const std::optional<FileAttributes::FileIdentity> &folder,
    const std::optional<FileAttributes::ItemType> &type, const QString &decodedPath) {
    if (nativePath.isEmpty()) return nullptr;
    const QByteArray exactPath = withoutTrailingSlashes(nativePath);
    ZKFileRepresentationPtr record;
    if (pool && !pool->isEmpty()) {
        const auto pooled = pool->constFind(poolKey(exactPath));
        // Names that are not UTF-8 can share a decoded key: only the same bytes match.
        if (pooled != pool->constEnd() && (*pooled)->nativePath() == exactPath) {
            record = *pooled;
            pool->erase(pooled);
        }
    }
    if (!record) record = std::make_shared<ZKFileRepresentation>(exactPath, type, decodedPath);
    record->setListedFolder(
        folder ? *folder : ListedFolder::identityOfFolder(NativePath::folderOf(exactPath)));
    return record;
}

ZKFileRepresentationPtr ZKFileRepresentation::fileRepresentationWithPath(
    const QString &path, ZKFileRepresentationPool *pool) {
    return fileRepresentationWithNativePath(QFile::encodeName(path), pool);
}

QString ZKFileRepresentation::poolKey(const QByteArray &nativePath) {
    return QFile::decodeName(withoutTrailingSlashes(nativePath));
}

ZKFileRepresentation::ZKFileRepresentation(const QByteArray &nativePath,
                                           const std::optional<FileAttributes::ItemType> &type,
                                           const QString &decodedPath) {
    if (decodedPath.isEmpty())
        setNativePath(nativePath);
    else
        setPaths(withoutTrailingSlashes(nativePath), decodedPath);
    const FileAttributes::ItemType itemType =
        type ? *type
             : FileAttributes::ItemType{FileAttributes::isFolder(nativePath_),
                                        FileAttributes::isPackage(nativePath_)};
    isFolder_ = itemType.isFolder;
    isPackage_ = itemType.isPackage;
}

void ZKFileRepresentation::setPath(const QString &path) { setNativePath(QFile::encodeName(path)); }

void ZKFileRepresentation::setNativePath(const QByteArray &nativePath) {
    const QByteArray exactPath = withoutTrailingSlashes(nativePath);
    setPaths(exactPath, NativePath::isAscii(exactPath)
                            ? QString::fromLatin1(exactPath)
                            : Unicode::nfc(QFile::decodeName(exactPath)));
}

void ZKFileRepresentation::setPaths(const QByteArray &nativePath, const QString &path) {
    const bool moves = !nativePath_.isEmpty() && (nativePath != nativePath_ || path != path_);
    if (moves && !original_)
        original_ = std::make_unique<OriginalPath>(OriginalPath{nativePath_, path_});
    nativePath_ = nativePath;
    path_ = path;
    name_ = nameSharingPath(path_);
    const QString nameError =
        NameValidation::errorForNativeName(NativePath::lastComponentViewOf(nativePath_));
    if (rarities_) {
        rarities_->nameError = nameError;
        rarities_->lowercasePath.reset();
        rarities_->readablePath.reset();
    } else if (!nameError.isEmpty()) {
        rarities().nameError = nameError;
    }
    dropRenameNameCaches();
}

QString ZKFileRepresentation::lowercasePath() const {
    std::optional<QString> &lowercasePath = rarities().lowercasePath;
    if (!lowercasePath) lowercasePath = TextCase::lower(path_);
    return *lowercasePath;
}

QString ZKFileRepresentation::readablePath() const {
    std::optional<QString> &readablePath = rarities().readablePath;
    if (!readablePath) {
        const QStringList components = path_.split(u'/', Qt::SkipEmptyParts);
        readablePath = components.isEmpty() ? path_ : components.join(kReadablePathSeparator);
    }
    return *readablePath;
}

QString ZKFileRepresentation::originalName() const { return nameSharingPath(originalPath()); }

void ZKFileRepresentation::setPreRenamePath(const QString &path) {
    rarities().preRenamePath = path;
}

QString ZKFileRepresentation::preRenamePath() const {
    return rarities_ ? rarities_->preRenamePath.value_or(originalPath()) : originalPath();
}

void ZKFileRepresentation::setIntermediateName(const QString &name) {
    hasIntermediateNames_ = true;
    intermediateNames_.append(Unicode::nfc(name));
}

void ZKFileRepresentation::clearIntermediateNames() {
    forgetIntermediateNames();
    if (!remarks_) return;
    remarks_->warnings.clear();
    dropRemarksIfEmpty();
}

void ZKFileRepresentation::forgetIntermediateNames() {
    intermediateNames_ = QStringList();  // clear() would keep the allocation
    hasIntermediateNames_ = false;
}

QString ZKFileRepresentation::intermediateName() const {
    if (intermediateNames_.isEmpty()) return name_;
    return intermediateNames_.constLast();
}

void ZKFileRepresentation::setRenameName(const QString &name) {
    renameName_.clear();
    dropRenameNameCaches();
    if (name.isEmpty()) return;

    const NameCleaning::Result cleaned = NameCleaning::clean(name);
    for (const QString &warning : cleaned.warnings) addWarning(warning);
    // Names are compared in NFC; a new name in another form would look changed when it is not.
    renameName_ = Unicode::nfc(cleaned.name);
}

// Made on demand, not kept: a list needs them once per computation, and keeping them would
// double what a record holds.
QString ZKFileRepresentation::renamePath() const {
    if (!hasRenameName()) return QString();
    if (const auto parts = renamePathParts()) {
        QString path;
        path.reserve(parts->first.size() + parts->second.size());
        return path.append(parts->first).append(parts->second);
    }
    return PathExtension::appendingPathComponent(PathExtension::deletingLastPathComponent(path_),
                                                 renameName_);
}

std::optional<std::pair<QStringView, QStringView>> ZKFileRepresentation::renamePathParts() const {
    if (!hasRenameName()) return std::nullopt;
    // The usual path, one slash before the name, keeps everything up to that slash.
    const qsizetype slash = path_.lastIndexOf(u'/');
    if (slash < path_.size() - 1 && (slash <= 0 || path_.at(slash - 1) != u'/'))
        return std::pair{QStringView(path_).first(slash + 1), QStringView(renameName_)};
    return std::nullopt;
}

QString ZKFileRepresentation::lowercaseRenamePath() const { return TextCase::lower(renamePath()); }

QByteArray ZKFileRepresentation::nativeRenamePath() const {
    if (!hasRenameName()) return QByteArray();
    // The folder's bytes as they are, up to and with the last slash.
    const QByteArrayView folder =
        QByteArrayView(nativePath_).first(NativePath::lastSlash(nativePath_) + 1);
    const bool ascii = std::all_of(renameName_.cbegin(), renameName_.cend(),
                                   [](QChar unit) { return unit.unicode() < 0x80; });
    if (!ascii) return folder.toByteArray() + QFile::encodeName(renameName_);
    // An ASCII name is its own encoding: the path is made in one piece.
    QByteArray path(folder.size() + renameName_.size(), Qt::Uninitialized);
    char *name = std::copy(folder.cbegin(), folder.cend(), path.data());
    std::transform(renameName_.cbegin(), renameName_.cend(), name,
                   [](QChar unit) { return char(unit.unicode()); });
    return path;
}

void ZKFileRepresentation::addWarning(const QString &warning) {
    if (warning.isEmpty()) return;
    QStringList &warnings = remarks().warnings;
    if (!warnings.contains(warning)) warnings.append(warning);
}

void ZKFileRepresentation::setRenameNameError(const QString &error) {
    if (error.isEmpty()) return;
    ZKRenameNameRelevance current = relevance();
    current.setError(error);
    keepRelevance(current);
}

bool ZKFileRepresentation::hasRelevantRenameNameWithError(QString *error) const {
    // Asked of every record several times before a run: no copy of the error unless wanted.
    if (!relevanceKnown_) keepRelevance(ZKRenameNameRelevance(*this));
    if (error) *error = remarks_ ? remarks_->renameNameError : QString();
    return relevant_;
}

bool ZKFileRepresentation::renameNameRemovesNonFolderExtension() const {
    if (!hasRenameName() || (isFolder_ && !isPackage_)) return false;
    return !PathExtension::hasPathExtension(renameName_) && PathExtension::hasPathExtension(name_);
}

void ZKFileRepresentation::setCellDisplayMode(quint64 mode) {
    cellDisplayMode_ = quint8(mode >= kCellDisplayModeCount ? 0 : mode);
}

void ZKFileRepresentation::cycleCellDisplayMode() { setCellDisplayMode(cellDisplayMode_ + 1); }

quint64 ZKFileRepresentation::cellDisplayMode(bool listAllowsSelection,
                                              quint64 controllerMode) const {
    return listAllowsSelection ? controllerMode : cellDisplayMode_;
}

ZKFileRepresentation::Rarities &ZKFileRepresentation::rarities() const {
    if (!rarities_) rarities_ = std::make_unique<Rarities>();
    return *rarities_;
}

ZKFileRepresentation::Remarks &ZKFileRepresentation::remarks() const {
    if (!remarks_) remarks_ = std::make_unique<Remarks>();
    return *remarks_;
}

void ZKFileRepresentation::dropRemarksIfEmpty() const {
    if (remarks_ && remarks_->warnings.isEmpty() && remarks_->renameNameError.isEmpty())
        remarks_.reset();
}

ZKRenameNameRelevance ZKFileRepresentation::relevance() const {
    if (!relevanceKnown_) keepRelevance(ZKRenameNameRelevance(*this));
    return ZKRenameNameRelevance(relevant_, relevanceErrorIsFinal_,
                                 remarks_ ? remarks_->renameNameError : QString());
}

void ZKFileRepresentation::keepRelevance(const ZKRenameNameRelevance &relevance) const {
    relevanceKnown_ = true;
    relevant_ = relevance.relevant();
    relevanceErrorIsFinal_ = relevance.errorIsFinal();
    if (!relevance.error().isEmpty()) {
        remarks().renameNameError = relevance.error();
    } else if (remarks_) {
        remarks_->renameNameError.clear();
        dropRemarksIfEmpty();
    }
}

void ZKFileRepresentation::dropRenameNameCaches() {
    relevanceKnown_ = relevant_ = relevanceErrorIsFinal_ = false;
    if (!remarks_) return;
    remarks_->renameNameError.clear();
    dropRemarksIfEmpty();
}
