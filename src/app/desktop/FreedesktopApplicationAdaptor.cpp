#include "app/desktop/FreedesktopApplicationAdaptor.h"

#include <QUrl>

#include "app/desktop/SingleInstance.h"
#include "common/Log.h"

FreedesktopApplicationAdaptor::FreedesktopApplicationAdaptor(SingleInstance *instance)
    : QDBusAbstractAdaptor(instance), instance_(instance) {}

void FreedesktopApplicationAdaptor::Activate(const QVariantMap &) { instance_->receive({}); }

void FreedesktopApplicationAdaptor::Open(const QStringList &uris, const QVariantMap &) {
    QStringList paths;
    for (const QString &uri : uris) {
        const QUrl url(uri);
        // Only local files can be renamed; anything else is named in the log and skipped.
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
        else
            Log::line(QStringLiteral("[Open] not a local file: %1").arg(uri));
    }
    instance_->receive(paths);
}

void FreedesktopApplicationAdaptor::ActivateAction(const QString &actionName, const QVariantList &,
                                                   const QVariantMap &) {
    // The desktop entry declares no actions; an unknown one still raises the window.
    instance_->receive({});
}
