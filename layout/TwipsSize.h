#pragma once

// A control's current size in twips, as its single-precision properties report it.
struct TwipsSize
{
    float Width = 0;
    float Height = 0;

    bool operator==(const TwipsSize&) const = default;
};
