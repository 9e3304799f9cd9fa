#pragma once

#include "interaction/ZKUserInteraction.h"

// Stands in where no one can be asked. Nothing stops, nothing is shown, and a question that
// can be cancelled is cancelled, so that no choice that changes files (such as replacing an
// existing item) is ever made on the user's behalf; other alerts get their default button.
class ZKSilentUserInteraction : public ZKUserInteraction {
public:
    ZKAlertAnswer runAlert(const ZKAlert &alert) override {
        return {safeButtonOf(alert).value_or(0), false};
    }
    void showAlertLater(const ZKAlert &) override {}
    bool stopRequested() override { return false; }
    void setRenameButtonState(const ZKRenameButtonState &) override {}
    void beep() override {}
    ZKModifierKeys modifierKeys() override { return {}; }
    QList<ZKPasteboardItem> pasteboardItems() override { return {}; }
    void writeToPasteboard(const QStringList &, const QStringList &, const QString &) override {}
    QStringList runOpenPanel(bool) override { return {}; }
    void postNotification(const QString &, const QString &) override {}
};
