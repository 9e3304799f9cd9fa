#pragma once

#include <QtGlobal>
#include <optional>

// The values of a sequence run: from a start, a step is added after every `sleep` + 1
// files (each value repeats `sleep` extra times); with a limit, a value that passes it in the
// direction of the step starts over at the start. Values are computed in closed form, so a
// long list costs one calculation per file, and saturate at the 64-bit limits instead of
// overflowing.
struct SequenceRecurrence {
    qint64 start = 1;
    qint64 step = 1;
    qint64 sleep = 0;
    // None: no limit.
    std::optional<qint64> limit;

    // A start beyond the limit in the direction of the step (start > limit for a step of 0
    // or more, start < limit for a negative step).
    bool startIsBeyondLimit() const;
    // The value of the file at this index (0 is the start).
    qint64 valueAtIndex(qint64 index) const;
    // The farthest value from the start among the first `count` values, a start over at
    // the limit left aside: the value whose rendering needs the most digits.
    qint64 farthestValue(qint64 count) const;

private:
    // How many steps have been added by this index, before wrapping.
    qint64 stepsAtIndex(qint64 index) const;
    // How many values a cycle holds before starting over; none without a limit or step.
    std::optional<qint64> cycleLength() const;
};

// first + step * index, saturating at the 64-bit limits.
qint64 saturatedLinearValue(qint64 first, qint64 step, qint64 index);
