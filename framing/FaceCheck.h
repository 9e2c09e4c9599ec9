#pragma once

#include <optional>
#include <vector>

#include <QImage>
#include <QRectF>
#include <QString>

#include "FaceModels.h"
#include "FramingVerdict.h"

// A greyscale copy of picture, each pixel the mean of a square of the picture's pixels, the square
// as large as keeps the copy at least minimumHeight pixels high.
QImage ReducedGrey(const QImage& picture, int minimumHeight);

// The face in a captured preview, in the preview's pixels, from the detector's box alone. The
// detector finds it on a small copy, then looks again at a few copies of the face alone whose
// sizes fall between the steps of its own scale pyramid, and the boxes it finds are averaged: one
// box alone jumps by a whole step in size.
std::optional<QRectF> FindFace(const QImage& capture);

// What the check found in a captured preview, in its pixels.
struct FaceReport
{
    Framing framing = Framing::NoFace;
    std::vector<PhotoFault> faults;
    std::optional<HeadMeasures> head;
    // Whether the head was measured by its landmarks or, without the model, estimated from a box.
    bool landmarks = false;
};

// The face check of a captured preview.
FaceReport CheckFace(const QImage& capture, const LandmarkModel& model = SharedLandmarkModel());

// The head to frame in a whole photo, in its pixels: the largest face, or among faces nearly as
// large the one nearest the photo's centre.
std::optional<HeadMeasures> FindHeadInPhoto(const QImage& photo,
                                            const LandmarkModel& model = SharedLandmarkModel());

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
Background MeasureBackground(const QImage& grey, const HeadMeasures& head, double headWidth);

// Says in plain Italian what the preview's border means and, after it, the photo's faults; the
// first line says what to do first.
QStringList FramingAdvice(const FaceReport& report);

// The photo's faults in a few words for the line beside the preview: the first, and an ellipsis
// for more; empty for none.
QString FaultsInBrief(const std::vector<PhotoFault>& faults);
