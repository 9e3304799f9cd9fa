#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "platform/FileAttributes.h"
#include "records/ZKRenameNameRelevance.h"
#include "records/ZKStatusLight.h"
#include "tokens/ZKFileItem.h"

class ItemMover;
class ZKFileRepresentation;
// Records have identity: the same record may sit in several lists at once.
using ZKFileRepresentationPtr = std::shared_ptr<ZKFileRepresentation>;
// Records of a previous list by poolKey(), handed over to a rescan.
using ZKFileRepresentationPool = QHash<QString, ZKFileRepresentationPtr>;

// One item of the file list: where it is now and where it was when it entered the list, the
// interim names the steps produced, the cleaned new name with its warnings and error, and
// file attributes read on first use.
//
// Every record keeps the exact bytes of its path on disk (nativePath) for file operations;
// path() and name() are their decoded NFC form, used by steps, comparisons and display. A
// name on disk that is not valid UTF-8 is listed but never renamed.
class ZKFileRepresentation : public ZKFileItem {
    Q_DECLARE_TR_FUNCTIONS(ZKFileRepresentation)

public:
    // A record for the exact path: the pooled record for it (taken out of the pool), else a
    // new one. Null for an empty path. The pool may be null. The folder is the identity of
    // the folder the item is listed in, as the scan saw it, and the type the item's own type;
    // each is read now when not given. A scan that already decoded the path passes its NFC
    // text (which must be what path() would be), sparing every item a second decoding.
    static ZKFileRepresentationPtr fileRepresentationWithNativePath(
        const QByteArray &nativePath, ZKFileRepresentationPool *pool,
        const std::optional<FileAttributes::FileIdentity> &folder = std::nullopt,
        const std::optional<FileAttributes::ItemType> &type = std::nullopt,
        const QString &decodedPath = QString());
    // The same for a path given as text (encoded as UTF-8).
    static ZKFileRepresentationPtr fileRepresentationWithPath(const QString &path,
                                                              ZKFileRepresentationPool *pool);
    // The key of a record for this path in a pool: the path decoded, not normalised.
    static QString poolKey(const QByteArray &nativePath);

    explicit ZKFileRepresentation(
        const QByteArray &nativePath,
        const std::optional<FileAttributes::ItemType> &type = std::nullopt,
        const QString &decodedPath = QString());
    ZKFileRepresentation(const ZKFileRepresentation &) = delete;
    ZKFileRepresentation &operator=(const ZKFileRepresentation &) = delete;

    // Paths and names.
    // Moves the record to a path; the first (the constructor's) also fixes the original path.
    // Whether the item is a folder or package is fixed when the record is made. The text form is
    // for paths whose exact spelling is known (a path just renamed to); paths read from disk go
    // through setNativePath.
    void setPath(const QString &path);
    void setNativePath(const QByteArray &nativePath);
    QString path() const override { return path_; }
    QByteArray nativePath() const override { return nativePath_; }
    QString poolKey() const { return poolKey(nativePath_); }
    QString lowercasePath() const;
    // The path's components joined by " \u25B8 ", or the path itself when it has none.
    QString readablePath() const;
    QString name() const override { return name_; }
    // "Filename is not valid UTF-8" when the name on disk is no UTF-8, else "".
    QString nameError() const { return rarities_ ? rarities_->nameError : QString(); }
    QString originalPath() const { return original_ ? original_->path : path_; }
    QByteArray nativeOriginalPath() const {
        return original_ ? original_->nativePath : nativePath_;
    }
    QString originalName() const;
    // Where the item was at the end of the latest rename run; the original path while unset.
    void setPreRenamePath(const QString &path);
    QString preRenamePath() const;
    bool isFolder() const override { return isFolder_; }
    bool isPackage() const { return isPackage_; }
    // The folder the item was listed in. A run moves the item only while its folder is still
    // this one, so a folder replaced after the listing never leads a move elsewhere.
    FileAttributes::FileIdentity listedFolder() const { return listedFolder_; }
    void setListedFolder(const FileAttributes::FileIdentity &folder) { listedFolder_ = folder; }

