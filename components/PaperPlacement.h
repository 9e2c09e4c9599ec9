#pragma once

#include <optional>

#include <QRectF>
#include <QSizeF>

// Where a sheet goes on the paper, in the paper's units: `target` is the rectangle it covers,
// `rotated` says it is turned a quarter turn to fit.
struct PaperPlacement
{
    QRectF target;
    bool rotated = false;

    bool operator==(const PaperPlacement&) const = default;
};

// Places a sheet at its own size, never scaled: centred on the paper and kept inside the printable
// area, turned a quarter turn only when it fits no other way. None when it does not fit at all.
std::optional<PaperPlacement> PlaceOnPaper(const QSizeF& sheet, const QSizeF& paper,
                                           const QRectF& printable);
