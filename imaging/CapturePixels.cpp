#include "CapturePixels.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
const uint32_t InvalidColour = 0xFFFFFFFF;

// The channel split: signed remainders and floating divisions. For a real colour it gives the
// colour's bytes, which the rows below take directly; the invalid colour gives red -1, green -1,
// blue 255.
int32_t RedOf(uint32_t colour)
{
    return static_cast<int32_t>(colour) % 256;
}

int32_t GreenOf(uint32_t colour)
{
    const auto high = static_cast<int32_t>(colour & 0xFFFFFF00u);
    return static_cast<int32_t>(std::nearbyint(high / 256.0)) % 256;
}

int32_t BlueOf(uint32_t colour)
{
    return static_cast<int32_t>(std::nearbyint((colour & 0x00FF0000u) / 65536.0));
}

// The words of picture row y as QImage::pixel() gives them.
class RowReader
{
public:
    explicit RowReader(const QImage& picture)
        : picture(picture)
        , direct(picture.format() == QImage::Format_RGB32
                 || picture.format() == QImage::Format_ARGB32)
    { }

    const QRgb* Row(int y)
    {
        if (direct)
            return reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        buffer.resize(picture.width());
        for (int x = 0; x < picture.width(); ++x)
            buffer[x] = picture.pixel(x, y);
        return buffer.data();
    }

private:
    const QImage& picture;
    const bool direct;
    std::vector<QRgb> buffer;
};

// Fills grid row y from xFrom to xTo, skipping what lies outside the grid: the channel byte at
// `shift` of the picture's words, and `outside` beyond the picture's right edge.
void StoreRow(ChannelGrid& grid, int y, int xFrom, int xTo, const QRgb* words, int width, int shift,
              int32_t outside)
{
    if (!grid.IsDimensioned() || y < 0 || y > grid.UpperY())
        return;
    xFrom = std::max(xFrom, 0);
    xTo = std::min(xTo, grid.UpperX());
    int32_t* row = grid.Row(y);
    int x = xFrom;
    if (words) {
        for (; x <= xTo && x < width; ++x)
            row[x] = static_cast<int32_t>((words[x] >> shift) & 0xFF);
    }
    for (; x <= xTo; ++x)
        row[x] = outside;
}
} // namespace

uint32_t GetPixel(const QImage& picture, int x, int y)
{
    if (!picture.valid(x, y))
        return InvalidColour;
    const QRgb pixel = picture.pixel(x, y);
    return static_cast<uint32_t>(qRed(pixel)) | static_cast<uint32_t>(qGreen(pixel)) << 8
        | static_cast<uint32_t>(qBlue(pixel)) << 16;
}

void CapturePixels(const QImage& picture, PixelGrid& grid, int16_t xFrom, int16_t yFrom,
                   int16_t xTo, int16_t yTo)
{
    RowReader reader(picture);
    for (int y = yFrom; y <= yTo; ++y) {
        const QRgb* words = y >= 0 && y < picture.height() ? reader.Row(y) : nullptr;
        StoreRow(grid.RedGrid, y, xFrom, xTo, words, picture.width(), 16, RedOf(InvalidColour));
        StoreRow(grid.GreenGrid, y, xFrom, xTo, words, picture.width(), 8, GreenOf(InvalidColour));
        StoreRow(grid.BlueGrid, y, xFrom, xTo, words, picture.width(), 0, BlueOf(InvalidColour));
    }
}
