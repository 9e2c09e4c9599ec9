#include "ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

#include "HeadGuides.h"

ImageControl::ImageControl(QWidget* parent, int16_t index)
    : QWidget(parent)
    , index(index)
{ }

void ImageControl::SetPicture(const QImage& newPicture)
{
    picture = newPicture;
    scaled = QImage();
    update();
}

void ImageControl::SetHeadGuidesShown(bool shown)
{
    headGuidesShown = shown;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (picture.isNull() || width() <= 0 || height() <= 0)
        return;
    // Scale once per size rather than on every paint.
    if (scaled.size() != size())
        scaled = picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(this);
    painter.drawImage(0, 0, scaled);
    if (headGuidesShown)
        DrawHeadGuides(painter, QRectF(rect()));
}

void ImageControl::mousePressEvent(QMouseEvent*)
{
    if (index >= 0)
        Q_EMIT MouseDown(index);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (index < 0)
        return;
    // Qt delivers the release to the control that took the press, wherever the pointer is.
    Q_EMIT MouseUp(index);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Click(index);
}
