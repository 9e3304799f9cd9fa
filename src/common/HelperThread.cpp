#include "common/HelperThread.h"

#include <sched.h>

#include <memory>
#include <system_error>
#include <utility>

namespace {

struct Start {
    std::function<void()> work;
    // The processors the starter could use, which the thread gets back once it runs.
    cpu_set_t processors{};
    bool steered = false;
};

void *run(void *argument) {
    const std::unique_ptr<Start> start(static_cast<Start *>(argument));
    if (start->steered)
        pthread_setaffinity_np(pthread_self(), sizeof start->processors, &start->processors);
    start->work();
    return nullptr;
}

// Keeps the new thread off the starter's processor when another one is allowed; false
// when there is none or it cannot be said.
bool steerAway(pthread_attr_t &attributes, Start &start) {
    if (sched_getaffinity(0, sizeof start.processors, &start.processors) != 0) return false;
    const int current = sched_getcpu();
    if (current < 0) return false;
    cpu_set_t others = start.processors;
    CPU_CLR(current, &others);
    return CPU_COUNT(&others) > 0 &&
           pthread_attr_setaffinity_np(&attributes, sizeof others, &others) == 0;
}

}  // namespace

HelperThread::HelperThread(std::function<void()> work) {
    auto start = std::make_unique<Start>();
    start->work = std::move(work);
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    start->steered = steerAway(attributes, *start);
    int error = pthread_create(&thread_, &attributes, run, start.get());
    pthread_attr_destroy(&attributes);
    // Where the processors cannot be chosen after all, the thread starts wherever it may.
    if (error != 0 && start->steered) {
        start->steered = false;
        error = pthread_create(&thread_, nullptr, run, start.get());
    }
    if (error != 0) throw std::system_error(error, std::generic_category(), "pthread_create");
    (void)start.release();
    joinable_ = true;
}

HelperThread::~HelperThread() {
    if (joinable_) join();
}

HelperThread::HelperThread(HelperThread &&other) noexcept
    : thread_(other.thread_), joinable_(std::exchange(other.joinable_, false)) {}

HelperThread &HelperThread::operator=(HelperThread &&other) noexcept {
    if (this != &other) {
        if (joinable_) join();
        thread_ = other.thread_;
        joinable_ = std::exchange(other.joinable_, false);
    }
    return *this;
}

void HelperThread::join() {
    if (!joinable_) return;
    pthread_join(thread_, nullptr);
    joinable_ = false;
}
