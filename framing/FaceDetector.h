#pragma once

#include <optional>

#include <QImage>
#include <QRect>

// The largest frontal face in a greyscale picture (Format_Grayscale8), by dlib's HOG detector and
// the model built into the library, so it works offline. It finds faces from about 80 pixels up.
std::optional<QRect> LargestFace(const QImage& grey);

// Unpacks the detector's model (about a second) on a worker thread, so that the first check does
// not keep the user waiting.
void PrepareFaceDetector();
