#include "model/rounding.h"

#include <cmath>

namespace kw {

double RoundHalfUp(double x, int d)
{
    const double scale = std::pow(10.0, d);
    const double y = x * scale;
    double r = std::floor(y);
    if (y - r >= 0.5)
        r += 1;
    return r / scale;
}

// Whole results are held in 64 bits; anything beyond that (or not finite) cannot come from a
// design and is pinned rather than left to undefined conversion.
static qint64 toWhole(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double limit = 9.0e18;
    if (x >= limit)
        return static_cast<qint64>(limit);
    if (x <= -limit)
        return -static_cast<qint64>(limit);
    return static_cast<qint64>(x);
}

qint64 roundHalfUpWhole(double x)
{
    return toWhole(RoundHalfUp(x, 0));
}

qint64 roundHalfEven(double x)
{
    return toWhole(std::nearbyint(x)); // default FE_TONEAREST: ties to even
}

double MaxOf(double a, double b)
{
    return a >= b ? a : b;
}

} // namespace kw
