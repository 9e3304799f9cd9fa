#include "common/ProcessorAvoidance.h"

#include <unistd.h>

ProcessorAvoidance::ProcessorAvoidance(int processor) {
    if (processor < 0 || processor >= CPU_SETSIZE ||
        sched_getaffinity(0, sizeof processors_, &processors_) != 0)
        return;
    cpu_set_t others = processors_;
    CPU_CLR(processor, &others);
    if (CPU_COUNT(&others) > 0 && sched_setaffinity(0, sizeof others, &others) == 0)
        thread_ = gettid();
}

void ProcessorAvoidance::end() {
    if (thread_ == 0) return;
    sched_setaffinity(thread_, sizeof processors_, &processors_);
    thread_ = 0;
}
