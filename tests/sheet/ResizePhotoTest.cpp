#include "ResizePhoto.h"

#include <cstdlib>
#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ApplicationFolder.h"
#include "RuntimeError.h"

namespace {
struct Document
{
    const char* name;
    double widthMm;
    double heightMm;
    QSize pixels;
};

const Document documents[] = {
    {"passport", 27, 35, {106, 138}},
    {"identity card", 40, 45, {157, 177}},
    {"driving licence", 54, 60, {213, 236}},
};

double HundredthsOfInch(double mm)
{
    return mm / 25.4 * 100;
}

void ResizeFor(const Document& d)
{
    ResizePhoto(HundredthsOfInch(d.widthMm), HundredthsOfInch(d.heightMm));
}

QImage Flat(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

int MaxChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The largest distance from `colour` over the columns [left, right) of `image`.
int MaxDistanceInColumns(const QImage& image, int left, int right, QColor colour)
{
    int worst = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < right; ++x)
            worst = std::max(worst, MaxChannelDistance(image.pixel(x, y), colour.rgb()));
    return worst;
}

class ResizePhotoTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        SetApplicationFolder(folder.path());
    }
    void TearDown() override { SetApplicationFolder(QString()); }

    QString Source() const { return folder.filePath(QStringLiteral("FotoAppoggio.bmp")); }
    QString Result() const { return folder.filePath(QStringLiteral("FotoResize.bmp")); }

    void WriteSource(const QImage& image) const { ASSERT_TRUE(image.save(Source(), "BMP")); }

    QImage ReadResult() const
    {
        QImageReader reader(Result());
        EXPECT_EQ(reader.format(), QByteArray("bmp"));
        return reader.read();
    }

    QByteArray Bytes(const QString& path) const
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    // Runs `action`, expecting it to raise `number` with a description that names `path`.
    void ExpectError(const std::function<void()>& action, int number, const QString& path) const
    {
        try {
            action();
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), number) << e.Description().toStdString();
            EXPECT_TRUE(e.Description().contains(path)) << e.Description().toStdString();
        }
    }

    QTemporaryDir folder;
};
} // namespace

TEST_F(ResizePhotoTest, WritesTheDocumentSizeWhateverTheInputSize)
{
    const QSize inputs[] = {{1, 1}, {106, 138}, {3000, 4000}, {4000, 300}, {1, 2000}, {2000, 1}};
    for (const QSize input : inputs) {
        WriteSource(Flat(input, Qt::gray));
        for (const Document& d : documents) {
            ResizeFor(d);
            EXPECT_EQ(ReadResult().size(), d.pixels)
                << d.name << " from " << input.width() << " x " << input.height();
        }
    }
}

TEST_F(ResizePhotoTest, KeepsFlatColours)
{
    const struct
    {
        QSize input;
        QColor colour;
    } cases[] = {{{1, 1}, QColor(200, 120, 40)},        {{300, 400}, QColor(12, 250, 99)},
                 {{1500, 1950}, QColor(255, 255, 255)}, {{1500, 1950}, QColor(127, 127, 127)},
                 {{4000, 300}, QColor(0, 0, 0)},        {{53, 69}, QColor(128, 64, 192)}};
    for (const auto& c : cases) {
        WriteSource(Flat(c.input, c.colour));
        ResizeFor(documents[0]);
        const QImage result = ReadResult();
        EXPECT_EQ(MaxDistanceInColumns(result, 0, result.width(), c.colour), 0)
            << c.colour.name().toStdString() << " from " << c.input.width() << " x "
            << c.input.height();
    }
}

TEST(ResamplePhoto, KeepsFlatColoursExactAtEveryShrink)
{
    // White and light backgrounds, greys and skin tones.
    const QColor colours[] = {{255, 255, 255}, {250, 249, 247}, {127, 127, 127},
                              {255, 224, 196}, {224, 172, 150}, {141, 85, 36}};
    const double shrinks[] = {1.5, 2.5, 7.3, 14.1, 40};
    // The copies of a passport sheet on screen and on paper.
    const QSize targets[] = {{106, 138}, {318, 414}};
    for (const QSize target : targets) {
        for (const double shrink : shrinks) {
            // Each axis shrinks on its own: one at the factor, the other 2x, so that 40x stays
            // a few megapixels.
            const QSize inputs[] = {QSize(qRound(target.width() * shrink), target.height() * 2),
                                    QSize(target.width() * 2, qRound(target.height() * shrink))};
            for (const QSize input : inputs) {
                for (const QColor& colour : colours) {
                    const QImage result = ResamplePhoto(Flat(input, colour), target);
                    ASSERT_EQ(result.size(), target);
                    EXPECT_EQ(MaxDistanceInColumns(result, 0, result.width(), colour), 0)
                        << colour.name().toStdString() << " from " << input.width() << " x "
                        << input.height() << " to " << target.width() << " x " << target.height();
                }
            }
        }
    }
    // A whole 4000 x 5200 phone photo of a white wall, as a passport copy and as its print.
    for (const QSize target : targets)
        EXPECT_EQ(MaxDistanceInColumns(ResamplePhoto(Flat({4000, 5200}, Qt::white), target), 0,
                                       target.width(), Qt::white),
                  0);
}

