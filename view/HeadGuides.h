#pragma once

#include <QPainter>
#include <QRectF>

#include "HeadGuide.h"

// Draws, faintly, the bands where the crown and the chin belong and the vertical centre line over
// a rectangle that shows a document photo. On screen only: never drawn into a picture.
void DrawHeadGuides(QPainter& painter, const QRectF& photo,
                    const HeadGuide& guide = IdentityPhotoHead);
