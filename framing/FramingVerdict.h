#pragma once

#include <optional>

#include <QRectF>
#include <QSizeF>

#include "HeadGuide.h"

// What the face check says of a captured preview.
enum class Framing { Fits, HeadTooSmall, HeadTooLarge, OffCentre, NoFace };

// The head that a detected face box belongs to, in the box's coordinates.
struct HeadExtent
{
    double crown;
    double chin;
    double centreX;
};

// A frontal face detector's box runs from the brows to the chin: the crown lies well above it.
HeadExtent HeadOfFace(const QRectF& face);

// How far the head's centre may stray from the picture's vertical centre line, as a fraction of
// the picture's width.
inline constexpr double CentringTolerance = 0.05;

// The verdict on a picture of the given size holding the face box (none when no face was found):
// the head's height must lie in the guide's band and its centre near the centre line.
Framing JudgeFraming(const std::optional<QRectF>& face, const QSizeF& picture,
                     const HeadGuide& guide = IdentityPhotoHead);
