#pragma once

#include <QObject>
#include <functional>

#include "collections/ZKHistorySubject.h"

class ZKRenamingController;

// Ties a controller to the historian: its steps are the history's subject, every rename run
// it makes is recorded, and every change of its steps is reflected (closing the history bar).
// The window, the command line and the tests use it alike.
class ControllerHistorySubject : public QObject, public ZKHistorySubject {
    Q_OBJECT
public:
    // The controller must outlive this; the historian's subject is this until it goes.
    explicit ControllerHistorySubject(ZKRenamingController &controller);
    ~ControllerHistorySubject() override;

    QList<ZKRenamerPtr> historyRenamers() override;
    void setHistoryRenamers(const QList<ZKRenamerPtr> &renamers, int animate) override;

    // How the steps are replaced: the controller's replaceRenamers unless a view that
    // animates the change takes over (animate -1 back, 1 forward, 0 none).
    using Replacement = std::function<void(const QList<ZKRenamerPtr> &, int animate)>;
    void setReplacement(Replacement replacement) { replacement_ = std::move(replacement); }

private:
    ZKRenamingController &controller_;
    Replacement replacement_;
};
