// Conversions and division of the integer table classes that must not trap
// or depend on undefined behaviour, whatever a file or a caller hands them.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace numerics {

// Truncation toward zero; values beyond the 32-bit range keep the nearest
// end of it and NaN becomes 0.
inline std::int32_t TruncateToInt32(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (x <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x);
}

// a / k for k != 0. The one quotient that does not fit, INT_MIN / -1, wraps
// to INT_MIN as the two's-complement negation does instead of stopping the
// program with an arithmetic exception.
inline std::int32_t DivideInt32(std::int32_t a, std::int32_t k)
{
    if (k == -1)
        return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(a));
    return a / k;
}

} // namespace numerics
