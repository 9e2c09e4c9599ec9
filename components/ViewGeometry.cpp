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
