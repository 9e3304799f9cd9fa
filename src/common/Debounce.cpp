#include "common/Debounce.h"

Debounce::Debounce(int delayMilliseconds, std::function<void()> action, QObject *parent)
    : QObject(parent), delay_(delayMilliseconds), action_(std::move(action)) {
    timer_.setSingleShot(true);
    timer_.setInterval(delay_);
    connect(&timer_, &QTimer::timeout, this, [this] { action_(); });
}

void Debounce::request() {
    if (manual_)
        due_ = now_ + delay_;
    else
        timer_.start();
}

void Debounce::cancel() {
    due_.reset();
    timer_.stop();
}

bool Debounce::isPending() const { return manual_ ? due_.has_value() : timer_.isActive(); }

void Debounce::useManualClock() {
    if (manual_) return;
    manual_ = true;
    if (timer_.isActive()) due_ = now_ + timer_.remainingTime();
    timer_.stop();
}

void Debounce::advance(int milliseconds) {
    now_ += milliseconds;
    if (!due_ || *due_ > now_) return;
    due_.reset();
    action_();
}
