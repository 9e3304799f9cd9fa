#pragma once

#include <QFrame>
#include <QHash>
#include <QPointer>

#include "engine/ZKRenamer.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QVBoxLayout;
#include "app/steps/ZKOperationEditor.h"
class ZKSettingBinding;

// The settings view of one step: a header with the drag grip, the expansion switch, the
// operation menu and (collapsed) a one-line summary; below it the editor of the step's
// operation. It can be selected; clicks, context menus and drags are reported to the step
// area, which owns the list.
class ZKRenamerSettingsView : public QFrame {
    Q_OBJECT
public:
    ZKRenamerSettingsView(const ZKRenamerPtr &renamer, QWidget *parent = nullptr);

    const ZKRenamerPtr &renamer() const { return renamer_; }

    // Shows the step's settings again: the operation's editor, the expansion, every control.
    void refresh();
    // The editor of the current operation; null for an operation without one.
    ZKOperationEditor *editor() const { return editor_; }
    QComboBox *operationSelector() const { return operationSelector_; }
    QToolButton *expansionSwitch() const { return expansionSwitch_; }
    QLabel *summaryLabel() const { return summary_; }
    QWidget *dragGrip() const { return grip_; }

    // A lone step shows its operation menu centred, unless the user wants it on the left
    // ("Always Left-Align Operations Menu").
    void setOperationMenuCentered(bool centered);
    bool isOperationMenuCentered() const { return centered_; }

    bool isSelected() const { return selected_; }
    void setSelected(bool selected);

    // The first text field of the editor; null when it has none or the step is collapsed.
    QWidget *firstTextField() const;
    // The controls in focus order: header first, then the editor's.
    QList<QWidget *> focusableControls() const;
    // Fits multi-line text fields to their contents; whether any height changed.
    bool adjustTextFieldHeights();

signals:
    // A click on the view outside its controls, with the modifiers held.
    void clicked(ZKRenamerSettingsView *view, Qt::KeyboardModifiers modifiers);
    void contextMenuRequested(ZKRenamerSettingsView *view, const QPoint &globalPosition);
    // The expansion switch was clicked with Shift held: every step alike.
    void expandAllRequested(bool expanded);
    // The grip is being dragged: where the view's top would now be, in the parent's
    // coordinates; then the drop.
    void dragMoved(ZKRenamerSettingsView *view, int top);
    void dragFinished(ZKRenamerSettingsView *view);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *makeHeader();
    void showEditorOfOperation();
    void expansionClicked();
    void settingEdited(RenamerSetting setting);
    void updateSummary();

    ZKRenamerPtr renamer_;
    QVBoxLayout *layout_;
    QWidget *grip_;
    QToolButton *expansionSwitch_;
    QComboBox *operationSelector_;
    ZKSettingBinding *operationBinding_;
    QLabel *summary_;
    // Editors made so far, one per operation visited, so a switch back keeps its controls.
    QHash<int, ZKOperationEditor *> editors_;
    QPointer<ZKOperationEditor> editor_;
    bool selected_ = false;
    QHBoxLayout *headerRow_ = nullptr;
    bool centered_ = false;
    int gripOffset_ = -1;
};
