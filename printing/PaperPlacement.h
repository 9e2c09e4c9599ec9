#pragma once

#include <optional>

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// Where a picture goes on the paper: `source` is the part of the picture printed, in its pixels;
// `target` the rectangle it covers on the paper, in the paper's units scaled to the picture's
// pixels; `rotated` says it is turned a quarter turn to fit.
struct PaperPlacement
{
    QRect source;
    QRectF target;
    bool rotated = false;

    bool operator==(const PaperPlacement&) const = default;
};

// Places a picture at its own size, never scaled: centred on the paper and kept inside the
// printable area. When the whole picture does not fit, its border beyond `kept` is cut off, as
// evenly on both sides of `kept` as the picture's edges allow. Turned a quarter turn only when
// `kept` fits no other way; none when it does not fit at all. The paper and its printable area
// are given in the picture's pixels.
std::optional<PaperPlacement> PlaceOnPaper(QSize picture, const QRect& kept, const QSizeF& paper,
                                           const QRectF& printable);
