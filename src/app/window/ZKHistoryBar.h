#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The bar above the steps through which the user walks the history: an arrow back, the use
// count with the position, the date of the latest use (or the matching preset's name), an arrow
// forward. The arrows repeat while held. It follows the historian: shown while the history is
// open, redrawn when the navigation moves. In the main window Ctrl+Left and Ctrl+Right step
// through the history (with Shift or Alt to either end); Escape closes the bar.
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

    QToolButton *left_;
    QToolButton *right_;
    QLabel *smallStatus_;
    QLabel *mainStatus_;
};
