#pragma once

#include <QtGlobal>

namespace kw {

// The game's rounding: halves always go up (towards +infinity), to d decimals.
double RoundHalfUp(double x, int d = 0);

// RoundHalfUp to a whole number.
qint64 roundHalfUpWhole(double x);

// Conversion of a fractional value into a whole number as the running totals do it:
// to the nearest, halves to the even neighbour (4.5 -> 4, 5.5 -> 6).
qint64 roundHalfEven(double x);

// The larger of two values (a when a >= b).
double MaxOf(double a, double b);

} // namespace kw
