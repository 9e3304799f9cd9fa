#pragma once

#include <sched.h>
#include <sys/types.h>

// Keeps the thread that makes it off one processor, where the process may use another, until
// it ends; the thread then gets back the processors it had. It may end on any thread. Threads
// started meanwhile by the one kept off are kept off that processor for good.
class ProcessorAvoidance {
public:
    explicit ProcessorAvoidance(int processor);
    ~ProcessorAvoidance() { end(); }
    ProcessorAvoidance(const ProcessorAvoidance &) = delete;
    ProcessorAvoidance &operator=(const ProcessorAvoidance &) = delete;

    // Whether the thread is kept off the processor.
    bool isActive() const { return thread_ != 0; }
    void end();

private:
    pid_t thread_ = 0;
    cpu_set_t processors_{};
};
