#pragma once

#include <optional>
#include <vector>

#include <QSizeF>

#include "HeadGuide.h"
#include "HeadMeasures.h"

// What the preview's border says: how the selection frames the head, which the operator mends by
// moving or resizing the selection. Size first, then height, then centring.
enum class Framing { Fits, HeadTooSmall, HeadTooLarge, HeadTooHigh, HeadTooLow, OffCentre, NoFace };

// Faults of the photo itself, which no framing mends.
enum class PhotoFault {
    Tilted,
    EyesClosed,
    EyesHidden,
    MouthOpen,
    BackgroundNotPlain,
    SeveralFaces
};

// How far the head's centre may stray from the picture's vertical centre line, as a fraction of
// the picture's width.
inline constexpr double CentringTolerance = 0.05;
// ISO/IEC 19794-5 allows the head to roll by up to 8 degrees.
inline constexpr double MostRollDegrees = 8;

// The verdict on a picture of the given size holding this head (none when no face was found).
Framing JudgeFraming(const std::optional<HeadMeasures>& head, const QSizeF& picture,
                     const HeadGuide& guide = IdentityPhotoHead);

// The background around a head: the mean and the spread of its lightness, 0 to 255.
struct Background
{
    double lightness = 0;
    double spread = 0;
    bool measured = false;
};

// A plain, light background: lighter than mid grey and nearly even (docs/face-check.md).
inline constexpr double LightestDarkBackground = 140;
inline constexpr double EvenBackgroundSpread = 18;

// What the check sees wrong with the photo, in the order the operator should hear it.
struct PhotoLook
{
    std::optional<HeadMeasures> head;
    bool eyesHidden = false;
    Background background;
    int faces = 0;
};
std::vector<PhotoFault> JudgePhoto(const PhotoLook& look);
