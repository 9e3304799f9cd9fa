#include "app/desktop/SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

#include "app/desktop/FreedesktopApplicationAdaptor.h"
#include "common/ApplicationSupport.h"
#include "common/Log.h"

namespace {

constexpr int answerTimeout = 5000;
const QString applicationInterface = QStringLiteral("org.freedesktop.Application");

// Runs the event loop until `done` holds or the time is up: the running instance may be this
// very process (tests), so waiting must keep serving incoming calls.
template <typename Done>
bool waitUntil(Done done, int milliseconds) {
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(milliseconds);
    while (!done() && deadline.isActive()) {
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

QStringList fileUris(const QStringList &paths) {
    QStringList uris;
    for (const QString &path : paths)
        uris.append(QUrl::fromLocalFile(QDir::cleanPath(QDir::current().absoluteFilePath(path)))
                        .toString(QUrl::FullyEncoded));
    return uris;
}

}  // namespace

SingleInstance::SingleInstance(QObject *parent)
    : SingleInstance(QDBusConnection::sessionBus(), ApplicationSupport::privateTemporaryFolder(),
                     parent) {}

SingleInstance::SingleInstance(const QDBusConnection &bus, const QString &socketFolder,
                               QObject *parent)
    : QObject(parent), bus_(bus), socketFolder_(socketFolder) {
    new FreedesktopApplicationAdaptor(this);
}

SingleInstance::~SingleInstance() {
    if (claimedBus_) {
        bus_.unregisterService(QString::fromLatin1(busName));
        bus_.unregisterObject(QString::fromLatin1(objectPath));
    }
    if (server_) server_->close();
}

bool SingleInstance::claim() { return bus_.isConnected() ? claimBus() : claimSocket(); }

bool SingleInstance::handOver(const QStringList &paths) {
    return bus_.isConnected() ? handOverOnBus(paths) : handOverOnSocket(paths);
}

void SingleInstance::receive(const QStringList &paths) {
    if (paths.isEmpty())
        emit activateRequested();
    else
        emit openRequested(paths);
}

// The object is exported before the name is taken, so that a second start that sees the
// name can always call it. Taking the name without queueing is the atomic claim.
bool SingleInstance::claimBus() {
    const QString path = QString::fromLatin1(objectPath);
    if (!bus_.registerObject(path, this, QDBusConnection::ExportAdaptors)) {
        Log::line(QStringLiteral("[Instance] cannot export the application object"));
        return true;
    }
    const auto reply = bus_.interface()->registerService(
        QString::fromLatin1(busName), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    claimedBus_ = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    if (!claimedBus_) bus_.unregisterObject(path);
    return claimedBus_;
}

bool SingleInstance::handOverOnBus(const QStringList &paths) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(busName), QString::fromLatin1(objectPath), applicationInterface,
        paths.isEmpty() ? tr("Activate") : tr("Open"));
    if (!paths.isEmpty()) message << fileUris(paths);
    message << QVariantMap();
    QDBusPendingCallWatcher watcher(bus_.asyncCall(message, answerTimeout));
    waitUntil([&] { return watcher.isFinished(); }, answerTimeout + 500);
    if (!watcher.isFinished() || watcher.isError()) {
        Log::line(QStringLiteral("[Instance] the running instance did not answer: %1")
                      .arg(watcher.error().message()));
        return false;
    }
    return true;
}

QString SingleInstance::socketPath() const {
    return socketFolder_ + QStringLiteral("/instance.socket");
}

bool SingleInstance::claimSocket() {
    if (socketFolder_.isEmpty()) {
        Log::line(
            QStringLiteral("[Instance] no private folder for the instance socket; "
                           "running on its own"));
        return true;
    }
    lock_ = std::make_unique<QLockFile>(socketFolder_ + QStringLiteral("/instance.lock"));
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    // A socket file left by a crashed instance would block listening; the lock says it is ours.
    QLocalServer::removeServer(socketPath());
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath())) {
        Log::line(QStringLiteral("[Instance] cannot listen on %1: %2")
                      .arg(socketPath(), server_->errorString()));
        return true;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptSocketConnection);
    return true;
}

// One message per connection: a JSON array of paths (empty for an activation), answered
// with "1" once received.
void SingleInstance::acceptSocketConnection() {
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const QJsonDocument document = QJsonDocument::fromJson(socket->readLine());
            if (!document.isArray()) {
                Log::line(QStringLiteral("[Instance] unreadable hand-over ignored"));
                socket->disconnectFromServer();
                return;
            }
            socket->write("1");
            socket->flush();
            receive(document.array().toVariantList().isEmpty()
                        ? QStringList()
                        : QVariant(document.array().toVariantList()).toStringList());
        });
    }
}

bool SingleInstance::handOverOnSocket(const QStringList &paths) {
    if (socketFolder_.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!waitUntil([&] { return socket.state() == QLocalSocket::ConnectedState; }, answerTimeout))
        return false;
    QStringList absolute;
    for (const QString &path : paths)
        absolute.append(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    socket.write(
        QJsonDocument(QJsonArray::fromStringList(absolute)).toJson(QJsonDocument::Compact));
    socket.write("\n");
    const bool answered = waitUntil([&] { return socket.bytesAvailable() > 0; }, answerTimeout);
    socket.disconnectFromServer();
    return answered;
}
