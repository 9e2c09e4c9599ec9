#pragma once

#include <QImage>
#include <QWidget>

// A picture box that is never shown: it holds a picture (its persistent image) for the program to
// read and draw pixels in. It always takes its picture's size; before the first picture it holds a
// blank one of its design size, so saving it always writes a picture.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture; }
    QImage& Image() { return picture; }

    int ScaleWidth() const { return picture.width(); }
    int ScaleHeight() const { return picture.height(); }

private:
    QImage picture;
};
