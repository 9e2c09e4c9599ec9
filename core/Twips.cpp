#include "Twips.h"

#include "Numbers.h"

int TwipsToPixels(double twips)
{
    return ToInt32(twips / TwipsPerPixel);
}

QRect ToPixels(const TwipsRect& rect)
{
    const int left = TwipsToPixels(rect.Left);
    const int top = TwipsToPixels(rect.Top);
    const int right = TwipsToPixels(double(rect.Left) + rect.Width);
    const int bottom = TwipsToPixels(double(rect.Top) + rect.Height);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}
