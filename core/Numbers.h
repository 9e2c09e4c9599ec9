#pragma once

#include <cstdint>

// Rounding to nearest with ties to the even neighbour: 2.5 -> 2, 3.5 -> 4, -0.5 -> 0.
double RoundHalfEven(double value);

// Conversions that round half to even and raise the overflow error when the result does not fit.
int16_t ToInt16(double value);
int32_t ToInt32(double value);
int16_t ToInt16(int64_t value);
int32_t ToInt32(int64_t value);

// Geometry is stored in single precision; a double beyond its range overflows.
float ToSingle(double value);

// Floating division that raises the division-by-zero error instead of producing inf or NaN.
double Divide(double numerator, double denominator);