    // Renaming on disk.
    // Moves the item to the path (as text; for the record's renamePath its exact target is
    // nativeRenamePath). An empty path is refused, the current path is success at once. With
    // makePathAvailable an occupied target is cleared first (asking the user); the comment is
    // kept. On success the record follows the item and forgets its cached type, creator and
    // kind. A set cancel asks the caller to stop the whole run.
    bool renameWithPath(const QString &path, bool makePathAvailable, bool *cancel,
                        ItemMover &mover);
    // The same with the exact target bytes, which a run has at hand for every item.
    bool renameToNativePath(const QByteArray &target, bool makePathAvailable, bool *cancel,
                            ItemMover &mover);
    // The item moved there: the record follows it and forgets its cached type, creator and
    // kind.
    void didMoveTo(const QByteArray &target);

    // Interim names of the current computation, one per step.
    // Appends the NFC form of the name.
    void setIntermediateName(const QString &name) override;
    // Drops the interim names and the warnings: a new computation starts clean.
    void clearIntermediateNames();
    // The last interim name, or name() when there is none.
    QString intermediateName() const override;
    // Drops the interim names, keeping the new name and the warnings: for lists that never
    // show them, where they would be most of what a record holds.
    void forgetIntermediateNames();
    bool hasIntermediateNames() const { return hasIntermediateNames_; }
    QStringList intermediateNames() const { return intermediateNames_; }

    // The new name.
    // Stores the cleaned NFC form of the name (line breaks removed, tabs and slashes
    // replaced, a warning for each kind of replacement); an empty name means no new name.
    // Always drops the relevance, so an error of an earlier computation never survives.
    void setRenameName(const QString &name);
    // "" when there is no new name.
    QString renameName() const { return renameName_; }
    bool hasRenameName() const { return !renameName_.isEmpty(); }
    // The folder of the path joined with the new name; "" without a new name.
    QString renamePath() const;
    // The new path as its folder part (up to its last slash) and the new name, without
    // building it; none without a new name, or for an unusual path (a doubled slash before
    // the name, a trailing slash) that renamePath() builds another way. Views into the
    // record: valid while it is unchanged.
    std::optional<std::pair<QStringView, QStringView>> renamePathParts() const;
    QString lowercaseRenamePath() const;
    // The exact path to move the item to: the folder's bytes on disk and the new name.
    QByteArray nativeRenamePath() const;
    // Adds a warning unless it is empty or already there.
    void addWarning(const QString &warning) override;
    QStringList warnings() const { return remarks_ ? remarks_->warnings : QStringList(); }
    // Makes the new name not relevant with this error; "" is ignored.
    void setRenameNameError(const QString &error);
    // Whether the new name will be applied; hands out the error ("" when none).
    bool hasRelevantRenameNameWithError(QString *error) const;
    // A file or package whose new name has no extension while its current name has one.
    bool renameNameRemovesNonFolderExtension() const;

    // Attributes, read on first use and kept (moving the record does not drop them).
    // The birth time, else FileAttributes::distantPast().
    QDateTime creationDate() const override;
    // The modification time, else the creation date.
    QDateTime modificationDate() const override;
    // Classic type and creator codes: Linux has none, so "".
    QString fileType() const;
    QString fileCreator() const;
    // The kind sort key (FileKind::sortKey).
    QString kind() const;
    // Bytes; for a folder the sum over everything inside it.
    qint64 size() const override;
    // The comment in "user.xdg.comment", "" when none.
    QString spotlightComment() const;
    // Replace a cached value without touching the file; none drops it so it is read again.
    void setFileTypeInstanceVariableOnly(const std::optional<QString> &fileType);
    void setFileCreatorInstanceVariableOnly(const std::optional<QString> &fileCreator);
    void setKindInstanceVariableOnly(const std::optional<QString> &kind);
    // 1, or 1000 when the media file's reported bit rate is in kilobits; computed once.
    // The item is null when the file has no metadata item.
    quint64 bitRateMultiplierForMetaDataItem(const ZKMediaTiming *item) const override;
    // 1000 when the bit rate measured from size and duration is at least 101 times the
    // reported one; 1 otherwise (also when size, duration or reported rate is 0, or the
    // duration exceeds the size in bits).
    static quint64 bitRateMultiplier(quint64 size, quint64 durationSeconds,
                                     quint64 reportedBitRate);

