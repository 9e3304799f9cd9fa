#pragma once

#include <QFutureWatcher>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <atomic>
#include <functional>

// Turns the URLs of a drop into paths on worker threads, so that a drag of thousands of items
// leaves the window responsive. Items are resolved concurrently, or strictly in the given
// order when the order is to be kept (an unsorted list). The received paths are collected
// under a lock; the main thread reads the count for its progress display and can ask the
// workers to stop. finished() comes on the thread that started the reception.
class DroppedItemsReception : public QObject {
    Q_OBJECT
public:
    // The path of one dropped item; empty when the item has none (not a local file).
    using Resolver = std::function<QString(const QUrl &)>;

    explicit DroppedItemsReception(QObject *parent = nullptr);
    ~DroppedItemsReception() override;

    // Tests slow the workers down with a resolver of their own.
    void setResolver(Resolver resolver) { resolver_ = std::move(resolver); }

    // Starts resolving; a reception that is still running must be waited for first.
    void start(const QList<QUrl> &urls, bool keepOrder);
    bool isRunning() const { return running_; }
    // Items worked on so far, and in all.
    qsizetype handledCount() const { return handled_.load(); }
    qsizetype totalCount() const { return urls_.size(); }
    // Workers pass over the items not yet resolved.
    void requestStop() { stop_ = true; }
    // The paths received, in the order received (the drop order when keepOrder was set).
    QStringList takePaths();

signals:
    void finished();

private:
    void receive(const QUrl &url);

    Resolver resolver_;
    QList<QUrl> urls_;
    QFutureWatcher<void> watcher_;
    QMutex mutex_;  // guards paths_
    QStringList paths_;
    std::atomic<qsizetype> handled_ = 0;
    std::atomic<bool> stop_ = false;
    bool running_ = false;
};
