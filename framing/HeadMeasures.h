#pragma once

#include <QPointF>
#include <QRectF>

#include "FaceModels.h"

// What the check knows of a head, in the pixels of the picture it was found in.
struct HeadMeasures
{
    double crown = 0; // the top of the head, hair included, as a ruler on the photo would find it
    double chin = 0;
    double centreX = 0; // where the face's centre line crosses the eye line
    double faceWidth = 0; // from ear to ear along the jaw
    double eyeLine = 0;
    double rollDegrees = 0; // the eye line's slope, positive when the head leans to its left
    double eyeOpening = 0; // the eyes' height over their width, both eyes averaged
    double mouthOpening = 0; // the lips' gap over the mouth's width
    bool fromLandmarks = false;

    double Height() const { return chin - crown; }
};

// The crown is no landmark: it lies above the eye line by this many times the eye line's height
// above the chin, measured along the face's axis. The median of real heads (docs/face-check.md).
inline constexpr double CrownOverEyeToChin = 1.15;

// The head measured from its landmarks.
HeadMeasures MeasureHead(const FaceLandmarks& points);

// Without landmarks, the head estimated from a detector's box alone, which runs from the brows to
// the chin: the crown lies well above it.
HeadMeasures EstimateHeadFromBox(const QRectF& face);

// Below these the eyes read as closed and the lips as shut (docs/face-check.md).
inline constexpr double OpenEyes = 0.12;
inline constexpr double OpenMouth = 0.10;
