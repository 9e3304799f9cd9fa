#include "app/window/ZKRenameButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int barHeight = 3;
constexpr int barInset = 6;
// Steps of the sliding block over the width of the bar.
constexpr int phaseCount = 24;

}  // namespace

ZKRenameButton::ZKRenameButton(QWidget *parent) : QPushButton(parent) {
    setAutoDefault(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ZKRenameButton::setState(const ZKRenameButtonState &state) {
    if (state.showsProgress && state.indeterminate) phase_ = (phase_ + 1) % phaseCount;
    state_ = state;
    setText(state.title);
    setToolTip(state.description);
    setEnabled(state.enabled);
    setDown(state.highlighted);
    update();
}

QSize ZKRenameButton::sizeHint() const {
    // One width for every title, so the bar does not jump while a scan names its items.
    const int width =
        fontMetrics().horizontalAdvance(tr("Rename 8888 of 8888 Files...")) + 4 * barInset;
    return {width, QPushButton::sizeHint().height() + barHeight};
}

QSize ZKRenameButton::minimumSizeHint() const {
    return {160, QPushButton::minimumSizeHint().height() + barHeight};
}

void ZKRenameButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int room =
        width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) - 2 * barInset;
    option.text = fontMetrics().elidedText(text(), Qt::ElideMiddle, std::max(room, 0));
    painter.drawControl(QStyle::CE_PushButton, option);
    if (state_.showsProgress) paintProgress(painter);
}

void ZKRenameButton::paintProgress(QPainter &painter) const {
    const QRect track(barInset, height() - barHeight - 4, width() - 2 * barInset, barHeight);
    painter.fillRect(track, palette().color(QPalette::Mid));
    QRect filled = track;
    if (state_.indeterminate) {
        const int block = track.width() / 4;
        const int travel = track.width() - block;
        filled.setLeft(track.left() + travel * phase_ / (phaseCount - 1));
        filled.setWidth(block);
    } else {
        filled.setWidth(int(track.width() * std::clamp(state_.progress, 0.0, 1.0)));
    }
    painter.fillRect(filled, palette().color(QPalette::Highlight));
}
