#include "SheetGeometry.h"

#include "Documents.h"
#include "Numbers.h"

std::optional<SheetGrid> GridForCopies(int32_t copiesPerSheet)
{
    if (const Document* d = DocumentOfCopies(copiesPerSheet))
        return SheetGrid {d->Columns, d->Rows};
    return std::nullopt;
}

int32_t SheetGap(int32_t sheetLength, int32_t count, int32_t photoLength)
{
    const int32_t free = ToInt32(int64_t(sheetLength) - int64_t(count) * photoLength);
    return ToInt32(double(free) / double(count + 1));
}

SheetPoint CopyOrigin(int32_t row, int32_t column, int32_t gapX, int32_t gapY, int32_t photoWidth,
                      int32_t photoHeight)
{
    return {ToInt32(int64_t(column + 1) * gapX + int64_t(column) * photoWidth),
            ToInt32(int64_t(row + 1) * gapY + int64_t(row) * photoHeight)};
}

std::array<CutMark, 8> CutMarks(int32_t x, int32_t y, int32_t photoWidth, int32_t photoHeight)
{
    const int32_t qx = ToInt32(double(photoWidth) / 4);
    const int32_t qy = ToInt32(double(photoHeight) / 4);
    return {{
        {x, y, qx, 0},
        {x + 3 * qx, y, qx, 0},
        {x, y + photoHeight, qx, 0},
        {x + 3 * qx, y + photoHeight, qx, 0},
        {x, y, 0, qy},
        {x, y + 3 * qy, 0, qy},
        {x + photoWidth, y, 0, qy},
        {x + photoWidth, y + 3 * qy, 0, qy},
    }};
}
