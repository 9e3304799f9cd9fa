#pragma once

#include <pthread.h>

#include <functional>

// A thread for work meant to run beside the thread that starts it. It starts on another
// processor than its starter's where the process may use one: a scheduler can queue a new
// thread on the processor that its starter keeps busy, and the work then waits until the
// starter blocks (in the join, typically) instead of running beside it. Once running, the
// thread may move anywhere the process may run. Like std::thread otherwise, but joined when
// it is destroyed unjoined.
class HelperThread {
public:
    HelperThread() = default;
    // Throws std::system_error when no thread can be started, as std::thread does.
    explicit HelperThread(std::function<void()> work);
    ~HelperThread();
    HelperThread(HelperThread &&other) noexcept;
    HelperThread &operator=(HelperThread &&other) noexcept;
    HelperThread(const HelperThread &) = delete;
    HelperThread &operator=(const HelperThread &) = delete;

    bool joinable() const { return joinable_; }
    void join();

private:
    pthread_t thread_{};
    bool joinable_ = false;
};