TEST_F(ResizePhotoTest, KeepsLeftAndRightHalvesApart)
{
    const QSize inputs[] = {{300, 400}, {106, 138}, {4000, 300}, {20, 20}};
    for (const QSize input : inputs) {
        QImage source = Flat(input, Qt::blue);
        for (int y = 0; y < input.height(); ++y)
            for (int x = 0; x < input.width() / 2; ++x)
                source.setPixel(x, y, qRgb(255, 0, 0));
        WriteSource(source);
        for (const Document& d : documents) {
            ResizeFor(d);
            const QImage result = ReadResult();
            // The filter blends only near the seam in the middle.
            const int third = result.width() / 3;
            EXPECT_LE(MaxDistanceInColumns(result, 0, third, Qt::red), 2)
                << d.name << " from " << input.width() << " x " << input.height();
            EXPECT_LE(
                MaxDistanceInColumns(result, result.width() - third, result.width(), Qt::blue), 2)
                << d.name << " from " << input.width() << " x " << input.height();
        }
    }
}

TEST_F(ResizePhotoTest, ReadsGrayscaleAndIndexedPhotos)
{
    QImage indexed(40, 50, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 200, 30)});
    indexed.fill(0);
    QImage gray(40, 50, QImage::Format_Grayscale8);
    gray.fill(QColor(77, 77, 77));
    const struct
    {
        QImage image;
        QColor colour;
    } cases[] = {{indexed, QColor(10, 200, 30)},
                 {gray, QColor(77, 77, 77)},
                 {Flat({40, 50}, Qt::white).convertToFormat(QImage::Format_Mono), Qt::white}};
    for (const auto& c : cases) {
        WriteSource(c.image);
        ResizeFor(documents[1]);
        const QImage result = ReadResult();
        EXPECT_EQ(result.size(), documents[1].pixels) << c.image.format();
        EXPECT_LE(MaxDistanceInColumns(result, 0, result.width(), c.colour), 2) << c.image.format();
    }
}

TEST_F(ResizePhotoTest, RepeatedCallsWriteTheSameFile)
{
    QImage source(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    WriteSource(source);
    ResizeFor(documents[2]);
    const QByteArray first = Bytes(Result());
    ResizeFor(documents[2]);
    EXPECT_EQ(Bytes(Result()), first);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("FotoAppoggio.bmp"), QStringLiteral("FotoResize.bmp")}));
}

TEST_F(ResizePhotoTest, FailuresLeaveTheEarlierResultUntouched)
{
    WriteSource(Flat({50, 60}, Qt::green));
    ResizeFor(documents[0]);
    const QByteArray earlier = Bytes(Result());

    ASSERT_TRUE(QFile::remove(Source()));
    ExpectError([] { ResizeFor(documents[1]); }, ErrorNumber::FileNotFound, Source());
    EXPECT_EQ(Bytes(Result()), earlier);

    const struct
    {
        const char* name;
        QByteArray content;
    } corrupt[] = {{"empty", QByteArray()},
                   {"not a picture", QByteArray("no bitmap here")},
                   {"truncated", QByteArray("BM") + QByteArray(40, '\xff')}};
    for (const auto& c : corrupt) {
        QFile file(Source());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.content);
        file.close();
        ExpectError([] { ResizeFor(documents[1]); }, ErrorNumber::InvalidPicture, Source());
        EXPECT_EQ(Bytes(Result()), earlier) << c.name;
    }
}

TEST_F(ResizePhotoTest, TruncatedPhotoIsRefusedInsteadOfResampled)
{
    WriteSource(Flat({300, 400}, Qt::green));
    const QByteArray whole = Bytes(Source());
    QFile file(Source());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(whole.left(whole.size() / 2));
    file.close();
    ExpectError([] { ResizeFor(documents[0]); }, ErrorNumber::InvalidPicture, Source());
    EXPECT_FALSE(QFile::exists(Result()));
}

TEST_F(ResizePhotoTest, ALinkPlantedAtTheResultIsReplacedNotFollowed)
{
    QTemporaryDir outside;
    const QString victim = outside.filePath(QStringLiteral("victim"));
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    ASSERT_TRUE(QFile::link(victim, Result()));
    WriteSource(Flat({50, 60}, Qt::green));
    ResizeFor(documents[0]);
    EXPECT_FALSE(QFileInfo(Result()).isSymLink());
    EXPECT_EQ(ReadResult().size(), documents[0].pixels);
    EXPECT_EQ(Bytes(victim), QByteArray("keep me"));
}

TEST_F(ResizePhotoTest, MissingSourceLeavesNoResult)
{
    ExpectError([] { ResizeFor(documents[0]); }, ErrorNumber::FileNotFound, Source());
    EXPECT_FALSE(QFile::exists(Result()));
}

TEST_F(ResizePhotoTest, UnwritableResultRaisesAccessError)
{
    WriteSource(Flat({50, 60}, Qt::green));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("FotoResize.bmp")));
    ExpectError([] { ResizeFor(documents[0]); }, ErrorNumber::PathFileAccess, Result());
}

TEST_F(ResizePhotoTest, RejectsSizesWithoutPixels)
{
    WriteSource(Flat({50, 60}, Qt::green));
    const struct
    {
        double width;
        double height;
        int number;
    } cases[] = {{0, 0, ErrorNumber::InvalidProcedureCall},
                 {106.3, 0.4, ErrorNumber::InvalidProcedureCall},
                 {-5, 138, ErrorNumber::InvalidProcedureCall},
                 {1e10, 138, ErrorNumber::Overflow}};
    for (const auto& c : cases) {
        try {
            ResizePhoto(c.width, c.height);
            ADD_FAILURE() << c.width << " x " << c.height;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), c.number) << c.width << " x " << c.height;
        }
    }
    EXPECT_FALSE(QFile::exists(Result()));
}
