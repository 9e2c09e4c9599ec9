#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>

// The look every button and the icon share: a rounded body lit from above, a darker rim, and a
// gloss over its top part, inset by `glossInset` at the sides and `glossTop` at the top and
// covering all but `glossLeaves` of the body's height.
inline void PaintGlossyBody(QPainter& painter, const QRectF& body, const QColor& colour,
                            double radius, double rimWidth, double glossInset, double glossTop,
                            double glossLeaves)
{
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, colour.lighter(128));
    fill.setColorAt(1, colour.darker(122));
    painter.setPen(QPen(colour.darker(175), rimWidth));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, radius, radius);

    const QRectF gloss
        = body.adjusted(glossInset, glossTop, -glossInset, -body.height() * glossLeaves);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 95));
    shine.setColorAt(1, QColor(255, 255, 255, 12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawRoundedRect(gloss, radius * 0.7, radius * 0.7);
}
