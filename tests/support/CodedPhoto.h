#pragma once

#include <QImage>

// A photo with a different colour at every pixel, so that any shift of a captured region shows.
inline QImage CodedPhoto(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            photo.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x + y) % 256));
    return photo;
}
