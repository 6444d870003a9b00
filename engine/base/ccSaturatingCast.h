// Conversion of floating-point numbers to integers that is defined for every input.
#pragma once

#include <cmath>
#include <limits>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// A plain cast of a value outside the target's range (or of NaN) is undefined
// behaviour; files carry such values (1e39, nan, inf), so every conversion of
// a number read from a file goes through here. Out-of-range values clamp to
// the nearest end of the range, NaN becomes 0, and values in range truncate
// toward zero exactly like the cast.
template <typename Int, typename Real>
Int saturatingCast(Real value) {
    static_assert(std::numeric_limits<Int>::is_integer, "integer target");
    if (std::isnan(value)) return 0;
    // Both ends of int and unsigned int are exact in double.
    const double v = static_cast<double>(value);
    constexpr double low = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double high = static_cast<double>(std::numeric_limits<Int>::max());
    if (v <= low) return std::numeric_limits<Int>::min();
    if (v >= high) return std::numeric_limits<Int>::max();
    return static_cast<Int>(v);
}

NS_CC_END
