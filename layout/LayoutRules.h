#pragma once

#include <algorithm>
#include <cstdint>

#include "Numbers.h"

// A position rounded to whole twips (ties to even) that never leaves the page: a window smaller
// than its content puts the control at the left or top edge.
inline int32_t RoundedTwips(double value)
{
    return std::max<int32_t>(0, ToInt32(value));
}
