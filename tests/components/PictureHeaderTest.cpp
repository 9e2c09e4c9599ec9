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
        ResolutionCase {"ExifWithoutResolution", WithExif(NoJfifDensity, ExifBlock(6, {})), 0, 0},
        ResolutionCase {"Bmp100Dpi", BmpAt(3937), 3937 * 0.0254, 3937 * 0.0254},
        ResolutionCase {"BmpUnrecorded", BmpAt(0), 0, 0},
        ResolutionCase {"NotAPicture", QByteArray("hello, world"), 0, 0},
        ResolutionCase {"Empty", QByteArray(), 0, 0}),
    [](const testing::TestParamInfo<ResolutionCase>& info) { return info.param.name; });

TEST(JpegReachesEndTest, AcceptsWholeStreamsAndTrailingData)
{
    const QByteArray jpeg = WithExif(SmallJpeg(), ExifBlock(6, 72));
    EXPECT_TRUE(JpegReachesEnd(jpeg));
    EXPECT_TRUE(JpegReachesEnd(jpeg + QByteArray(100, '\0')));
}

TEST(JpegReachesEndTest, RefusesEveryCutOfTheStream)
{
    // The APP1 block carries an end-of-image marker of its own, as an embedded thumbnail does.
    const QByteArray jpeg = WithExif(SmallJpeg(), ExifBlock(1, 72) + QByteArray("\xFF\xD9", 2));
    for (qsizetype cut = 0; cut < jpeg.size() - 1; cut += 7)
        EXPECT_FALSE(JpegReachesEnd(jpeg.left(cut))) << "cut at " << cut << " of " << jpeg.size();
    EXPECT_FALSE(JpegReachesEnd(jpeg.left(jpeg.size() - 1)));
}

TEST(JpegReachesEndTest, RefusesWhatIsNotJpeg)
{
    EXPECT_FALSE(JpegReachesEnd(BmpAt(3937)));
    EXPECT_FALSE(JpegReachesEnd(QByteArray("\xFF\xD8\xFF\xD9", 4).left(3)));
}

} // namespace
