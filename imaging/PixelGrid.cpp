#include "PixelGrid.h"

#include "RuntimeError.h"

void ChannelGrid::Dimension(int upperX, int upperY)
{
    if (upperX < 0 || upperY < 0)
        Raise(ErrorNumber::SubscriptOutOfRange);
    values.assign((static_cast<std::size_t>(upperX) + 1) * (static_cast<std::size_t>(upperY) + 1),
                  0);
    this->upperX = upperX;
    this->upperY = upperY;
    dimensioned = true;
}

std::size_t ChannelGrid::IndexOf(int x, int y) const
{
    if (!Contains(x, y))
        Raise(ErrorNumber::SubscriptOutOfRange);
    return static_cast<std::size_t>(y) * Stride() + static_cast<std::size_t>(x);
}

int32_t& ChannelGrid::operator()(int x, int y)
{
    return values[IndexOf(x, y)];
}

int32_t ChannelGrid::operator()(int x, int y) const
{
    return values[IndexOf(x, y)];
}

void PixelGrid::Dimension(int upperX, int upperY)
{
    RedGrid.Dimension(upperX, upperY);
    GreenGrid.Dimension(upperX, upperY);
    BlueGrid.Dimension(upperX, upperY);
}
