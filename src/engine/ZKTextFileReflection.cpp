#include "engine/ZKTextFileReflection.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScopedValueRollback>
#include <QTimer>

#include "common/ApplicationActivation.h"
#include "common/Log.h"
#include "common/PathExtension.h"
#include "common/TextFileReading.h"
#include "common/TildePath.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"

namespace {

// Outside a sandbox the permission test is the access check.
// In a sandbox the file's folder must also have been granted; the grant is given back by
// the caller once the file is read.
bool hasReadAccess(const QString &path, QString *accessedBookmark) {
    const QFileInfo info(path);
    return info.exists() && info.isReadable() &&
           ZKSecurityScopedBookmarkManager::bookmarkManager().confirmReadAccessForPath(
               path, nullptr, accessedBookmark);
}

}  // namespace

ZKTextFileReflection::ZKTextFileReflection(QObject *parent) : QObject(parent) {}

ZKTextFileReflection::~ZKTextFileReflection() = default;

bool ZKTextFileReflection::userDidEditText(const QString &text) {
    if (text == text_) return false;
    text_ = text;
    if (!isUpdating_ && isReflecting()) dropReflection();
    return true;
}

void ZKTextFileReflection::updateWithText(const std::optional<QString> &text) {
    QScopedValueRollback updating(isUpdating_, true);
    text_ = text.value_or(QString());
}

void ZKTextFileReflection::setReflectedTextFilePath(const QString &path) {
    const QString abbreviated =
        path.isEmpty() ? QString() : TildePath::abbreviatingWithTildeInPath(path);
    if (abbreviated == reflectedPath_) return;
    reflectedPath_ = abbreviated;
    lastReadWasNotText_ = false;
    updateObservation();
    emit reflectionChanged();
}

QString ZKTextFileReflection::expandedPath() const {
    return TildePath::expandingTildeInPath(reflectedPath_);
}

void ZKTextFileReflection::dropReflection() { setReflectedTextFilePath(QString()); }

std::optional<QString> ZKTextFileReflection::readReflectedFile() {
    const QString path = expandedPath();
    QString accessedBookmark;
    if (!hasReadAccess(path, &accessedBookmark)) {
        Log::line(kCannotReadMessage.arg(path));
        dropReflection();
        return std::nullopt;
    }
    std::optional<QString> text = TextFileReading::readTextFile(path);
    if (!accessedBookmark.isEmpty())
        ZKSecurityScopedBookmarkManager::bookmarkManager().stopAccessingBookmarkForPath(
            accessedBookmark);
    // Logged once: the file is read on every computation, and may be in mid-write.
    if (!text && !lastReadWasNotText_) Log::line(kNotTextMessage.arg(path));
    lastReadWasNotText_ = !text;
    return text;
}

QString ZKTextFileReflection::updatedText() {
    if (!isReflecting()) return text_;
    const std::optional<QString> fileText = readReflectedFile();
    if (fileText && *fileText != text_) {
        updateWithText(fileText);
        deliverTextDidChangeLater();
    }
    return text_;
}

void ZKTextFileReflection::deliverTextDidChangeLater() {
    if (isTextDidChangePending_) return;
    isTextDidChangePending_ = true;
    QTimer::singleShot(0, this, [this] {
        isTextDidChangePending_ = false;
        emit textDidChange();
    });
}

bool ZKTextFileReflection::importTextFile(const QString &path, bool reflect, QString *error) {
    const std::optional<QString> text = TextFileReading::readTextFile(path);
    if (!text) {
        // The field keeps its terms rather than being emptied by a file that holds none.
        Log::line(kNotTextMessage.arg(path));
        if (error) *error = kNotTextMessage.arg(path);
        return false;
    }
    // A sandboxed Torvane keeps its grant to read the file again at later launches.
    ZKSecurityScopedBookmarkManager &bookmarks = ZKSecurityScopedBookmarkManager::bookmarkManager();
    if (reflect && bookmarks.isSandboxed()) bookmarks.createBookmarkForURL(path);
    setReflectedTextFilePath(reflect ? path : QString());
    updateWithText(text);
    emit textDidChange();
    return true;
}

void ZKTextFileReflection::registerForApplicationDidBecomeActiveNotification(bool observe) {
    if (observe == isObserving_) return;
    isObserving_ = observe;
    ApplicationActivation &activation = ApplicationActivation::shared();
    if (observe) {
        connect(&activation, &ApplicationActivation::applicationDidBecomeActive, this,
                &ZKTextFileReflection::applicationDidBecomeActive);
    } else {
        disconnect(&activation, &ApplicationActivation::applicationDidBecomeActive, this,
                   &ZKTextFileReflection::applicationDidBecomeActive);
    }
}

void ZKTextFileReflection::setObservesReflectedFile(bool observe) {
    if (observe == observes_) return;
    observes_ = observe;
    updateObservation();
}

void ZKTextFileReflection::updateObservation() {
    registerForApplicationDidBecomeActiveNotification(observes_ && isReflecting());
    // Later, not now: this may run inside a signal of the old watcher.
    if (watcher_) watcher_.release()->deleteLater();
    if (!observes_ || !isReflecting()) return;
    watcher_ = std::make_unique<QFileSystemWatcher>();
    // The folder is watched as well: editors that save by replacing the file end the
    // watch on the old one, and the new file must be picked up.
    const QString path = expandedPath();
    watcher_->addPath(PathExtension::deletingLastPathComponent(path));
    if (QFileInfo::exists(path)) watcher_->addPath(path);
    connect(watcher_.get(), &QFileSystemWatcher::fileChanged, this,
            &ZKTextFileReflection::reflectedFileChangedOnDisk);
    connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, this,
            &ZKTextFileReflection::reflectedFileChangedOnDisk);
}

void ZKTextFileReflection::reflectedFileChangedOnDisk() {
    const QString path = expandedPath();
    // A file that is missing for a moment while an editor replaces it keeps the
    // reflection; the next computation or activation decides if it is gone for good.
    if (!QFileInfo::exists(path)) return;
    if (!watcher_->files().contains(path)) watcher_->addPath(path);
    updatedText();
}
