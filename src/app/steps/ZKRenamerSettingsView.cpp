#include "app/steps/ZKRenamerSettingsView.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

#include "app/steps/StepMenus.h"
#include "app/steps/ZKOperationEditor.h"
#include "app/steps/ZKOperationEditorFactory.h"
#include "app/steps/ZKSettingBinding.h"

namespace {

constexpr int kMaximumTextFieldLines = 8;

}  // namespace

ZKRenamerSettingsView::ZKRenamerSettingsView(const ZKRenamerPtr &renamer, QWidget *parent)
    : QFrame(parent), renamer_(renamer), layout_(new QVBoxLayout(this)) {
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::ClickFocus);
    layout_->setContentsMargins(8, 4, 10, 6);
    layout_->setSpacing(4);
    layout_->addWidget(makeHeader());
    refresh();
}

QWidget *ZKRenamerSettingsView::makeHeader() {
    auto *header = new QWidget;
    auto *row = headerRow_ = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    auto *grip = new QLabel(QStringLiteral("⠿"));
    grip->setToolTip(tr("Drag to reorder the steps"));
    grip->setCursor(Qt::OpenHandCursor);
    grip->setForegroundRole(QPalette::PlaceholderText);
    grip->installEventFilter(this);
    grip_ = grip;

    expansionSwitch_ = new QToolButton;
    expansionSwitch_->setObjectName(RenamerKeys::kExpanded);
    expansionSwitch_->setAutoRaise(true);
    expansionSwitch_->setFixedSize(20, 20);
    expansionSwitch_->setToolTip(tr("Show or hide the settings (Shift: all steps)"));
    connect(expansionSwitch_, &QToolButton::clicked, this,
            &ZKRenamerSettingsView::expansionClicked);

    operationSelector_ = new QComboBox;
    operationSelector_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    operationSelector_->setObjectName(RenamerKeys::kTask);
    for (const auto &[title, tag] : StepMenus::operationItems())
        operationSelector_->addItem(title, tag);
    operationBinding_ =
        new ZKSettingBinding(operationSelector_, *renamer_, RenamerSetting::Task, this);
    connect(operationBinding_, &ZKSettingBinding::edited, this,
            &ZKRenamerSettingsView::settingEdited);

    summary_ = new QLabel;
    summary_->setForegroundRole(QPalette::PlaceholderText);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setMinimumWidth(0);
    summary_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    row->addWidget(grip_);
    row->addWidget(expansionSwitch_);
    row->addStretch(0);  // grows to centre the operation menu
    row->addWidget(operationSelector_);
    row->addWidget(summary_, 10);
    row->addStretch(1);
    return header;
}

void ZKRenamerSettingsView::setOperationMenuCentered(bool centered) {
    if (centered_ == centered) return;
    centered_ = centered;
    headerRow_->setStretch(headerRow_->indexOf(operationSelector_) - 1, centered ? 1 : 0);
}

void ZKRenamerSettingsView::refresh() {
    operationBinding_->refresh();
    showEditorOfOperation();
    const bool expanded = renamer_->switchValue(RenamerSetting::Expanded);
    expansionSwitch_->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    if (editor_) {
        editor_->refresh();
        editor_->setVisible(expanded);
    }
    updateSummary();
}

void ZKRenamerSettingsView::showEditorOfOperation() {
    const int operation = renamer_->operation();
    ZKOperationEditor *editor = editors_.value(operation);
    if (!editor) {
        editor = ZKOperationEditorFactory::create(operation, *renamer_, this);
        if (editor) {
            editors_.insert(operation, editor);
            layout_->addWidget(editor);
            connect(editor, &ZKOperationEditor::settingEdited, this,
                    &ZKRenamerSettingsView::settingEdited);
        }
    }
    if (editor_ && editor_ != editor) editor_->hide();
    editor_ = editor;
}

