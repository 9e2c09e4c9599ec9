#pragma once

#include <algorithm>
#include <cstdint>

#include "Numbers.h"
#include "Twips.h"
#include "TwipsSize.h"

// A position rounded to whole twips (ties to even) that never leaves the page: a window smaller
// than its content puts the control at the left or top edge.
inline int32_t RoundedTwips(double value)
{
    return std::max<int32_t>(0, ToInt32(value));
}

// A page title at its own size, centred across the window near its top (the horizontal offset is
// computed before the vertical one).
inline TwipsRect PlaceTitle(double W, double H, TwipsSize title)
{
    const int32_t left = RoundedTwips((W - title.Width) / 2);
    const int32_t top = RoundedTwips((H - title.Height) * (25.0 / 225.0));
    return {float(left), float(top), title.Width, title.Height};
}
