#pragma once

#include <QImage>
#include <QString>

// The one way the program reads and writes picture files.

// A picture as read: upright by its EXIF orientation, in Format_RGB32, with the horizontal
// density its file records, 96 dpi when it records none or one no camera or scanner writes.
struct Picture
{
    QImage image;
    double dpiAcross = 96;
};

// Files beyond this are no photo: refused before they are read.
constexpr qint64 MaximumPictureFileMegabytes = 200;
// Pictures that decode to more than this are refused: room for 100-megapixel photos.
constexpr int MaximumDecodedMegabytes = 512;

// Reads a picture file. A missing file raises 53. Anything but a regular file, a file too large,
// one that is not a picture, a picture declaring more pixels than its file can hold, and a
// truncated or damaged one raise 481, before the pixels are decoded where the file tells.
// Both descriptions name the file and say what is wrong.
Picture ReadPicture(const QString& path);

// The picture of ReadPicture alone.
QImage LoadPicture(const QString& path);

enum class PictureFormat { Bmp, Jpeg };

// Writes a picture: a BMP, or a JPEG at quality 95 without chroma subsampling recording 100 dpi.
// The file is written new beside its name and renamed over it, so a symbolic link at the name is
// replaced, never followed, and a failure leaves the previous file whole and no other file behind.
// The new file is for the user alone (0600) when the working files are private (WorkingFolder.h).
// A file that cannot be written raises 75 naming it and saying why.
void SavePicture(const QImage& picture, const QString& path,
                 PictureFormat format = PictureFormat::Bmp);
