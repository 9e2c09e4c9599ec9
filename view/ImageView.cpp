#include "ImageView.h"

#include <cmath>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include "HeadGuides.h"
#include "ViewGeometry.h"

namespace {

constexpr int ScrollStep = 20;
// How near a corner of the selection, in screen pixels, the pointer takes its handle, and the
// side of the handle drawn there.
constexpr int HandleReach = 6;
constexpr int HandleSide = 7;
// An arrow key with Shift moves the selection this many screen pixels.
constexpr int ShiftStep = 10;
// One notch of a mouse wheel, in eighths of a degree.
constexpr double WheelNotch = 120;
// A pinch's scale change that counts as one wheel notch: 10 %.
constexpr double PinchNotch = 1.1;

QPoint Rounded(QPointF point)
{
    return {int(std::lround(point.x())), int(std::lround(point.y()))};
}

} // namespace

ImageView::ImageView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::CrossCursor);
    viewport()->setMouseTracking(true);
    // Clicking the photo gives it the arrow keys; Tab goes through the page's buttons.
    setFocusPolicy(Qt::ClickFocus);
    horizontalScrollBar()->setSingleStep(ScrollStep);
    verticalScrollBar()->setSingleStep(ScrollStep);
}

void ImageView::SetPicture(const QImage& shown)
{
    const bool resized = shown.size() != picture.size();
    picture = shown;
    cache = QImage();
    if (resized) {
        UpdateScrollBars();
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    viewport()->update();
}

void ImageView::SetZoom(double percent)
{
    const QPointF centre = MapToPicture(QRectF(viewport()->rect()).center());
    zoom = percent;
    UpdateScrollBars();
    CentreOn(centre);
    viewport()->update();
}

void ImageView::SetZoomAt(double percent, QPoint viewPoint)
{
    const QPointF under = MapToPicture(QPointF(viewPoint));
    zoom = percent;
    UpdateScrollBars();
    const QPointF topLeft = under * Scale() - QPointF(viewPoint);
    horizontalScrollBar()->setValue(int(std::lround(topLeft.x())));
    verticalScrollBar()->setValue(int(std::lround(topLeft.y())));
    viewport()->update();
}

void ImageView::FitToView()
{
    zoom = FitZoom(picture.size(), maximumViewportSize());
    UpdateScrollBars();
    viewport()->update();
}

void ImageView::SetScrollPercent(Qt::Orientation orientation, int percent)
{
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    bar->setValue(int(std::lround(bar->maximum() * (percent / 100.0))));
}

void ImageView::SetSelection(const QRect& rect)
{
    selection = rect;
    viewport()->update();
}

void ImageView::ShowSelection()
{
    if (selection.isEmpty() || viewport()->rect().contains(MapToView(selection)))
        return;
    CentreOn(QRectF(selection).center());
    viewport()->update();
}

void ImageView::SetHeadGuidesShown(bool shown)
{
    headGuidesShown = shown;
    viewport()->update();
}

void ImageView::SetSelectionShape(std::function<QRect(const QRect&)> shape)
{
    this->shape = std::move(shape);
}

QRect ImageView::Shaped(const QRect& rect) const
{
    return shape ? shape(rect) : rect;
}

QSize ImageView::ContentSize() const
{
    return {int(std::lround(picture.width() * Scale())),
            int(std::lround(picture.height() * Scale()))};
}

// Where picture point (0, 0) lies in the viewport: centred when the picture is smaller than the
// viewport, otherwise shifted by the scroll position.
QPointF ImageView::Origin() const
{
    const QSize content = ContentSize();
    const QSize view = viewport()->size();
    const auto along = [](int contentLength, int viewLength, const QScrollBar* bar) {
        return contentLength < viewLength ? (viewLength - contentLength) / 2 : -bar->value();
    };
    return QPointF(along(content.width(), view.width(), horizontalScrollBar()),
                   along(content.height(), view.height(), verticalScrollBar()));
}

QPointF ImageView::MapToPicture(QPointF viewPoint) const
{
    return (viewPoint - Origin()) / Scale();
}

QRect ImageView::MapToView(const QRect& pictureRect) const
{
    const QPointF origin = Origin();
    const QPoint topLeft = Rounded(origin + QPointF(pictureRect.topLeft()) * Scale());
    const QPoint bottomRight = Rounded(
        origin
        + QPointF(pictureRect.x() + pictureRect.width(), pictureRect.y() + pictureRect.height())
            * Scale());
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

// The viewport's size once the scroll bars that the content needs are in place.
QSize ImageView::ViewSize() const
{
    const QSize most = maximumViewportSize();
    const QSize content = ContentSize();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = content.width() > most.width();
    bool down = content.height() > most.height();
    across = across || (down && content.width() > most.width() - extent);
    down = down || (across && content.height() > most.height() - extent);
    return {most.width() - (down ? extent : 0), most.height() - (across ? extent : 0)};
}

void ImageView::UpdateScrollBars()
{
    const QSize content = ContentSize();
    const QSize view = ViewSize();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

void ImageView::CentreOn(QPointF picturePoint)
{
    const QPointF topLeft
        = picturePoint * Scale() - QPointF(ViewSize().width(), ViewSize().height()) / 2;
    horizontalScrollBar()->setValue(int(std::lround(topLeft.x())));
    verticalScrollBar()->setValue(int(std::lround(topLeft.y())));
}

void ImageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void ImageView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ImageView::UpdateCache(const QRect& visible)
{
    if (!cache.isNull() && cacheSource == visible && cacheZoom == zoom)
        return;
    const QSize target = MapToView(visible).size();
    if (target == visible.size()) {
        cache = picture.copy(visible);
    } else {
        // A view of the visible region without copying the photo's pixels.
        const QImage region(
            picture.constScanLine(visible.y()) + visible.x() * (picture.depth() / 8),
            visible.width(), visible.height(), picture.bytesPerLine(), picture.format());
        cache = region.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    cacheSource = visible;
    cacheZoom = zoom;
}

void ImageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (picture.isNull())
        return;

    const QRectF shown(MapToPicture(QPointF(0, 0)),
                       MapToPicture(QRectF(viewport()->rect()).bottomRight()));
    const QRect visible
        = QRect(QPoint(int(std::floor(shown.left())), int(std::floor(shown.top()))),
                QPoint(int(std::ceil(shown.right())) - 1, int(std::ceil(shown.bottom())) - 1))
              .intersected(picture.rect());
    if (visible.isEmpty())
        return;
    UpdateCache(visible);
    painter.drawImage(MapToView(visible).topLeft(), cache);

    if (selection.isEmpty())
        return;
    const QRect band = MapToView(selection).adjusted(0, 0, -1, -1);
    if (headGuidesShown)
        DrawHeadGuides(painter, QRectF(band));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(band);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(band);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (const QPoint corner :
         {band.topLeft(), band.topRight(), band.bottomLeft(), band.bottomRight()})
        painter.drawRect(QRect(corner - QPoint(HandleSide / 2, HandleSide / 2),
                               QSize(HandleSide - 1, HandleSide - 1)));
}

void ImageView::ScrollTowards(QPoint viewPoint)
{
    const QRect view = viewport()->rect();
    const auto overshoot = [](int at, int low, int high) {
        return at < low ? at - low : (at > high ? at - high : 0);
    };
    horizontalScrollBar()->setValue(horizontalScrollBar()->value()
                                    + overshoot(viewPoint.x(), view.left(), view.right()));
    verticalScrollBar()->setValue(verticalScrollBar()->value()
                                  + overshoot(viewPoint.y(), view.top(), view.bottom()));
}

void ImageView::DragTo(QPointF viewPoint)
{
    const QPoint corner = NearestCorner(MapToPicture(viewPoint), picture.size());
    if (gesture == Gesture::Moving) {
        reported = MovedInside(pressed, corner - anchor, picture.size());
    } else {
        // The band keeps the corner that stays under its anchor, in the size the owner keeps.
        const QRect drawn = SpannedRect(anchor, corner);
        if (drawn.isEmpty()) {
            if (gesture == Gesture::Drawing)
                reported = drawn;
            return;
        }
        reported = SpannedFrom(anchor, corner, Shaped(drawn).size());
    }
    selection = Shaped(reported);
    viewport()->update();
}

// A small band keeps room inside it to be taken for a move.
SelectionPart ImageView::PartUnder(QPoint viewPoint) const
{
    const QRect band = MapToView(selection);
    const int reach = std::min(HandleReach, std::min(band.width(), band.height()) / 4);
    return PartAt(band, viewPoint, reach);
}

void ImageView::UpdateCursor(QPoint viewPoint)
{
    if (picture.isNull()) {
        viewport()->setCursor(Qt::CrossCursor);
        return;
    }
    switch (PartUnder(viewPoint)) {
    case SelectionPart::TopLeft:
    case SelectionPart::BottomRight:
        viewport()->setCursor(Qt::SizeFDiagCursor);
        break;
    case SelectionPart::TopRight:
    case SelectionPart::BottomLeft:
        viewport()->setCursor(Qt::SizeBDiagCursor);
        break;
    case SelectionPart::Inside:
        viewport()->setCursor(Qt::OpenHandCursor);
        break;
    case SelectionPart::Outside:
        viewport()->setCursor(Qt::CrossCursor);
        break;
    }
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || picture.isNull() || gesture != Gesture::None)
        return QAbstractScrollArea::mousePressEvent(event);
    const QPoint corner = NearestCorner(MapToPicture(event->position()), picture.size());
    const SelectionPart part = PartUnder(event->position().toPoint());
    pressed = selection;
    reported = selection;
    anchor = corner;
    switch (part) {
    case SelectionPart::Outside:
        gesture = Gesture::Drawing;
        reported = QRect(corner, QSize(0, 0));
        break;
    case SelectionPart::Inside:
        gesture = Gesture::Moving;
        viewport()->setCursor(Qt::ClosedHandCursor);
        break;
    default:
        gesture = Gesture::Resizing;
        anchor = OppositeCorner(selection, part);
        break;
    }
    pressedAt = corner;
}

void ImageView::mouseMoveEvent(QMouseEvent* event)
{
    if (gesture == Gesture::None) {
        UpdateCursor(event->position().toPoint());
        return QAbstractScrollArea::mouseMoveEvent(event);
    }
    ScrollTowards(event->position().toPoint());
    DragTo(event->position());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (gesture == Gesture::None || event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseReleaseEvent(event);
    if (picture.isNull()) {
        gesture = Gesture::None;
        return;
    }
    DragTo(event->position());
    gesture = Gesture::None;
    UpdateCursor(event->position().toPoint());
    const QPoint corner = NearestCorner(MapToPicture(event->position()), picture.size());
    // Pressed and released on one pixel corner: a click, whatever it began on.
    Q_EMIT SelectionDrawn(corner == pressedAt ? QRect(corner, QSize(0, 0)) : reported);
}

void ImageView::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        if (!picture.isNull() && delta.y() != 0)
            Q_EMIT ZoomAsked(delta.y() / WheelNotch, event->position().toPoint());
        event->accept();
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        // Some systems hand Shift + wheel over already turned across.
        const int notches = delta.y() != 0 ? delta.y() : delta.x();
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value()
                      - int(std::lround(notches / WheelNotch * QApplication::wheelScrollLines()
                                        * bar->singleStep())));
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

bool ImageView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::NativeGesture)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* gestureEvent = static_cast<QNativeGestureEvent*>(event);
    if (gestureEvent->gestureType() == Qt::ZoomNativeGesture && !picture.isNull()
        && gestureEvent->value() > -1)
        Q_EMIT ZoomAsked(std::log1p(gestureEvent->value()) / std::log(PinchNotch),
                         gestureEvent->position().toPoint());
    return true;
}

namespace {
QPoint ArrowDirection(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return {-1, 0};
    case Qt::Key_Right:
        return {1, 0};
    case Qt::Key_Up:
        return {0, -1};
    case Qt::Key_Down:
        return {0, 1};
    default:
        return {};
    }
}
} // namespace

void ImageView::keyPressEvent(QKeyEvent* event)
{
    const QPoint direction = ArrowDirection(event->key());
    if (direction.isNull() || selection.isEmpty() || picture.isNull() || gesture != Gesture::None)
        return QAbstractScrollArea::keyPressEvent(event);
    // One pixel of the screen, and never less than one of the picture.
    const int screenPixel = std::max(1, int(std::lround(1 / Scale())));
    const int step = (event->modifiers() & Qt::ShiftModifier ? ShiftStep : 1) * screenPixel;
    selection = Shaped(MovedInside(selection, direction * step, picture.size()));
    nudged = true;
    viewport()->update();
}

void ImageView::keyReleaseEvent(QKeyEvent* event)
{
    if (ArrowDirection(event->key()).isNull() || event->isAutoRepeat() || !nudged)
        return QAbstractScrollArea::keyReleaseEvent(event);
    nudged = false;
    Q_EMIT SelectionDrawn(selection);
}
