#include "PictureBox.h"

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , picture(89, 89, QImage::Format_RGB32)
{
    picture.fill(Qt::white);
    hide();
}

void PictureBox::SetPicture(const QImage& newPicture)
{
    picture = newPicture.isNull() ? QImage() : newPicture.convertToFormat(QImage::Format_RGB32);
}
