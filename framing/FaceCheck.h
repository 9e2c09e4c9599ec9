#pragma once

#include <optional>
#include <vector>

#include <QImage>
#include <QRectF>

#include "FaceModels.h"
#include "FramingVerdict.h"

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
