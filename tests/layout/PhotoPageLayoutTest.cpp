#include "PhotoPageLayout.h"

#include <gtest/gtest.h>

#include "LayoutExpectations.h"

namespace {
// The window at start, the title at its design size, no photo yet.
PhotoPageInput StartInput()
{
    PhotoPageInput input;
    input.W = 11000;
    input.H = 8600;
    input.LblApriFoto = {3870, 360};
    return input;
}

// A photo shown at the given scale (ImagePixelWidth / ImageWidthBase) for a document photo of the
// given size in hundredths of an inch.
PhotoPageInput WithPhoto(int32_t pixelWidth, int32_t widthBase, double photoWidth,
                         double photoHeight)
{
    PhotoPageInput input = StartInput();
    input.HasImage = true;
    input.ImagePixelWidth = pixelWidth;
    input.ImageWidthBase = widthBase;
    input.PhotoWidth = photoWidth;
    input.PhotoHeight = photoHeight;
    return input;
}

// 27 x 35 mm in hundredths of an inch.
constexpr double PassportWidth = 27 / 25.4 * 100;
constexpr double PassportHeight = 35 / 25.4 * 100;
} // namespace

TEST(PhotoPageLayout, PlacesEveryControlAtStartSize)
{
    const PhotoPageLayout page = LayoutPhotoPage(StartInput());
    const ExpectedRect rects[] = {
        {"Image1(1)", page.Image1_1, 3456, 1099, 1207.84, 445.60},
        {"Image1(2)", page.Image1_2, 5760, 1099, 1207.84, 445.60},
        {"LblZoom", page.LblZoom, 4809, 1099, 805.23, 297.06},
        {"Image1(6)", page.Image1_6, 880, 6537, 2493.33, 649.78},
        {"Image1(10)", page.Image1_10, 4253.33, 6537, 2493.33, 649.78},
        {"Image1(17)", page.Image1_17, 7626.67, 6537, 2493.33, 649.78},
        {"Image1(13)", page.Image1_13, 4253.33, 5653, 2493.33, 649.78},
        {"Image1(7)", page.Image1_7, 7920, 4805, 2493.33, 649.78},
        {"LblInquadratura", page.LblInquadratura, 7393.33, 5514.78, 3546.67, 962.22},
        {"Image1(4)", page.Image1_4, 366.67, 1767, 2493.33, 649.78},
        {"Image1(3)", page.Image1_3, 366.67, 2473, 2493.33, 649.78},
        {"Image1(0)", page.Image1_0, 366.67, 3604, 2493.33, 649.78},
        {"Image1(5)", page.Image1_5, 366.67, 4311, 2493.33, 649.78},
        {"LblLuminosita", page.LblLuminosita, 1197.78, 1328.81, 831.11, 433.19},
        {"LblContrasto", page.LblContrasto, 1197.78, 3165.81, 831.11, 433.19},
        {"ImgEdit1", page.ImgEdit1, 2933.33, 1720, 4400, 3057.78},
        {"ShpBordoAnteprima", page.ShpBordoAnteprima, 7700, 1911.11, 2933.33, 2675.56},
        {"LblApriFoto", page.LblApriFoto, 3565, 916, 3870, 360},
    };
    for (const auto& e : rects)
        ExpectNear(e);

    const ExpectedWhole rounded[] = {
        {"Image1(1).Top", page.Image1_1.Top, 1099},
        {"Image1(2).Top", page.Image1_2.Top, 1099},
        {"LblZoom.Top", page.LblZoom.Top, 1099},
        {"Image1(1).Left", page.Image1_1.Left, 3456},
        {"Image1(2).Left", page.Image1_2.Left, 5760},
        {"LblZoom.Left", page.LblZoom.Left, 4809},
        {"Image1(6).Top", page.Image1_6.Top, 6537},
        {"Image1(10).Top", page.Image1_10.Top, 6537},
        {"Image1(17).Top", page.Image1_17.Top, 6537},
        {"Image1(13).Top", page.Image1_13.Top, 5653},
        {"Image1(7).Top", page.Image1_7.Top, 4805},
        {"Image1(4).Top", page.Image1_4.Top, 1767},
        {"Image1(3).Top", page.Image1_3.Top, 2473},
        {"Image1(0).Top", page.Image1_0.Top, 3604},
        {"Image1(5).Top", page.Image1_5.Top, 4311},
        {"Image1(6).Left", page.Image1_6.Left, 880},
        {"LblApriFoto.Left", page.LblApriFoto.Left, 3565},
        {"LblApriFoto.Top", page.LblApriFoto.Top, 916},
    };
    for (const auto& e : rounded)
        ExpectExact(e);
}

