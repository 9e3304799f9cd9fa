#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <optional>

class ZKUserInteraction;

// Moves single items on disk for the rename run, and the path helpers that go with it.
//
// Paths to move are the exact native bytes (a name on Linux need not be valid UTF-8); text
// forms serve comparisons and messages only. Every move is atomic and never replaces an
// existing item: an occupied target is either cleared first (the occupant goes to the Trash
// once the user agreed) or the move fails.
//
// Operations that can be cancelled take an out cancel flag (nullable). A set flag tells the
// caller to stop the whole run; false with the flag unset means only this item was skipped.
class ItemMover {
public:
    // The extended attribute holding a droplet's instance identifier.
    static constexpr char applicationInstanceAttribute[] = "user.torvane.application-instance";

    // The user answers the questions and sees the alerts; it must outlive the mover.
    explicit ItemMover(ZKUserInteraction *user);

    // Whether the source may now be moved to the target. True when nothing is at the target,
    // or when the target is the source itself under a name that differs only in letter case
    // (a case-insensitive volume). Any other occupant is foreign: unless "Skip All" or
    // "Replace All" was answered before, the user is asked to replace it (with "Cancel" only
    // when cancel is given). A replaced occupant goes to the Trash; one that cannot is kept
    // and the answer is false without cancel.
    bool makePathAvailableForMovingSourcePath(const QByteArray &target, const QByteArray &source,
                                              bool *cancel);

    // Moves the source to the target. A change of letter case only goes through a temporary
    // name in the target's folder. With checkLock, a locked source is unlocked (once the user
    // agreed), moved and locked again. A non-empty comment is written to the moved item when
    // it arrived without one. Failures are shown to the user and set cancel.
    bool moveToPath(const QByteArray &source, const QByteArray &target, const QString &comment,
                    bool checkLock, bool *cancel);
    // The same with checkLock.
    bool moveToPath(const QByteArray &source, const QByteArray &target, const QString &comment,
                    bool *cancel);

    // Both paths in NFC, and lower-cased first when ignoring case.
    static bool isEqualToPath(const QString &path, const QString &other, bool ignoreCase);

    // A free path for a file to be saved: the path itself when nothing is there, else
    // "name N.ext" for N = 1 … 999999. A candidate equal to currentPath (ignoring case; the
    // file being saved again) is answered with *isMatch true. Null when every name is taken.
    static QString availablePathWithCurrentPath(const QString &path, const QString &currentPath,
                                                bool *isMatch);
    static QString availablePath(const QString &path);

    // The next temporary path for a target: "com.quorlix.tvt N" in the target's folder, plus
    // "." and the target's extension when it has one. N is process-wide and starts at 1.
    static QByteArray nextTemporaryPath(const QByteArray &target);

    // The comment file managers show ("user.xdg.comment"), plain UTF-8 text. Setting logs
    // its outcome; an empty comment removes it.
    static bool setSpotlightComment(const QByteArray &path, const QString &comment);
    static QString spotlightComment(const QByteArray &path);

    // Extended attributes of an existing item itself (symbolic links are not followed).
    // Reading answers none for a missing or empty attribute.
    static bool setData(const QByteArray &path, const QByteArray &data, const char *attribute);
    static std::optional<QByteArray> dataForExtendedFileAttribute(const QByteArray &path,
                                                                  const char *attribute);
    // A value stored as a binary property list; an invalid QVariant when none can be read.
    static bool setValue(const QByteArray &path, const QVariant &value, const char *attribute);
    static QVariant valueForExtendedFileAttribute(const QByteArray &path, const char *attribute);
    // A droplet's instance identifier, a property-list string in applicationInstanceAttribute.
    static bool setApplicationInstanceIdentifier(const QByteArray &path, const QString &identifier);
    static QString applicationInstanceIdentifier(const QByteArray &path);

private:
    // Asks whether to replace the occupant of the target; true for "Replace" and "Replace All".
    bool userAgreesToReplace(const QByteArray &target, bool *cancel);
    bool moveLockedItem(const QByteArray &source, const QByteArray &target, const QString &comment,
                        bool *cancel);
    bool userAgreesToUnlock(const QByteArray &source, bool *cancel);
    // The alerts end the run: each sets cancel and answers false.
    bool showErrorAlert(const QByteArray &source, const QString &error, bool *cancel);
    bool showVanishedAlert(const QByteArray &source, bool *cancel);

    ZKUserInteraction *user_;
};
