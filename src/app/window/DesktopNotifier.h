#pragma once

#include <QObject>
#include <QString>

// Desktop notifications through org.freedesktop.Notifications on the session bus. Without a
// bus, or when no notification service answers, the notification is written to the log.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Does not wait for the service.
    void notify(const QString &title, const QString &text);
};