TEST(PhotoPageLayout, FitsThePreviewToTheDefaultSelection)
{
    const struct
    {
        const char* name;
        int32_t width, height;
        double left, top, previewWidth, previewHeight;
    } cases[] = {
        {"portrait", 106, 138, 8143, 1916.11, 2047.46, 2665.56},
        {"landscape", 200, 100, 7705, 2518.11, 2923.33, 1461.67},
        // Taller than the frame: the vertical offset is clamped and the preview reaches below.
        {"square", 150, 150, 7705, 1911.11, 2923.33, 2923.33},
        {"no selection yet", 0, 0, 8499, 2581.11, 1335, 1335},
        {"negative", -106, -138, 8499, 2581.11, 1335, 1335},
        {"one side zero", 106, 0, 8499, 2581.11, 1335, 1335},
    };
    for (const auto& c : cases) {
        PhotoPageInput input = StartInput();
        input.DefaultSelectionWidth = c.width;
        input.DefaultSelectionHeight = c.height;
        ExpectNear({c.name, LayoutPhotoPage(input).ImgAnteprima, c.left, c.top, c.previewWidth,
                    c.previewHeight});
    }
}

TEST(PhotoPageLayout, PreviewKeepsItsCurrentSizeWithoutDefaultSelection)
{
    PhotoPageInput input = StartInput();
    input.ImgAnteprima = {2047.46f, 2665.56f};
    const TwipsRect preview = LayoutPhotoPage(input).ImgAnteprima;
    EXPECT_EQ(preview.Width, 2047.46f);
    EXPECT_EQ(preview.Height, 2665.56f);
    EXPECT_NEAR(preview.Left, 8143, Hundredth);
    EXPECT_NEAR(preview.Top, 1916.11, Hundredth);
}

TEST(PhotoPageLayout, DefaultSelectionScalesThePhotoSizeIntoImagePixels)
{
    const struct
    {
        const char* name;
        PhotoPageInput input;
        int32_t width, height;
    } cases[] = {
        {"passport at scale 1", WithPhoto(1000, 1000, PassportWidth, PassportHeight), 106, 138},
        {"passport at scale 2", WithPhoto(2000, 1000, PassportWidth, PassportHeight), 213, 276},
        // 7.5 and 4.5: halves go to the even neighbour.
        {"halves", WithPhoto(3, 2, 5, 3), 8, 4},
        {"halves at scale 1", WithPhoto(1, 1, 100.5, 101.5), 100, 102},
        {"negative scale", WithPhoto(-1000, 1000, PassportWidth, PassportHeight), -106, -138},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PhotoPageLayout page = LayoutPhotoPage(c.input);
        EXPECT_TRUE(page.SetsDefaultSelection);
        EXPECT_EQ(page.DefaultSelectionWidth, c.width);
        EXPECT_EQ(page.DefaultSelectionHeight, c.height);
    }
}

TEST(PhotoPageLayout, DefaultSelectionDrivesThePreviewInTheSameRun)
{
    PhotoPageInput input = WithPhoto(1000, 1000, PassportWidth, PassportHeight);
    input.DefaultSelectionWidth = 200;
    input.DefaultSelectionHeight = 100;
    ExpectNear({"portrait from the photo", LayoutPhotoPage(input).ImgAnteprima, 8143, 1916.11,
                2047.46, 2665.56});
}

TEST(PhotoPageLayout, NoPhotoKeepsTheDefaultSelection)
{
    PhotoPageInput input = StartInput();
    input.DefaultSelectionWidth = 213;
    input.DefaultSelectionHeight = 276;
    input.ImageWidthBase = 0; // not read without a photo
    input.PhotoWidth = PassportHeight;
    const PhotoPageLayout page = LayoutPhotoPage(input);
    EXPECT_FALSE(page.SetsDefaultSelection);
    EXPECT_EQ(page.DefaultSelectionWidth, 213);
    EXPECT_EQ(page.DefaultSelectionHeight, 276);
}

TEST(PhotoPageLayout, RaisesTheRuntimeErrors)
{
    const struct
    {
        const char* name;
        PhotoPageInput input;
        int error;
    } cases[] = {
        {"image width base 0", WithPhoto(1000, 0, PassportWidth, PassportHeight),
         ErrorNumber::DivisionByZero},
        {"selection beyond 32 bits", WithPhoto(1000, 1000, 3e9, PassportHeight),
         ErrorNumber::Overflow},
        {"selection height beyond 32 bits", WithPhoto(1000, 1, PassportWidth, 3e6),
         ErrorNumber::Overflow},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorNumberOf([&] { LayoutPhotoPage(c.input); }), c.error) << c.name;
}
