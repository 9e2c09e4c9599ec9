#pragma once

#include <cstdint>

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

// Zoom range of the image-editing control, in percent.
constexpr double MinimumZoom = 2;
constexpr double MaximumZoom = 6500;

// The zoom, in percent, at which the whole picture fits the viewport, kept within the zoom range.
double FitZoom(QSize picture, QSize viewport);

// The pixel corner nearest to a point in picture coordinates, kept on the picture.
QPoint NearestCorner(QPointF point, QSize picture);

// The rectangle spanned by two pixel corners; a click without a drag gives width and height 0.
QRect SpannedRect(QPoint anchor, QPoint corner);

// A rectangle given as left, top, width, height (a negative size counts from the other edge),
// clipped to the picture; a null rectangle when nothing of it lies on the picture.
QRect ClipToPicture(int64_t left, int64_t top, int64_t width, int64_t height, QSize picture);

// The pixels of a straight mark from `from` to `to`, both ends included, `width` pixels thick,
// without antialiasing.
QList<QRect> MarkPixels(QPoint from, QPoint to, int width = 1);
