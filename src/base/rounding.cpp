#include "rounding.h"

#include <cmath>
#include <limits>

namespace zor {

int rnd(double value)
{
    const double whole = std::floor(value);
    const double fraction = value - whole;
    double result = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        result = whole + 1.0;
    // Values beyond the integer range saturate instead of overflowing.
    if (!(result > std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (result > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(result);
}

} // namespace zor
