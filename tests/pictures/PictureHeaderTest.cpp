#include "PictureHeader.h"

#include <ostream>

#include <QImage>
#include <gtest/gtest.h>

#include "PictureFixtures.h"

namespace {

QByteArray SmallJpeg()
{
    return EncodedPicture(PatternPicture(48, 32), "JPEG");
}

QByteArray BmpAt(int32_t pixelsPerMetre)
{
    return WithBmpDensity(EncodedPicture(PatternPicture(12, 8), "BMP"), pixelsPerMetre);
}

struct ResolutionCase
{
    const char* name;
    QByteArray file;
    double x;
    double y;

    friend void PrintTo(const ResolutionCase& c, std::ostream* out) { *out << c.name; }
};

class RecordedResolutionTest : public testing::TestWithParam<ResolutionCase>
{
};

TEST_P(RecordedResolutionTest, ReadsWhatTheFileRecords)
{
    const RecordedResolution resolution = ReadRecordedResolution(GetParam().file);
    EXPECT_NEAR(resolution.x, GetParam().x, 1e-6);
    EXPECT_NEAR(resolution.y, GetParam().y, 1e-6);
}

const QByteArray NoJfifDensity = WithJfifDensity(SmallJpeg(), 0, 1, 1);

INSTANTIATE_TEST_SUITE_P(
    Files, RecordedResolutionTest,
    testing::Values(
        ResolutionCase {"JfifDotsPerInch", WithJfifDensity(SmallJpeg(), 1, 300, 300), 300, 300},
        ResolutionCase {"JfifDotsPerCentimetre", WithJfifDensity(SmallJpeg(), 2, 100, 50), 254,
                        127},
        ResolutionCase {"JfifAspectOnly", NoJfifDensity, 0, 0},
        ResolutionCase {"ExifBigEndian", WithExif(NoJfifDensity, ExifBlock(std::nullopt, 72)), 72,
                        72},
        ResolutionCase {"ExifLittleEndian",
                        WithExif(NoJfifDensity, ExifBlock(1, 240, QDataStream::LittleEndian)), 240,
                        240},
        ResolutionCase {
            "JfifBeforeExif",
            WithExif(WithJfifDensity(SmallJpeg(), 1, 300, 300), ExifBlock(std::nullopt, 72)), 300,
            300},
        ResolutionCase {
            "ExifDotsPerCentimetre",
            WithExif(NoJfifDensity, ExifBlock(std::nullopt, 100, QDataStream::BigEndian, 3)), 254,
            254},
        ResolutionCase {
            "ExifWithoutUnit",
            WithExif(NoJfifDensity, ExifBlock(std::nullopt, 100, QDataStream::BigEndian, 1)), 0, 0},
        ResolutionCase {"ExifWithoutResolution", WithExif(NoJfifDensity, ExifBlock(6, {})), 0, 0},
        ResolutionCase {"Bmp100Dpi", BmpAt(3937), 3937 * 0.0254, 3937 * 0.0254},
        ResolutionCase {"BmpUnrecorded", BmpAt(0), 0, 0},
        ResolutionCase {"NotAPicture", QByteArray("hello, world"), 0, 0},
        ResolutionCase {"Empty", QByteArray(), 0, 0}),
    [](const testing::TestParamInfo<ResolutionCase>& info) { return info.param.name; });

struct WholeCase
{
    const char* name;
    QByteArray file;

    friend void PrintTo(const WholeCase& c, std::ostream* out) { *out << c.name; }
};

class PictureIsWholeTest : public testing::TestWithParam<WholeCase>
{
};

TEST_P(PictureIsWholeTest, AcceptsTheWholeFileAndRefusesEveryCut)
{
    const QByteArray& file = GetParam().file;
    EXPECT_TRUE(PictureIsWhole(file));
    EXPECT_TRUE(PictureIsWhole(file + QByteArray(16, '\0'))) << "trailing bytes";
    // From past the signature, which tells the format.
    for (qsizetype cut = 8; cut < file.size(); cut += 5)
        EXPECT_FALSE(PictureIsWhole(file.left(cut))) << "cut at " << cut << " of " << file.size();
    EXPECT_FALSE(PictureIsWhole(file.left(file.size() - 1)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, PictureIsWholeTest,
    testing::Values(WholeCase {"Bmp", EncodedPicture(PatternPicture(13, 7), "BMP")},
                    WholeCase {"BmpRle8", Rle8Bmp()}, WholeCase {"Gif", SmallGif()},
                    WholeCase {"Png", EncodedPicture(PatternPicture(30, 20), "PNG")}),
    [](const testing::TestParamInfo<WholeCase>& info) { return info.param.name; });

TEST(PictureIsWholeTest, LeavesOtherFormatsToTheirDecoders)
{
    EXPECT_TRUE(PictureIsWhole(SmallJpeg().left(100)));
    EXPECT_TRUE(PictureIsWhole(QByteArray("hello, world")));
}

} // namespace
