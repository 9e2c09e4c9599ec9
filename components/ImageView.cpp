#include "ImageView.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "HeadGuides.h"
#include "ViewGeometry.h"

namespace {

constexpr int ScrollStep = 20;

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
    selection = SpannedRect(anchor, NearestCorner(MapToPicture(viewPoint), picture.size()));
    viewport()->update();
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || picture.isNull())
        return QAbstractScrollArea::mousePressEvent(event);
    dragging = true;
    anchor = NearestCorner(MapToPicture(event->position()), picture.size());
    DragTo(event->position());
}

void ImageView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging)
        return QAbstractScrollArea::mouseMoveEvent(event);
    ScrollTowards(event->position().toPoint());
    DragTo(event->position());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging || event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseReleaseEvent(event);
    dragging = false;
    if (picture.isNull())
        return;
    DragTo(event->position());
    Q_EMIT SelectionDrawn(selection);
}
