#pragma once

#include <QRect>

constexpr int TwipsPerPixel = 15;

// A control's place in twips, kept in single precision as it was assigned.
struct TwipsRect
{
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;

    bool operator==(const TwipsRect&) const = default;
};

// The pixel rectangle a control gets: edges rounded half to even, so neighbours do not overlap.
QRect ToPixels(const TwipsRect& rect);

int TwipsToPixels(double twips);