void ZKRenamerSettingsView::settingEdited(RenamerSetting setting) {
    // The other editors of this step show the same setting (the shared insert text).
    for (ZKOperationEditor *editor : std::as_const(editors_)) {
        if (editor != sender()) editor->refreshSetting(setting, nullptr);
    }
    if (setting == RenamerSetting::Task) refresh();
    updateSummary();
}

void ZKRenamerSettingsView::expansionClicked() {
    const bool expand = !renamer_->switchValue(RenamerSetting::Expanded);
    if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
        emit expandAllRequested(expand);
        return;
    }
    renamer_->setSwitchValue(RenamerSetting::Expanded, expand);
    refresh();
}

void ZKRenamerSettingsView::updateSummary() {
    const bool collapsed = !renamer_->switchValue(RenamerSetting::Expanded);
    summary_->setVisible(collapsed);
    if (collapsed) summary_->setText(editor_ ? editor_->summary() : QString());
}

void ZKRenamerSettingsView::setSelected(bool selected) {
    if (selected_ == selected) return;
    selected_ = selected;
    setProperty("selected", selected);
    update();
}

QWidget *ZKRenamerSettingsView::firstTextField() const {
    if (!editor_ || !renamer_->switchValue(RenamerSetting::Expanded)) return nullptr;
    return editor_->firstTextField();
}

QList<QWidget *> ZKRenamerSettingsView::focusableControls() const {
    QList<QWidget *> controls{expansionSwitch_, operationSelector_};
    if (editor_ && editor_->isVisibleTo(const_cast<ZKRenamerSettingsView *>(this)))
        controls.append(editor_->focusableControls());
    return controls;
}

bool ZKRenamerSettingsView::adjustTextFieldHeights() {
    bool changed = false;
    for (QPlainTextEdit *field : findChildren<QPlainTextEdit *>()) {
        const int lines = std::clamp(field->document()->lineCount(), 1, kMaximumTextFieldLines);
        // The plain-text layout keeps one pixel below the last line free; without it the
        // last line counts as cut off and a scroll bar shows.
        const int height = lines * field->fontMetrics().lineSpacing() +
                           2 * int(field->document()->documentMargin()) + 2 * field->frameWidth() +
                           1;
        if (field->height() == height && field->minimumHeight() == height) continue;
        field->setFixedHeight(height);
        changed = true;
    }
    return changed;
}

void ZKRenamerSettingsView::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked(this, event->modifiers());
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void ZKRenamerSettingsView::contextMenuEvent(QContextMenuEvent *event) {
    emit contextMenuRequested(this, event->globalPos());
    event->accept();
}

// The grip drags the whole view; the step area moves it and sorts the steps on release.
bool ZKRenamerSettingsView::eventFilter(QObject *watched, QEvent *event) {
    if (watched != grip_) return QFrame::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::LeftButton) break;
            gripOffset_ = int(mapFromGlobal(mouse->globalPosition().toPoint()).y());
            grip_->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        case QEvent::MouseMove: {
            if (gripOffset_ < 0) break;
            auto *mouse = static_cast<QMouseEvent *>(event);
            const int parentY =
                int(parentWidget()->mapFromGlobal(mouse->globalPosition().toPoint()).y());
            emit dragMoved(this, parentY - gripOffset_);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            if (gripOffset_ < 0) break;
            gripOffset_ = -1;
            grip_->setCursor(Qt::OpenHandCursor);
            emit dragFinished(this);
            return true;
        }
        default:
            break;
    }
    return QFrame::eventFilter(watched, event);
}

void ZKRenamerSettingsView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(2.5, 1.5, -2.5, -1.5);
    const QPalette &colors = palette();
    QColor fill = colors.color(QPalette::Base);
    QColor border = colors.color(QPalette::Mid);
    if (selected_) {
        fill = colors.color(QPalette::Highlight);
        fill.setAlpha(40);
        border = colors.color(QPalette::Highlight);
    }
    painter.setPen(QPen(border, selected_ ? 2.0 : 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 5, 5);
    QFrame::paintEvent(event);
}
