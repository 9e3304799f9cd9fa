#pragma once

#include <QList>
#include <QPair>
#include <QWidget>

#include "engine/ZKRenamer.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class ZKProxyField;
class ZKSettingBinding;

// The settings of one operation of a step, as rows of labelled controls. Each control is
// bound to its setting (ZKSettingBinding); subclasses add their rows in their constructor
// and say which rows show or are enabled for the step's current settings.
class ZKOperationEditor : public QWidget {
    Q_OBJECT
public:
    using MenuItems = QList<QPair<QString, int>>;

    ZKOperationEditor(ZKRenamer &renamer, QWidget *parent = nullptr);

    ZKRenamer &renamer() const { return renamer_; }
    const QList<ZKSettingBinding *> &bindings() const { return bindings_; }

    // Shows the step's settings again, then which rows show and are enabled.
    void refresh();
    // Shows the setting's value in every control bound to it except the one edited (the
    // fields that share one setting stay alike).
    void refreshSetting(RenamerSetting setting, const ZKSettingBinding *except);
    // The first text field, which takes the focus when the step is added; null when none.
    QWidget *firstTextField() const;
    // The bound controls in row order, for the keyboard focus chain.
    QList<QWidget *> focusableControls() const;
    // One line that stands for the settings while the step is collapsed.
    virtual QString summary() const = 0;

signals:
    // A control was edited; its value is in the step.
    void settingEdited(RenamerSetting setting);

protected:
    // Row visibility and enabling for the current settings; nothing by default.
    virtual void updateRows() {}

    QFormLayout *form() const { return form_; }
    // A switch as a check box in a row of its own (label empty) or beside others.
    QCheckBox *makeSwitch(const QString &title, RenamerSetting setting);
    QComboBox *makeChoice(RenamerSetting setting, const MenuItems &items);
    // A token field for a token text setting; field is a token field of a special kind, or
    // null for a plain one.
    ZKProxyField *makeTextField(RenamerSetting setting, const QString &placeholder = QString(),
                                ZKProxyField *field = nullptr);
    QLineEdit *makeNumberField(RenamerSetting setting);
    // A labelled row of controls laid out side by side; answers the row's widget.
    QWidget *addRow(const QString &label, const QList<QWidget *> &controls);

    // "“text”" for a summary, each token as its display name in angle brackets.
    QString quoted(RenamerSetting setting) const;
    // Binds a control made by a subclass to the setting.
    ZKSettingBinding *bind(QWidget *control, RenamerSetting setting);

private:
    ZKRenamer &renamer_;
    QFormLayout *form_;
    QList<ZKSettingBinding *> bindings_;
};
