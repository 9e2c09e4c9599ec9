#pragma once

#include <optional>

#include <QImage>

#include "FaceModels.h"
#include "FramingVerdict.h"
#include "HeadMeasures.h"

// Measures of a head on greyscale pictures (Format_Grayscale8), in their pixels.

// A greyscale copy of picture, each pixel the mean of a square of the picture's pixels, the square
// as large as keeps the copy at least minimumHeight pixels high.
QImage ReducedGrey(const QImage& picture, int minimumHeight);

// The eyes' lightness over the cheeks' below them, in a greyscale picture: dark glasses make it
// small.
double EyesOverCheeks(const QImage& grey, const FaceLandmarks& points);
// Below this the eyes count as hidden (docs/face-check.md).
inline constexpr double HiddenEyes = 0.41;

// Where the hair meets a plain background straight above the face, in a greyscale picture and the
// head measured in it: the crown a ruler would find. None where the picture shows too little above
// the head, the background there is not plain, or no edge lies where a crown can be.
std::optional<double> CrownAtHairEdge(const QImage& grey, const HeadMeasures& head);

// The lightness of the picture around the head, above the chin and outside an oval that holds
// head and hair.
Background MeasureBackground(const QImage& grey, const HeadMeasures& head);
