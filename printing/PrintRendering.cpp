#include "PrintRendering.h"

#include <QPainter>

QImage RenderFineSheet(const QImage& sheetTemplate, const QImage& fineCopy,
                       const QList<PlacedCopy>& copies, const QColor& markColour, int scale)
{
    QImage fine = sheetTemplate.convertToFormat(QImage::Format_RGB32)
                      .scaled(sheetTemplate.size() * scale, Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation);
    QPainter painter(&fine);
    for (const PlacedCopy& copy : copies) {
        painter.drawImage(copy.at * scale, fineCopy);
        for (const QRect& pixel : copy.markPixels)
            painter.fillRect(QRect(pixel.topLeft() * scale, pixel.size() * scale), markColour);
    }
    return fine;
}
