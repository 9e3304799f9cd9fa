#include "app/window/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "common/Log.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

void logUndelivered(const QString &title, const QString &text, const QString &reason) {
    Log::line(QStringLiteral("[Notification] %1: %2 (not shown: %3)").arg(title, text, reason));
}

}  // namespace

void DesktopNotifier::notify(const QString &title, const QString &text) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        logUndelivered(title, text, QStringLiteral("no session bus"));
        return;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kService, tr("Notify"));
    // app name, replaces id, icon, summary, body, actions, hints, timeout (server default)
    message << QStringLiteral("Torvane") << 0u << QStringLiteral("com.quorlix.Torvane") << title
            << text << QStringList() << QVariantMap() << -1;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [title, text](QDBusPendingCallWatcher *call) {
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError()) logUndelivered(title, text, reply.error().message());
                call->deleteLater();
            });
}
