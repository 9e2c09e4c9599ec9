#include "ImageControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

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

namespace {
// The control that took the last press that began a press sequence.
QPointer<ImageControl> lastPressed;

// Whether a press or release is the first or last of a sequence in which other mouse buttons may
// be held: the pressed look is kept in one slot, taken at the first press and given back at the
// last release.
bool FirstOfSequence(const QMouseEvent* event)
{
    return event->buttons() == event->button();
}

bool LastOfSequence(const QMouseEvent* event)
{
    return event->buttons() == Qt::NoButton;
}
} // namespace

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    if (index < 0 || !FirstOfSequence(event))
        return;
    ignoringPress = false;
    lastPressed = this;
    Q_EMIT MouseDown(index);
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt reports the second press of a quick pair as a double-click, wherever its first press
    // went. It is ignored only when that first press was on a page since hidden; anywhere else it
    // is one more click, as quick clicks on ZOOM + must each count.
    if (lastPressed && lastPressed != this && !lastPressed->isVisible() && FirstOfSequence(event)) {
        ignoringPress = true;
        return;
    }
    mousePressEvent(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (index < 0 || !LastOfSequence(event))
        return;
    if (ignoringPress) {
        ignoringPress = false;
        return;
    }
    // Qt delivers the release to the control that took the press, wherever the pointer is.
    Q_EMIT MouseUp(index);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Click(index);
}
