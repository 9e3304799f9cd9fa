#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "engine/ZKRenamer.h"

// Keeps one control and one setting of a step together: the control shows the setting, and
// every edit of the control is written to the step, which tells its delegate (switches and
// choices recompute at once, typing after the delay).
//
// Controls: a checkable button (switch), a combo box whose items carry their tags as item
// data (choice), a line edit (number), a token field (token text) and a plain text edit
// (plain text and the Advanced prototype).
class ZKSettingBinding : public QObject {
    Q_OBJECT
public:
    ZKSettingBinding(QWidget *control, ZKRenamer &renamer, RenamerSetting setting,
                     QObject *parent = nullptr);

    RenamerSetting setting() const { return setting_; }
    QWidget *control() const { return control_; }

    // Shows the step's current value in the control, writing nothing back.
    void refresh();

signals:
    // The control was edited and its value written to the step.
    void edited(RenamerSetting setting);

private:
    void connectControl();
    void writeSwitch(bool on);
    void writeChoice(int index);
    void writeTokenList(bool skipDelay);
    void writeNumber(const QString &text);
    void finishNumber();
    void writePlainText();

    QPointer<QWidget> control_;
    ZKRenamer &renamer_;
    RenamerSetting setting_;
    // While refreshing, the control's change signals are ours, not the user's.
    bool refreshing_ = false;
};
