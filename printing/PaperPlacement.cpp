#include "PaperPlacement.h"

#include <algorithm>
#include <cmath>

namespace {
// Rounding slack of a printable area converted from points or device pixels.
constexpr double Slack = 1e-6;

struct Span
{
    int from; // first pixel of the picture printed
    int length; // pixels printed
    double at; // where they begin on the paper
};

// One axis: `length` pixels of which [keptFrom, keptTo) must stay, on a paper `across` long that
// can be printed over [first, last].
std::optional<Span> PlaceAlong(int length, int keptFrom, int keptTo, double across, double first,
                               double last)
{
    const double reach = last - first + Slack;
    if (keptTo - keptFrom > reach)
        return std::nullopt;
    const int printed = std::min(length, int(std::floor(reach)));
    // floor keeps both ends of the kept span inside when it is centred by halves.
    const int from
        = std::clamp(int(std::floor((keptFrom + keptTo - printed) / 2.0)), 0, length - printed);
    const double at = std::clamp((across - printed) / 2, first, std::max(first, last - printed));
    return Span {from, printed, at};
}

// The same rectangle with x and y exchanged.
QRectF Transposed(const QRectF& r)
{
    return QRectF(r.top(), r.left(), r.height(), r.width());
}
} // namespace

std::optional<PaperPlacement> PlaceOnPaper(QSize picture, const QRect& kept, const QSizeF& paper,
                                           const QRectF& printable)
{
    for (const bool rotated : {false, true}) {
        // Turned, the picture's width runs down the paper and its height across it.
        const QSizeF onPaper = rotated ? paper.transposed() : paper;
        const QRectF reachable = rotated ? Transposed(printable) : printable;
        const std::optional<Span> x
            = PlaceAlong(picture.width(), kept.left(), kept.right() + 1, onPaper.width(),
                         reachable.left(), reachable.right());
        const std::optional<Span> y
            = PlaceAlong(picture.height(), kept.top(), kept.bottom() + 1, onPaper.height(),
                         reachable.top(), reachable.bottom());
        if (!x || !y)
            continue;
        const QRect source(x->from, y->from, x->length, y->length);
        const QRectF target(x->at, y->at, x->length, y->length);
        return PaperPlacement {source, rotated ? Transposed(target) : target, rotated};
    }
    return std::nullopt;
}
