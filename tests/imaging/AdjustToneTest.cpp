#include "AdjustTone.h"

#include <functional>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "CapturePixels.h"
#include "Errors.h"
#include "PixelGrid.h"
#include "RuntimeError.h"

namespace {
std::vector<ToneKernel> SupportedKernels()
{
    std::vector<ToneKernel> kernels;
    for (const auto kernel : {ToneKernel::Portable, ToneKernel::Avx2, ToneKernel::Avx512})
        if (IsSupported(kernel))
            kernels.push_back(kernel);
    return kernels;
}

// A grid of width x height pixels (plus the capture's extra column and row) of one colour.
PixelGrid PlainGrid(int width, int height, QRgb colour)
{
    PixelGrid grid;
    grid.Dimension(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            grid.RedGrid(x, y) = qRed(colour);
            grid.GreenGrid(x, y) = qGreen(colour);
            grid.BlueGrid(x, y) = qBlue(colour);
        }
    }
    return grid;
}

// Every colour once: red runs fastest, then green, then blue.
PixelGrid EveryColour()
{
    PixelGrid grid;
    grid.Dimension(4096, 4096);
    for (int y = 0; y < 4096; ++y) {
        for (int x = 0; x < 4096; ++x) {
            const int i = y * 4096 + x;
            grid.RedGrid.Row(y)[x] = i & 0xFF;
            grid.GreenGrid.Row(y)[x] = i >> 8 & 0xFF;
            grid.BlueGrid.Row(y)[x] = i >> 16;
        }
    }
    return grid;
}
} // namespace

TEST(AdjustTone, PixelEdgeCases)
{
    const struct
    {
        QRgb in;
        int brightness, contrast;
        QRgb out;
    } cases[] = {
        {qRgb(0, 5, 5), 0, 0, qRgb(0, 4, 5)},
        {qRgb(200, 100, 50), 0, 0, qRgb(200, 100, 49)},
        {qRgb(0, 0, 0), -100, 0, qRgb(255, 255, 255)},
        {qRgb(255, 255, 255), 100, 0, qRgb(255, 255, 255)},
        {qRgb(255, 255, 255), -100, 0, qRgb(0, 0, 0)},
        {qRgb(128, 128, 128), 0, 10, qRgb(140, 115, 115)},
        {qRgb(128, 128, 128), 0, -10, qRgb(115, 140, 140)},
        {qRgb(255, 0, 0), 0, -100, qRgb(127, 127, 127)},
        {qRgb(255, 0, 0), -100, 0, qRgb(255, 0, 0)},
        {qRgb(255, 0, 0), 0, 0, qRgb(255, 0, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AdjustPixel(qRed(c.in), qGreen(c.in), qBlue(c.in), c.brightness, c.contrast),
                  c.out)
            << std::hex << c.in << std::dec << " " << c.brightness << " " << c.contrast;
        // 19 columns take every kernel through its full vectors and its leftover pixels.
        const PixelGrid grid = PlainGrid(19, 2, c.in);
        for (const auto kernel : SupportedKernels()) {
            QImage picture(19, 2, QImage::Format_RGB32);
            AdjustTone(grid, c.brightness, c.contrast, picture, kernel);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 19; ++x)
                    ASSERT_EQ(picture.pixel(x, y), c.out)
                        << int(kernel) << " " << std::hex << c.in << std::dec << " " << c.brightness
                        << " " << c.contrast;
        }
    }
}

TEST(AdjustTone, RecomputesTheCaptureEachTime)
{
    QImage photo(23, 9, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 11, 255 - y * 20, (x * y * 3) % 256));
    PixelGrid grid;
    grid.Dimension(photo.width(), photo.height());
    CapturePixels(photo, grid, 0, 0, photo.width(), photo.height());

    QImage picture = photo;
    AdjustTone(grid, 30, -40, picture);
    AdjustTone(grid, 7, 3, picture);
    ASSERT_EQ(picture.size(), photo.size());
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x) {
            const QRgb c = photo.pixel(x, y);
            ASSERT_EQ(picture.pixel(x, y), AdjustPixel(qRed(c), qGreen(c), qBlue(c), 7, 3))
                << x << "," << y;
        }
    }
    // Another format is made the preview's own.
    QImage argb(photo.size(), QImage::Format_ARGB32);
    AdjustTone(grid, 7, 3, argb);
    EXPECT_EQ(argb.format(), QImage::Format_RGB32);
    EXPECT_EQ(argb, picture);
}

TEST(AdjustTone, AGridThatDoesNotCoverThePictureRaisesBeforeWriting)
{
    QImage picture(10, 4, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    const QImage before = picture;

    PixelGrid never;
    EXPECT_EQ(ErrorNumberOf([&] { AdjustTone(never, 0, 0, picture); }),
              ErrorNumber::SubscriptOutOfRange);
    PixelGrid narrow = PlainGrid(8, 4, qRgb(9, 9, 9));
    EXPECT_EQ(ErrorNumberOf([&] { AdjustTone(narrow, 0, 0, picture); }),
              ErrorNumber::SubscriptOutOfRange);
    PixelGrid blueShort = PlainGrid(10, 4, qRgb(9, 9, 9));
    blueShort.BlueGrid.Dimension(10, 2);
    EXPECT_EQ(ErrorNumberOf([&] { AdjustTone(blueShort, 0, 0, picture); }),
              ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(picture, before);

    // A grid exactly the picture's size is enough: the extra column and row are never read.
    PixelGrid exact;
    exact.Dimension(9, 3);
    AdjustTone(exact, 0, 0, picture);
    EXPECT_EQ(picture.pixel(9, 3), qRgb(0, 0, 0));
}

TEST(AdjustTone, EveryKernelMatchesThePlainEvaluationOnEveryColour)
{
    const PixelGrid grid = EveryColour();
    const std::pair<int, int> steps[] = {{0, 0}, {37, -12}, {-100, 100}, {100, -100}};
    std::vector<QRgb> expected(4096 * 4096);
    for (const auto& [brightness, contrast] : steps) {
        for (int i = 0; i < 4096 * 4096; ++i)
            expected[i] = AdjustPixel(i & 0xFF, i >> 8 & 0xFF, i >> 16, brightness, contrast);
        for (const auto kernel : SupportedKernels()) {
            QImage picture(4096, 4096, QImage::Format_RGB32);
            AdjustTone(grid, brightness, contrast, picture, kernel);
            for (int y = 0; y < 4096; ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
                for (int x = 0; x < 4096; ++x) {
                    ASSERT_EQ(row[x], expected[y * 4096 + x])
                        << "kernel " << int(kernel) << " colour " << x << "," << y << " steps "
                        << brightness << "," << contrast;
                }
            }
        }
    }
}
