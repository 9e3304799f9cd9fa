#include "app/window/DroppedItemsReception.h"

#include <QMutexLocker>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString localPath(const QUrl &url) { return url.isLocalFile() ? url.toLocalFile() : QString(); }

}  // namespace

DroppedItemsReception::DroppedItemsReception(QObject *parent)
    : QObject(parent), resolver_(localPath) {
    connect(&watcher_, &QFutureWatcher<void>::finished, this, [this] {
        running_ = false;
        emit finished();
    });
}

DroppedItemsReception::~DroppedItemsReception() {
    // The workers use this object's members until they end.
    stop_ = true;
    watcher_.waitForFinished();
}

void DroppedItemsReception::start(const QList<QUrl> &urls, bool keepOrder) {
    urls_ = urls;
    paths_.clear();
    handled_ = 0;
    stop_ = false;
    running_ = true;
    if (keepOrder) {
        watcher_.setFuture(QtConcurrent::run([this] {
            for (const QUrl &url : std::as_const(urls_)) {
                if (stop_) return;
                receive(url);
            }
        }));
    } else {
        watcher_.setFuture(QtConcurrent::map(urls_, [this](const QUrl &url) {
            if (!stop_) receive(url);
        }));
    }
}

void DroppedItemsReception::receive(const QUrl &url) {
    const QString path = resolver_(url);
    if (!path.isEmpty()) {
        QMutexLocker locker(&mutex_);
        paths_.append(path);
    }
    // Counted after the path is in, so the progress never runs ahead of the paths.
    ++handled_;
}

QStringList DroppedItemsReception::takePaths() {
    QMutexLocker locker(&mutex_);
    return std::exchange(paths_, QStringList());
}
