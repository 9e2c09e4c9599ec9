#pragma once

#include <cstdint>

#include <QImage>
#include <QWidget>

// An image control: draws its picture stretched to its own size. As an element of a control
// array (a picture button) it reports mouse down, mouse up and click with its index; it then takes
// the focus by Tab, shows a focus ring, is pressed by Space or Return as by the mouse, and is a
// button to assistive technology, named by its accessible name.
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
    // A whole press: down, up and click, as assistive technology asks for it.
    void Press();

Q_SIGNALS:
    void MouseDown(int16_t index);
    void MouseUp(int16_t index);
    void Click(int16_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage picture;
    QImage scaled;
    // The part of the picture that is the button itself, as fractions of the picture: the focus
    // ring goes round it, not round the blank margin some pictures have.
    QRectF body;
    int16_t index;
    bool headGuidesShown = false;
    // A press that finished a double-click begun on another control: after a page change the
    // second click of a double-click lands on a button of the new page, which must not act.
    bool ignoringPress = false;
    // The key holding the button down, or 0.
    int heldKey = 0;
};
