#pragma once

#include <QPushButton>

#include "interaction/ZKUserInteraction.h"

// The rename button: its title, enabled state and pressed look follow the controller's
// ZKRenameButtonState, and while a scan, a run or a reception goes on it draws the progress
// as a bar along its lower edge (a sliding block when the amount is unknown). Long titles
// ("Scanning /a/very/long/path") are elided in the middle.
class ZKRenameButton : public QPushButton {
    Q_OBJECT
public:
    explicit ZKRenameButton(QWidget *parent = nullptr);

    void setState(const ZKRenameButtonState &state);
    const ZKRenameButtonState &state() const { return state_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintProgress(QPainter &painter) const;

    ZKRenameButtonState state_;
    // Advances with every indeterminate update, so a scan shows that it moves.
    int phase_ = 0;
};
