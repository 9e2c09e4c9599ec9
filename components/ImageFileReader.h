#pragma once

#include <QImage>
#include <QString>

// A picture file read for showing: upright by its EXIF orientation, in Format_RGB32, with the
// horizontal resolution its file records (96 dpi when it records none).
struct ImageFile
{
    QImage image;
    double dpiAcross = 96;
};

// Pictures that decode to more than this are refused: room for 100-megapixel photos.
constexpr int MaximumDecodedMegabytes = 512;

// Reads a picture file. A missing file raises 53; an unreadable, unsupported, truncated, empty or
// too large picture raises 481. Both descriptions name the file.
ImageFile ReadImageFile(const QString& path);
