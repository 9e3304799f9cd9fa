#include "app/steps/ZKFindAndReplaceEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QPainter>
#include <QPixmap>

#include "app/tokens/ZKProxyField.h"
#include "common/Unicode.h"
#include "engine/RegexSyntaxError.h"
#include "tokens/TokenList.h"

namespace {

// A small filled circle: the indicator's colour says it all.
QIcon dot(const QColor &color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(color.darker(130));
    painter.setBrush(color);
    painter.drawEllipse(QRectF(3.5, 3.5, 9, 9));
    return QIcon(pixmap);
}

}  // namespace

ZKFindAndReplaceEditor::ZKFindAndReplaceEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    target_ = makeTextField(RenamerSetting::Target, tr("Text to find"));
    statusIndicator_ = target_->addTrailingAction(QIcon());
    addRow(tr("Find:"), {target_});
    addRow(tr("Replace with:"), {makeTextField(RenamerSetting::Replacement, tr("Replacement"))});
    addRow(QString(), {makeSwitch(tr("Ignore case"), RenamerSetting::IgnoreCase),
                       makeSwitch(tr("Regular expression"), RenamerSetting::QueryIsRegEx),
                       makeSwitch(tr("Preserve extension"), RenamerSetting::PreserveExtensions)});
    updateRows();
}

QString ZKFindAndReplaceEditor::summary() const {
    return tr("%1 with %2")
        .arg(quoted(RenamerSetting::Target), quoted(RenamerSetting::Replacement));
}

void ZKFindAndReplaceEditor::updateRows() { updateTargetStatus(); }

// Checked here as the user types, before the delayed computation; tokens count as the text
// they leave out, which is what can be judged without a file.
void ZKFindAndReplaceEditor::updateTargetStatus() {
    const ZKRenamer &step = renamer();
    const QString pattern =
        Unicode::nfc(TokenList::plainText(step.tokenListValue(RenamerSetting::Target)));
    QString error;
    if (!pattern.isEmpty()) {
        error = RegexSyntaxError::message(pattern, step.switchValue(RenamerSetting::IgnoreCase),
                                          step.renamingDelegate()->useFreeSpacingMode());
    }
    targetStatus_ = pattern.isEmpty() ? 0 : (error.isEmpty() ? 1 : -1);

    const bool shown = step.isTargetStatusShown();
    statusIndicator_->setVisible(shown);
    const bool invalid = shown && targetStatus_ < 0;
    QPalette palette;
    if (invalid) palette.setColor(QPalette::Text, QColor(0xc6, 0x28, 0x28));
    target_->setPalette(palette);
    target_->setToolTip(invalid ? error : QString());
    switch (targetStatus_) {
        case -1:
            statusIndicator_->setIcon(dot(QColor(0xd7, 0x3a, 0x3a)));
            statusIndicator_->setToolTip(error);
            break;
        case 0:
            statusIndicator_->setIcon(dot(QColor(0xa0, 0xa0, 0xa0)));
            statusIndicator_->setToolTip(tr("No regular expression"));
            break;
        default:
            statusIndicator_->setIcon(dot(QColor(0x3c, 0xa5, 0x4b)));
            statusIndicator_->setToolTip(tr("Valid regular expression"));
            break;
    }
}
