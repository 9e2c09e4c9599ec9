#include "ViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

double FitZoom(QSize picture, QSize viewport)
{
    if (picture.isEmpty() || viewport.isEmpty())
        return 100;
    const double across = double(viewport.width()) / picture.width();
    const double down = double(viewport.height()) / picture.height();
    return std::clamp(std::min(across, down) * 100, MinimumZoom, MaximumZoom);
}

QPoint NearestCorner(QPointF point, QSize picture)
{
    const auto nearest = [](double value, int limit) {
        return int(std::clamp(std::floor(value + 0.5), 0.0, double(limit)));
    };
    return {nearest(point.x(), picture.width()), nearest(point.y(), picture.height())};
}

QRect SpannedRect(QPoint anchor, QPoint corner)
{
    return {std::min(anchor.x(), corner.x()), std::min(anchor.y(), corner.y()),
            std::abs(corner.x() - anchor.x()), std::abs(corner.y() - anchor.y())};
}

QRect SpannedFrom(QPoint anchor, QPoint towards, QSize size)
{
    const int left = towards.x() < anchor.x() ? anchor.x() - size.width() : anchor.x();
    const int top = towards.y() < anchor.y() ? anchor.y() - size.height() : anchor.y();
    return {QPoint(left, top), size};
}

SelectionPart PartAt(const QRect& band, QPoint point, int reach)
{
    if (band.isEmpty())
        return SelectionPart::Outside;
    const auto near = [&](int x, int y) {
        return std::abs(point.x() - x) <= reach && std::abs(point.y() - y) <= reach;
    };
    const int right = band.x() + band.width();
    const int bottom = band.y() + band.height();
    if (near(band.x(), band.y()))
        return SelectionPart::TopLeft;
    if (near(right, band.y()))
        return SelectionPart::TopRight;
    if (near(band.x(), bottom))
        return SelectionPart::BottomLeft;
    if (near(right, bottom))
        return SelectionPart::BottomRight;
    return band.contains(point) ? SelectionPart::Inside : SelectionPart::Outside;
}

QPoint OppositeCorner(const QRect& rect, SelectionPart handle)
{
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();
    switch (handle) {
    case SelectionPart::TopLeft:
        return {right, bottom};
    case SelectionPart::TopRight:
        return {rect.x(), bottom};
    case SelectionPart::BottomLeft:
        return {right, rect.y()};
    default:
        return rect.topLeft();
    }
}

QRect MovedInside(const QRect& selection, QPoint by, QSize picture)
{
    const int left
        = std::clamp(selection.x() + by.x(), 0, std::max(0, picture.width() - selection.width()));
    const int top
        = std::clamp(selection.y() + by.y(), 0, std::max(0, picture.height() - selection.height()));
    return {QPoint(left, top), selection.size()};
}

int WheelZoom(int percent, double steps)
{
    constexpr double StepFactor = 1.1;
    int zoomed = int(std::lround(percent * std::pow(StepFactor, steps)));
    if (zoomed == percent && steps != 0)
        zoomed += steps > 0 ? 1 : -1;
    return std::clamp(zoomed, int(MinimumZoom), int(MaximumZoom));
}

QRect ClipToPicture(int64_t left, int64_t top, int64_t width, int64_t height, QSize picture)
{
    if (width < 0) {
        left += width;
        width = -width;
    }
    if (height < 0) {
        top += height;
        height = -height;
    }
    const int64_t x1 = std::max<int64_t>(left, 0);
    const int64_t y1 = std::max<int64_t>(top, 0);
    const int64_t x2 = std::min<int64_t>(left + width, picture.width());
    const int64_t y2 = std::min<int64_t>(top + height, picture.height());
    if (x2 <= x1 || y2 <= y1)
        return {};
    return {int(x1), int(y1), int(x2 - x1), int(y2 - y1)};
}

QList<QRect> MarkPixels(QPoint from, QPoint to, int width)
{
    const int before = (width - 1) / 2;
    const auto square = [&](QPoint centre) {
        return QRect(centre.x() - before, centre.y() - before, width, width);
    };
    if (from.x() == to.x() || from.y() == to.y())
        return {square(from).united(square(to))};

    // Bresenham: one square per step along the longer axis.
    QList<QRect> pixels;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    while (true) {
        pixels.append(square(at));
        if (at == to)
            return pixels;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.rx() += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.ry() += stepY;
        }
    }
}
