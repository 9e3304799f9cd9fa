#pragma once

#include <QDBusConnection>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <memory>

class QLocalServer;

// One running application per user. The first start claims the instance and receives what
// later starts hand over: on the session bus, the name "com.quorlix.Torvane" with the
// org.freedesktop.Application interface (Open for paths, Activate without); where there is
// no session bus, a local socket in the user's private runtime folder, guarded by a lock
// file so that two starts cannot both become the running one.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char *busName = "com.quorlix.Torvane";
    static constexpr const char *objectPath = "/com/quorlix/Torvane";

    // Uses the session bus when there is one, else the local socket.
    explicit SingleInstance(QObject *parent = nullptr);
    // For tests: a given bus connection (a disconnected one means "no bus") and the folder of
    // the socket and its lock file.
    SingleInstance(const QDBusConnection &bus, const QString &socketFolder,
                   QObject *parent = nullptr);
    ~SingleInstance() override;

    // Becomes the running instance; false when another one already runs (or, without a bus,
    // when no private folder for the socket exists: then every start runs on its own).
    bool claim();
    // Hands absolute paths (Open) or, with none, an activation (Activate) to the running
    // instance; false when none answered within a few seconds.
    bool handOver(const QStringList &paths);

    // Whether this instance took the bus name (rather than the socket).
    bool usesBus() const { return claimedBus_; }

signals:
    void openRequested(const QStringList &paths);
    void activateRequested();

private:
    friend class FreedesktopApplicationAdaptor;
    void receive(const QStringList &paths);

    bool claimBus();
    bool claimSocket();
    bool handOverOnBus(const QStringList &paths);
    bool handOverOnSocket(const QStringList &paths);
    QString socketPath() const;
    void acceptSocketConnection();

    QDBusConnection bus_;
    QString socketFolder_;
    bool claimedBus_ = false;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer *server_ = nullptr;
};
