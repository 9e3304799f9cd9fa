#pragma once

#include <QtGlobal>
#include <atomic>
#include <utility>

// Counts the clearings of a table that threads share, so that an answer a thread kept from it
// is known to be stale once the table was cleared since.
class ClearingCount {
public:
    quint64 current() const { return count_.load(std::memory_order_acquire); }
    void cleared() { count_.fetch_add(1, std::memory_order_release); }

private:
    // From 1: a LastAnswer that kept nothing yet holds 0.
    std::atomic<quint64> count_{1};
};

// The answer one thread got last from a shared table, for the key it asked. A long list asks
// the same key for record after record, from two threads at once: asking the table under its
// lock each time made them wait for each other. Declare it thread_local; read the clearing
// count before asking the table and keep the answer with it.
template <typename Key, typename Value>
class LastAnswer {
public:
    // The answer kept for the key while the count is the one it was kept with, else null.
    template <typename Asked>
    const Value *find(const Asked &key, quint64 clearing) const {
        return clearing == clearing_ && key == key_ ? &value_ : nullptr;
    }
    void keep(quint64 clearing, Key key, Value value) {
        clearing_ = clearing;
        key_ = std::move(key);
        value_ = std::move(value);
    }
    // Lets go of the answer (and whatever it holds).
    void forget() { *this = LastAnswer(); }

private:
    quint64 clearing_ = 0;
    Key key_{};
    Value value_{};
};
