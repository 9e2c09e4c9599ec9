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

// A rectangle of the given size with one corner at `anchor`, spreading towards `towards`: how a
// selection of a size already settled follows the pointer that drags its free corner.
QRect SpannedFrom(QPoint anchor, QPoint towards, QSize size);

// The part of a selection shown at `band` (viewport pixels) that a point falls on: a corner
// handle within `reach` pixels of a corner, the inside, or outside.
enum class SelectionPart { Outside, Inside, TopLeft, TopRight, BottomLeft, BottomRight };
SelectionPart PartAt(const QRect& band, QPoint point, int reach);

// The corner of a rectangle opposite to the handle given, as a pixel corner.
QPoint OppositeCorner(const QRect& rect, SelectionPart handle);

// A selection moved by `by`, stopped at the picture's edges.
QRect MovedInside(const QRect& selection, QPoint by, QSize picture);

// The zoom after `steps` wheel notches (fractions for touchpads and pinches) of about 10 % each,
// at least one percent per move, within the zoom range.
int WheelZoom(int percent, double steps);

// A rectangle given as left, top, width, height (a negative size counts from the other edge),
// clipped to the picture; a null rectangle when nothing of it lies on the picture.
QRect ClipToPicture(int64_t left, int64_t top, int64_t width, int64_t height, QSize picture);

// The pixels of a straight mark from `from` to `to`, both ends included, `width` pixels thick,
// without antialiasing.
QList<QRect> MarkPixels(QPoint from, QPoint to, int width = 1);
