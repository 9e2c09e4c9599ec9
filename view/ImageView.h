#pragma once

#include <functional>

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointF>
#include <QRect>

#include "ViewGeometry.h"

// The scrolling, zooming view inside ImageEdit. It shows the picture it is given, draws the
// selection and lets the left button drag a new one, move it (from inside) or resize it (from a
// corner handle); the arrow keys move it too. All rectangles it takes and gives are in picture
// pixels.
class ImageView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ImageView(QWidget* parent = nullptr);

    // Shows this picture, scrolled to the top-left corner when its size differs from the last.
    void SetPicture(const QImage& shown);

    double Zoom() const { return zoom; }
    void SetZoom(double percent);
    // Zooms keeping the picture point under this viewport point where it is.
    void SetZoomAt(double percent, QPoint viewPoint);
    void FitToView();
    void SetScrollPercent(Qt::Orientation orientation, int percent);

    QRect Selection() const { return selection; }
    void SetSelection(const QRect& rect);
    // Centres the view on the selection when it is not wholly in sight.
    void ShowSelection();

    // Whether the head guides are drawn inside the selection.
    void SetHeadGuidesShown(bool shown);
    // What the owner will keep of a selection the user makes: the band shows that while the
    // user drags, and a resize keeps the size it gives.
    void SetSelectionShape(std::function<QRect(const QRect&)> shape);

Q_SIGNALS:
    // The user ended a drag, a move or a resize over this rectangle, or let go of an arrow key.
    void SelectionDrawn(const QRect& rect);
    // Ctrl + wheel or a pinch over this viewport point, in notches of the wheel.
    void ZoomAsked(double steps, QPoint viewPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    enum class Gesture { None, Drawing, Moving, Resizing };

    double Scale() const { return zoom / 100; }
    QSize ContentSize() const;
    QSize ViewSize() const;
    QPointF Origin() const;
    QPointF MapToPicture(QPointF viewPoint) const;
    QRect MapToView(const QRect& pictureRect) const;
    void UpdateScrollBars();
    void CentreOn(QPointF picturePoint);
    void ScrollTowards(QPoint viewPoint);
    void DragTo(QPointF viewPoint);
    QRect Shaped(const QRect& rect) const;
    SelectionPart PartUnder(QPoint viewPoint) const;
    void UpdateCursor(QPoint viewPoint);
    void UpdateCache(const QRect& visible);

    QImage picture;
    double zoom = 100;
    QRect selection;
    bool headGuidesShown = false;
    std::function<QRect(const QRect&)> shape;
    Gesture gesture = Gesture::None;
    // Drawing and resizing: the pixel corner that stays; moving: the picture point pressed.
    QPoint anchor;
    // The selection when the gesture began, and the rectangle it will report.
    QRect pressed;
    QRect reported;
    // The pixel corner pressed: a release on it is a click.
    QPoint pressedAt;
    bool nudged = false;

    // The smoothly scaled picture of the region last visible: repaints and selection drags
    // reuse it instead of rescaling the photo.
    QImage cache;
    QRect cacheSource;
    double cacheZoom = 0;
};
