#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Where the copies of the photo go on a sheet, in the template's pixels.

struct SheetGrid
{
    int16_t Columns;
    int16_t Rows;
};

// The grid for a copy count: 8 -> 4 x 2, 6 -> 3 x 2, 2 -> 2 x 1; no grid for any other count.
std::optional<SheetGrid> GridForCopies(int32_t copiesPerSheet);

// The free length shared equally by the gaps between the copies and the two margins, rounded half
// to even: negative when the copies do not fit.
int32_t SheetGap(int32_t sheetLength, int32_t count, int32_t photoLength);

// The top-left corner of the copy in row r and column c.
struct SheetPoint
{
    int32_t X;
    int32_t Y;
    bool operator==(const SheetPoint&) const = default;
};
SheetPoint CopyOrigin(int32_t row, int32_t column, int32_t gapX, int32_t gapY, int32_t photoWidth,
                      int32_t photoHeight);

// A cut mark: the straight line from (Left, Top) to (Left + Width, Top + Height).
struct CutMark
{
    int32_t Left;
    int32_t Top;
    int32_t Width;
    int32_t Height;
    bool operator==(const CutMark&) const = default;
};

// The eight marks that frame a copy at (x, y), in drawing order: the quarter-length ends of the
// top, bottom, left and right edges.
std::array<CutMark, 8> CutMarks(int32_t x, int32_t y, int32_t photoWidth, int32_t photoHeight);
