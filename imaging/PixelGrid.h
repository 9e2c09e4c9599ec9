#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One channel of the captured preview: signed 32-bit values indexed (x, y) with x from 0 to
// UpperX() and y from 0 to UpperY() inclusive. Rows are contiguous so that a kernel can read a
// row at a time. Any access outside the bounds, or before the first Dimension, raises the
// subscript error.
class ChannelGrid
{
public:
    // Discards the old contents and creates (upperX + 1) x (upperY + 1) zeros.
    void Dimension(int upperX, int upperY);

    bool IsDimensioned() const { return dimensioned; }
    int UpperX() const { return upperX; }
    int UpperY() const { return upperY; }
    bool Contains(int x, int y) const
    {
        return dimensioned && x >= 0 && x <= upperX && y >= 0 && y <= upperY;
    }

    int32_t& operator()(int x, int y);
    int32_t operator()(int x, int y) const;

    // Unchecked access to row y, from x = 0; for kernels that have checked the bounds once.
    int32_t* Row(int y) { return values.data() + static_cast<std::size_t>(y) * Stride(); }
    const int32_t* Row(int y) const
    {
        return values.data() + static_cast<std::size_t>(y) * Stride();
    }

private:
    std::size_t Stride() const { return static_cast<std::size_t>(upperX) + 1; }
    std::size_t IndexOf(int x, int y) const;

    std::vector<int32_t> values;
    int upperX = -1;
    int upperY = -1;
    bool dimensioned = false;
};

// The three channel grids of the captured preview.
struct PixelGrid
{
    // Re-creates the three grids, in the order red, green, blue, with the same bounds.
    void Dimension(int upperX, int upperY);

    ChannelGrid RedGrid;
    ChannelGrid GreenGrid;
    ChannelGrid BlueGrid;
};
