#include "FramingVerdict.h"

#include <cmath>

namespace {
// Measured on 176 framings of a real portrait (docs/face-check.md): the crown lies 0.69 box heights
// above the box's top edge, the chin 0.03 box heights below its bottom edge.
constexpr double CrownAboveBox = 0.69;
constexpr double ChinBelowBox = 0.03;
} // namespace

HeadExtent HeadOfFace(const QRectF& face)
{
    return {face.top() - CrownAboveBox * face.height(),
            face.top() + face.height() + ChinBelowBox * face.height(), face.center().x()};
}

Framing JudgeFraming(const std::optional<QRectF>& face, const QSizeF& picture,
                     const HeadGuide& guide)
{
    if (!face || picture.isEmpty())
        return Framing::NoFace;
    const HeadExtent head = HeadOfFace(*face);
    const double height = (head.chin - head.crown) / picture.height();
    if (height < guide.headFrom)
        return Framing::HeadTooSmall;
    if (height > guide.headTo)
        return Framing::HeadTooLarge;
    if (std::abs(head.centreX - picture.width() / 2) > CentringTolerance * picture.width())
        return Framing::OffCentre;
    return Framing::Fits;
}
