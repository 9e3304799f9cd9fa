#pragma once

#include <QTextStream>

#include "files/ZKSilentUserInteraction.h"

// The controller's user on the command line. Alerts go to standard error; questions are asked
// on the terminal when one is there and otherwise cancelled where they can be. Ctrl-C
// is the stop request, and a "Stop?" question asked after it is answered "Stop".
class CliUserInteraction : public ZKSilentUserInteraction {
public:
    CliUserInteraction(QTextStream &err, bool interactive) : err_(err), interactive_(interactive) {}

    ZKAlertAnswer runAlert(const ZKAlert &alert) override;
    void showAlertLater(const ZKAlert &alert) override;
    bool stopRequested() override;
    void postNotification(const QString &title, const QString &text) override;

private:
    void printAlert(const ZKAlert &alert);
    int askForButton(const ZKAlert &alert);

    QTextStream &err_;
    bool interactive_;
    bool stopAsked_ = false;
};
