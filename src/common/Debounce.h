#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

// Calls an action once requests have paused for a fixed delay: every request restarts the
// wait, so a burst of edits gives one call. Time is Qt's timer, or, for tests, a clock that
// stands still until advance() moves it.
class Debounce : public QObject {
public:
    Debounce(int delayMilliseconds, std::function<void()> action, QObject *parent = nullptr);

    // (Re)starts the wait.
    void request();
    void cancel();
    bool isPending() const;

    // From now on time moves only through advance(); a pending wait carries over.
    void useManualClock();
    // Moves the manual clock on and calls the action when its wait is over.
    void advance(int milliseconds);

private:
    int delay_;
    std::function<void()> action_;
    QTimer timer_;
    bool manual_ = false;
    qint64 now_ = 0;
    std::optional<qint64> due_;
};
