#pragma once

#include <optional>

#include <QImage>
#include <QRectF>
#include <QString>

#include "FramingVerdict.h"

// A greyscale copy of picture, each pixel the mean of a square of the picture's pixels, the square
// as large as keeps the copy at least minimumHeight pixels high.
QImage ReducedGrey(const QImage& picture, int minimumHeight);

// The face in a captured preview, in the preview's pixels. The detector finds it on a small copy,
// then looks again at a few copies of the face alone whose sizes fall between the steps of its
// own scale pyramid, and the boxes it finds are averaged: one box alone jumps by a whole step in
// size.
std::optional<QRectF> FindFace(const QImage& capture);

// Gets the face detector ready in the background; the first check waits only for what is left.
void PrepareFaceCheck();

// The face check of a captured preview.
Framing CheckFace(const QImage& capture);

// What the preview's border says about a verdict, for its tooltip.
QString FramingAdvice(Framing verdict);
