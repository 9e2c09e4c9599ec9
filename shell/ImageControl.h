#pragma once

#include <cstdint>

#include <QImage>
#include <QWidget>

// An image control: draws its picture stretched to its own size. As an element of a control
// array (a picture button) it reports mouse down, mouse up and click with its index.
class ImageControl : public QWidget
{
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent, int16_t index = -1);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture; }
    // Head guides over the picture, on screen only.
    void SetHeadGuidesShown(bool shown);
    int16_t Index() const { return index; }

Q_SIGNALS:
    void MouseDown(int16_t index);
    void MouseUp(int16_t index);
    void Click(int16_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture;
    QImage scaled;
    int16_t index;
    bool headGuidesShown = false;
    // A press that finished a double-click begun on another control: after a page change the
    // second click of a double-click lands on a button of the new page, which must not act.
    bool ignoringPress = false;
};
