#include "PaperPlacement.h"

#include <algorithm>

namespace {
bool Fits(const QSizeF& size, const QRectF& area)
{
    return size.width() <= area.width() && size.height() <= area.height();
}

double Centred(double length, double across, double first, double last)
{
    return std::clamp((across - length) / 2, first, last - length);
}
} // namespace

std::optional<PaperPlacement> PlaceOnPaper(const QSizeF& sheet, const QSizeF& paper,
                                           const QRectF& printable)
{
    for (const bool rotated : {false, true}) {
        const QSizeF size = rotated ? sheet.transposed() : sheet;
        if (!Fits(size, printable))
            continue;
        const QPointF at(
            Centred(size.width(), paper.width(), printable.left(), printable.right()),
            Centred(size.height(), paper.height(), printable.top(), printable.bottom()));
        return PaperPlacement {QRectF(at, size), rotated};
    }
    return std::nullopt;
}
