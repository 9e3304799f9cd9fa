#pragma once

#include <QWidget>

class QLabel;
class QPropertyAnimation;
class QTimer;
class QToolButton;

// The bar above the steps through which the user walks the history: an arrow back, the use
// count with the position, the date of the latest use (or the matching preset's name), an arrow
// forward. The arrows repeat while held. It follows the historian: shown while the history is
// open, redrawn when the navigation moves. In the main window Ctrl+Left and Ctrl+Right step
// through the history (with Shift or Alt to either end), the arrow shown pressed while the key
// is held; Escape closes the bar. The bar slides in and out above the steps.
class ZKHistoryBar : public QWidget {
    Q_OBJECT
public:
    explicit ZKHistoryBar(QWidget *parent = nullptr);

    QToolButton *leftArrow() const { return left_; }
    QToolButton *rightArrow() const { return right_; }
    QLabel *smallStatus() const { return smallStatus_; }
    QLabel *mainStatus() const { return mainStatus_; }

    // A step from a menu item or an arrow: -1 or 1, to the end with |step| >= 2 or Shift or
    // Alt held. Opens the bar. False (with a beep) when there is nowhere to go.
    static bool navigateHistory(int step, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateControls();
    bool handleKey(QKeyEvent *event);
    void releaseArrows();
    void slide(bool shown);

    QToolButton *left_;
    QToolButton *right_;
    QLabel *smallStatus_;
    QLabel *mainStatus_;
    QPropertyAnimation *slide_;
    // Lets go of an arrow pressed by a key whose release never came (focus moved away).
    QTimer *keyReleaseFallback_;
};
