#pragma once

#include <cstdint>
#include <optional>

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>

// Small picture files built byte by byte, so each test knows exactly what the file records.

inline QByteArray EncodedPicture(const QImage& picture, const char* format, int quality = 95)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, quality);
    return bytes;
}

// A picture file made by ImageMagick's convert from the arguments given, for the formats and
// codings Qt does not write (GIF, RLE-compressed BMP); the last argument names the output as
// "format:-".
inline QByteArray ConvertedPicture(const QStringList& arguments)
{
    QProcess convert;
    convert.start(QStringLiteral("convert"), arguments);
    convert.waitForFinished();
    return convert.readAllStandardOutput();
}

inline QByteArray Rle8Bmp()
{
    return ConvertedPicture({"-size", "40x20", "pattern:checkerboard", "-type", "Palette",
                             "-compress", "RLE", "bmp3:-"});
}

inline QByteArray SmallGif()
{
    return ConvertedPicture({"-seed", "3", "-size", "30x20", "plasma:fractal", "gif:-"});
}

// Qt writes the JFIF segment first: units at byte 13, densities at 14 and 16.
inline QByteArray WithJfifDensity(QByteArray jpeg, uint8_t units, uint16_t x, uint16_t y)
{
    jpeg[13] = char(units);
    jpeg[14] = char(x >> 8);
    jpeg[15] = char(x & 0xFF);
    jpeg[16] = char(y >> 8);
    jpeg[17] = char(y & 0xFF);
    return jpeg;
}

// A BMP's info header keeps its pixels per metre at bytes 38 and 42, little-endian.
inline QByteArray WithBmpDensity(QByteArray bmp, int32_t pixelsPerMetre)
{
    for (int at : {38, 42})
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = char((pixelsPerMetre >> (8 * i)) & 0xFF);
    return bmp;
}

// An EXIF block ("Exif\0\0" and a TIFF directory) with an orientation and a resolution in dots
// per inch, as a camera writes them.
// `dpi` is in the resolution unit `unit`: 2 inches, 3 centimetres, 1 none.
inline QByteArray ExifBlock(std::optional<uint16_t> orientation, std::optional<uint32_t> dpi,
                            QDataStream::ByteOrder order = QDataStream::BigEndian,
                            uint16_t unit = 2)
{
    QByteArray tiff;
    QDataStream out(&tiff, QIODevice::WriteOnly);
    out.setByteOrder(order);
    out.writeRawData(order == QDataStream::BigEndian ? "MM" : "II", 2);
    out << quint16(42) << quint32(8);
    const quint16 count = (orientation ? 1 : 0) + (dpi ? 3 : 0);
    const quint32 data = 8 + 2 + count * 12 + 4;
    out << count;
    if (orientation)
        out << quint16(0x0112) << quint16(3) << quint32(1) << *orientation << quint16(0);
    if (dpi) {
        out << quint16(0x011A) << quint16(5) << quint32(1) << data;
        out << quint16(0x011B) << quint16(5) << quint32(1) << quint32(data + 8);
        out << quint16(0x0128) << quint16(3) << quint32(1) << unit << quint16(0);
    }
    out << quint32(0);
    if (dpi)
        out << *dpi << quint32(1) << *dpi << quint32(1);
    return QByteArray("Exif\0\0", 6) + tiff;
}

// Inserts an APP1 segment holding `exif` right after the JFIF segment.
inline QByteArray WithExif(const QByteArray& jpeg, const QByteArray& exif)
{
    const int afterJfif = 4 + (uint8_t(jpeg[4]) << 8 | uint8_t(jpeg[5]));
    const int length = int(exif.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(exif);
    return jpeg.left(afterJfif) + segment + jpeg.mid(afterJfif);
}

// Rewrites the frame size in the JPEG's baseline or progressive frame header, nothing else.
inline QByteArray WithFrameSize(QByteArray jpeg, int width, int height)
{
    qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        frame = jpeg.indexOf(QByteArray("\xFF\xC2", 2));
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A picture whose every pixel differs from its neighbours, so a copy one pixel off shows.
inline QImage PatternPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 7 + y * 3) & 0xFF, (x * 13 + y * 29) & 0xFF, (x ^ y) & 0xFF);
    }
    return picture;
}

inline QImage FilledPicture(int width, int height, QColor colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}
