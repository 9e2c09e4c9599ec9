#include "Numbers.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "RuntimeError.h"

double RoundHalfEven(double value)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(value);
}

namespace {
template<typename T> T Checked(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max()))
        Raise(ErrorNumber::Overflow);
    return static_cast<T>(rounded);
}

template<typename T> T Checked(int64_t value)
{
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        Raise(ErrorNumber::Overflow);
    return static_cast<T>(value);
}
} // namespace

int16_t ToInt16(double value)
{
    return Checked<int16_t>(value);
}
int32_t ToInt32(double value)
{
    return Checked<int32_t>(value);
}
int16_t ToInt16(int64_t value)
{
    return Checked<int16_t>(value);
}
int32_t ToInt32(int64_t value)
{
    return Checked<int32_t>(value);
}

float ToSingle(double value)
{
    if (std::isnan(value) || std::abs(value) > std::numeric_limits<float>::max())
        Raise(ErrorNumber::Overflow);
    return static_cast<float>(value);
}

double Divide(double numerator, double denominator)
{
    if (denominator == 0.0)
        Raise(ErrorNumber::DivisionByZero);
    return numerator / denominator;
}
