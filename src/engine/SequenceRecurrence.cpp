#include "engine/SequenceRecurrence.h"

#include <limits>

namespace {

qint64 saturated(__int128 value) {
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    if (value > kMax) return kMax;
    if (value < kMin) return kMin;
    return static_cast<qint64>(value);
}

}  // namespace

qint64 saturatedLinearValue(qint64 first, qint64 step, qint64 index) {
    // |step * index| < 2^126, so the sum cannot overflow 128 bits.
    return saturated(__int128(first) + __int128(step) * __int128(index));
}

bool SequenceRecurrence::startIsBeyondLimit() const {
    if (!limit) return false;
    return step >= 0 ? start > *limit : start < *limit;
}

qint64 SequenceRecurrence::stepsAtIndex(qint64 index) const {
    if (index <= 0) return 0;
    if (sleep <= 0) return index;
    // The largest sleep makes a period one beyond 64 bits.
    return qint64(__int128(index) / (__int128(sleep) + 1));
}

std::optional<qint64> SequenceRecurrence::cycleLength() const {
    if (!limit || step == 0 || startIsBeyondLimit()) return std::nullopt;
    const __int128 span = step > 0 ? __int128(*limit) - start : __int128(start) - *limit;
    const __int128 stride = step > 0 ? __int128(step) : -__int128(step);
    return saturated(span / stride + 1);
}

qint64 SequenceRecurrence::valueAtIndex(qint64 index) const {
    qint64 steps = stepsAtIndex(index);
    if (const std::optional<qint64> cycle = cycleLength()) steps %= *cycle;
    return saturatedLinearValue(start, step, steps);
}

qint64 SequenceRecurrence::farthestValue(qint64 count) const {
    qint64 steps = stepsAtIndex(count - 1);
    if (const std::optional<qint64> cycle = cycleLength()) steps = qMin(steps, *cycle - 1);
    return saturatedLinearValue(start, step, steps);
}
