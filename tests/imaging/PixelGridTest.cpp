#include "PixelGrid.h"

#include <functional>

#include <QImage>
#include <gtest/gtest.h>

#include "CapturePixels.h"
#include "Errors.h"
#include "RuntimeError.h"

namespace {
// A 3 x 2 picture of six distinct colours.
QImage SmallPicture(QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    const QRgb colours[2][3] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                                {qRgb(1, 2, 3), qRgb(254, 128, 7), qRgb(255, 255, 255)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            picture.setPixel(x, y, colours[y][x]);
    return picture.convertToFormat(format);
}
} // namespace

TEST(PixelGrid, BoundsAreInclusiveAndChecked)
{
    ChannelGrid grid;
    EXPECT_EQ(ErrorNumberOf([&] { grid(0, 0); }), ErrorNumber::SubscriptOutOfRange);
    grid.Dimension(3, 2);
    EXPECT_EQ(grid(3, 2), 0);
    grid(3, 2) = -7;
    EXPECT_EQ(grid(3, 2), -7);
    for (const std::pair<int, int>& outside : {std::pair {4, 0}, {0, 3}, {-1, 0}, {0, -1}})
        EXPECT_EQ(ErrorNumberOf([&] { grid(outside.first, outside.second) = 1; }),
                  ErrorNumber::SubscriptOutOfRange)
            << outside.first << outside.second;
    EXPECT_EQ(ErrorNumberOf([&] { grid.Dimension(-1, 5); }), ErrorNumber::SubscriptOutOfRange);
}

TEST(PixelGrid, DimensionStartsAgainFromZeros)
{
    PixelGrid grid;
    grid.Dimension(2, 2);
    grid.RedGrid(1, 1) = 10;
    grid.BlueGrid(2, 2) = 20;
    grid.Dimension(5, 1);
    EXPECT_EQ(grid.RedGrid(1, 1), 0);
    EXPECT_EQ(grid.GreenGrid(5, 1), 0);
    EXPECT_EQ(grid.BlueGrid.UpperX(), 5);
    EXPECT_EQ(grid.BlueGrid.UpperY(), 1);
    EXPECT_EQ(ErrorNumberOf([&] { grid.BlueGrid(2, 2); }), ErrorNumber::SubscriptOutOfRange);
    // Rows are contiguous, x running fastest.
    grid.GreenGrid(3, 1) = 42;
    EXPECT_EQ(grid.GreenGrid.Row(1)[3], 42);
}

TEST(CapturePixels, GetPixelGivesBlueGreenRedOrInvalid)
{
    const QImage picture = SmallPicture();
    EXPECT_EQ(GetPixel(picture, 0, 0), 0x000000FFu);
    EXPECT_EQ(GetPixel(picture, 1, 1), 0x000780FEu);
    EXPECT_EQ(GetPixel(picture, 0, 1), 0x00030201u);
    for (const auto& [x, y] : {std::pair {3, 0}, {0, 2}, {-1, 0}, {0, -1}})
        EXPECT_EQ(GetPixel(picture, x, y), 0xFFFFFFFFu) << x << y;
    EXPECT_EQ(GetPixel(QImage(), 0, 0), 0xFFFFFFFFu);
}

TEST(CapturePixels, SplitsAKnownPictureWithTheOutsideColumnAndRow)
{
    PixelGrid grid;
    grid.Dimension(3, 2);
    CapturePixels(SmallPicture(), grid, 0, 0, 3, 2);
    const int red[3][4] = {{255, 0, 0, -1}, {1, 254, 255, -1}, {-1, -1, -1, -1}};
    const int green[3][4] = {{0, 255, 0, -1}, {2, 128, 255, -1}, {-1, -1, -1, -1}};
    const int blue[3][4] = {{0, 0, 255, 255}, {3, 7, 255, 255}, {255, 255, 255, 255}};
    for (int y = 0; y <= 2; ++y) {
        for (int x = 0; x <= 3; ++x) {
            EXPECT_EQ(grid.RedGrid(x, y), red[y][x]) << x << "," << y;
            EXPECT_EQ(grid.GreenGrid(x, y), green[y][x]) << x << "," << y;
            EXPECT_EQ(grid.BlueGrid(x, y), blue[y][x]) << x << "," << y;
        }
    }
}

TEST(CapturePixels, AgreesWithGetPixelInEveryPictureFormat)
{
    QImage source(37, 5, QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgba(x * 7, y * 50, (x * y) % 256, 40 + x * 5));
    const QImage::Format formats[]
        = {QImage::Format_RGB32,  QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
           QImage::Format_RGB888, QImage::Format_RGB16,  QImage::Format_Indexed8};
    for (const auto format : formats) {
        const QImage picture = source.convertToFormat(format);
        PixelGrid grid;
        grid.Dimension(picture.width(), picture.height());
        CapturePixels(picture, grid, 0, 0, picture.width(), picture.height());
        for (int y = 0; y <= picture.height(); ++y) {
            for (int x = 0; x <= picture.width(); ++x) {
                const uint32_t c = GetPixel(picture, x, y);
                const bool inside = c != 0xFFFFFFFFu;
                ASSERT_EQ(grid.RedGrid(x, y), inside ? int(c & 0xFF) : -1) << format;
                ASSERT_EQ(grid.GreenGrid(x, y), inside ? int(c >> 8 & 0xFF) : -1) << format;
                ASSERT_EQ(grid.BlueGrid(x, y), inside ? int(c >> 16 & 0xFF) : 255) << format;
            }
        }
    }
}

TEST(CapturePixels, SkipsWhatLiesOutsideTheGrid)
{
    PixelGrid grid;
    grid.Dimension(1, 1);
    CapturePixels(SmallPicture(), grid, -2, -2, 5, 5);
    EXPECT_EQ(grid.RedGrid(0, 0), 255);
    EXPECT_EQ(grid.GreenGrid(1, 0), 255);
    EXPECT_EQ(grid.BlueGrid(1, 1), 7);

    // Only the given range is written; the rest keeps its zeros.
    grid.Dimension(3, 2);
    CapturePixels(SmallPicture(), grid, 1, 1, 1, 1);
    EXPECT_EQ(grid.RedGrid(1, 1), 254);
    EXPECT_EQ(grid.RedGrid(0, 0), 0);
    EXPECT_EQ(grid.BlueGrid(3, 2), 0);

    PixelGrid never;
    CapturePixels(SmallPicture(), never, 0, 0, 3, 2);
    EXPECT_FALSE(never.RedGrid.IsDimensioned());
}
