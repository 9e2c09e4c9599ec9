#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointF>
#include <QRect>

// The scrolling, zooming view inside ImageEdit. It shows the picture it is given, draws the
// selection and lets the left button drag a new one. All rectangles it takes and gives are in
// picture pixels.
class ImageView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ImageView(QWidget* parent = nullptr);

    // Shows this picture, scrolled to the top-left corner when its size differs from the last.
    void SetPicture(const QImage& shown);

    double Zoom() const { return zoom; }
    void SetZoom(double percent);
    void FitToView();
    void SetScrollPercent(Qt::Orientation orientation, int percent);

    QRect Selection() const { return selection; }
    void SetSelection(const QRect& rect);
    // Centres the view on the selection when it is not wholly in sight.
    void ShowSelection();

    // Whether the head guides are drawn inside the selection.
    void SetHeadGuidesShown(bool shown);

Q_SIGNALS:
    // The user ended a drag over this rectangle.
    void SelectionDrawn(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
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
    void UpdateCache(const QRect& visible);

    QImage picture;
    double zoom = 100;
    QRect selection;
    bool headGuidesShown = false;
    bool dragging = false;
    QPoint anchor;

    // The smoothly scaled picture of the region last visible: repaints and selection drags
    // reuse it instead of rescaling the photo.
    QImage cache;
    QRect cacheSource;
    double cacheZoom = 0;
};