    // Display.
    // Values of 6 and above become 0.
    void setCellDisplayMode(quint64 mode);
    void cycleCellDisplayMode();
    // The record's own mode while the list does not allow selection, else the controller's.
    quint64 cellDisplayMode(bool listAllowsSelection, quint64 controllerMode) const;
    // The row's light for the new name; with an interim index whose interim name exists, the
    // light of that interim name: red when invalid, green when it differs from the name
    // before that step, grey when equal.
    ZKStatusLight statusLight(std::optional<qsizetype> interimIndex = std::nullopt) const;
    // The row's tooltip and the multi-line status summary.
    QString toolTip(std::optional<qsizetype> interimIndex = std::nullopt) const;
    QString description(std::optional<qsizetype> interimIndex = std::nullopt) const;

private:
    // Attributes read on first use; most lists never ask for them, so they cost a record
    // nothing until then.
    struct Attributes {
        std::optional<QDateTime> creationDate;
        std::optional<QDateTime> modificationDate;
        std::optional<QString> fileType;
        std::optional<QString> fileCreator;
        std::optional<QString> kind;
        std::optional<qint64> size;
        quint64 bitRateMultiplier = 0;
        std::optional<QString> comment;
    };
    Attributes &attributes() const;

    // Values few records ever hold or ask for, kept out of line: a long list pays one pointer
    // per record for them instead of their full size.
    struct Rarities {
        QString nameError;
        std::optional<QString> lowercasePath;
        std::optional<QString> readablePath;
        std::optional<QString> preRenamePath;
    };
    Rarities &rarities() const;

    // The path the record was made with, kept apart only once it moves: most records never
    // do, and a long list then pays one pointer per record instead of two paths.
    struct OriginalPath {
        QByteArray nativePath;
        QString path;
    };

    // The path as its exact bytes and as NFC text.
    void setPaths(const QByteArray &nativePath, const QString &path);

    // What few records carry, out of line for the same reason as the rarities: warnings, and
    // the error that keeps a new name from being applied.
    struct Remarks {
        QStringList warnings;
        QString renameNameError;
    };
    Remarks &remarks() const;
    void dropRemarksIfEmpty() const;

    // The relevance, decided when first needed and kept until the new name or path changes.
    ZKRenameNameRelevance relevance() const;
    void keepRelevance(const ZKRenameNameRelevance &relevance) const;
    void dropRenameNameCaches();
    // The interim name at the index, none when the index is out of range.
    std::optional<QString> shownIntermediateName(std::optional<qsizetype> interimIndex) const;
    ZKStatusLight intermediateNameStatusLight(qsizetype index) const;

    QByteArray nativePath_;
    QString path_;
    QString name_;
    std::unique_ptr<OriginalPath> original_;
    QStringList intermediateNames_;
    QString renameName_;
    bool isFolder_ = false;
    bool isPackage_ = false;
    quint8 cellDisplayMode_ = 0;
    bool hasIntermediateNames_ = false;
    // The kept relevance as flags (they fill the padding here); its error is in the remarks.
    mutable bool relevanceKnown_ = false;
    mutable bool relevant_ = false;
    mutable bool relevanceErrorIsFinal_ = false;
    FileAttributes::FileIdentity listedFolder_;
    mutable std::unique_ptr<Attributes> attributes_;
    mutable std::unique_ptr<Rarities> rarities_;
    mutable std::unique_ptr<Remarks> remarks_;
};
