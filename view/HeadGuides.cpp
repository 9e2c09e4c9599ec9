#include "HeadGuides.h"

namespace {
const QColor BandFill(0, 170, 255, 45);
const QColor BandEdge(0, 170, 255, 170);
const QColor CentreLine(0, 170, 255, 130);
} // namespace

void DrawHeadGuides(QPainter& painter, const QRectF& photo, const HeadGuide& guide)
{
    painter.save();
    const auto band = [&](double from, double to) {
        const QRectF rect(photo.left(), photo.top() + from * photo.height(), photo.width(),
                          (to - from) * photo.height());
        painter.fillRect(rect, BandFill);
        painter.setPen(QPen(BandEdge, 1));
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    };
    band(guide.crownFrom, guide.crownTo);
    band(guide.chinFrom, guide.chinTo);
    painter.setPen(QPen(CentreLine, 1, Qt::DashLine));
    const double centre = photo.center().x();
    painter.drawLine(QPointF(centre, photo.top()), QPointF(centre, photo.bottom()));
    painter.restore();
}
