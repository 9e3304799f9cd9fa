#pragma once

#include <QtGlobal>
#include <cmath>
#include <limits>

// A real as a 64-bit integer: truncated toward zero; values beyond 64 bits saturate and NaN
// gives 0, rather than invoking an undefined conversion.
inline qint64 saturatedInt64(double real) {
    if (std::isnan(real)) return 0;
    constexpr double kLimit = 9223372036854775807.0;
    if (real >= kLimit) return std::numeric_limits<qint64>::max();
    if (real <= -kLimit) return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(real);
}
