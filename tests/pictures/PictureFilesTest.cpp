#include "PictureFiles.h"

#include <functional>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Errors.h"
#include "PictureFixtures.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QImage Pattern = PatternPicture(64, 48);
const QByteArray PatternJpeg = EncodedPicture(Pattern, "JPEG");

QByteArray ProgressiveJpeg(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(picture);
    return bytes;
}

// The entropy-coded data of the (last) scan cut in half, then closed with an end marker.
QByteArray ScanCutAndClosed(const QByteArray& jpeg)
{
    const qsizetype scan = jpeg.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype end = jpeg.size() - 2;
    return jpeg.left(scan + (end - scan) / 2) + QByteArray("\xFF\xD9", 2);
}

// Bytes that belong to no segment, before the marker found at `marker`.
QByteArray WithBytesBefore(const QByteArray& jpeg, const QByteArray& marker)
{
    const qsizetype at = jpeg.indexOf(marker);
    return jpeg.left(at) + QByteArray("\x00\x11\x22", 3) + jpeg.mid(at);
}

// A BMP header announcing a size its file does not carry.
QByteArray BmpDeclaring(int width, int height)
{
    QByteArray bmp = EncodedPicture(PatternPicture(8, 8), "BMP");
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = char((width >> (8 * i)) & 0xFF);
        bmp[22 + i] = char((height >> (8 * i)) & 0xFF);
    }
    return bmp;
}

class PictureFilesTest : public testing::Test
{
public:
    QString Path(const QString& name) const { return folder.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        WriteFile(Path(name), bytes);
        return Path(name);
    }
    QStringList Entries() const
    {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
};

// --- Reading ----------------------------------------------------------------------------------

struct Refusal
{
    const char* name;
    std::function<QString(PictureFilesTest&)> make; // makes the file, gives its path
    int number;
    const char* reason;
};

TEST_F(PictureFilesTest, RefusesWhatIsNoWholePictureSayingWhy)
{
    const QByteArray bmp = EncodedPicture(Pattern, "BMP");
    const QByteArray gif = SmallGif();
    const QByteArray bomb
        = WithFrameSize(EncodedPicture(FilledPicture(16, 16, Qt::gray), "JPEG"), 11000, 11000);
    const QByteArray progressiveBomb
        = WithFrameSize(ProgressiveJpeg(FilledPicture(16, 16, Qt::gray)), 8000, 16000);
    ASSERT_LT(bomb.size(), 1000);
    ASSERT_LT(progressiveBomb.size(), 1500);
    const Refusal cases[] = {
        {"missing", [](PictureFilesTest& t) { return t.Path("nowhere.jpg"); }, 53, ""},
        {"cut BMP named .jpg",
         [&](PictureFilesTest& t) { return t.Write("bmp.jpg", bmp.left(bmp.size() - 100)); }, 481,
         "il file è troncato"},
        {"cut RLE BMP",
         [](PictureFilesTest& t) {
             const QByteArray rle = Rle8Bmp();
             return t.Write("rle.bmp", rle.left(rle.size() - 30));
         },
         481, "il file è troncato"},
        {"cut GIF",
         [&](PictureFilesTest& t) { return t.Write("cut.gif", gif.left(gif.size() / 2)); }, 481,
         "il file è troncato"},
        {"cut scan closed with an end marker",
         [](PictureFilesTest& t) { return t.Write("scan.jpg", ScanCutAndClosed(PatternJpeg)); },
         481, "il file è troncato"},
        {"cut progressive scan",
         [](PictureFilesTest& t) {
             return t.Write("progressive.jpg", ScanCutAndClosed(ProgressiveJpeg(Pattern)));
         },
         481, "il file è troncato"},
        {"JPEG cut without an end",
         [](PictureFilesTest& t) {
             return t.Write("cut.jpg", PatternJpeg.left(PatternJpeg.size() * 2 / 3));
         },
         481, "il file è troncato"},
        {"bomb", [&](PictureFilesTest& t) { return t.Write("bomb.jpg", bomb); }, 481,
         "11000 x 11000 pixel, più di quanti un file di"},
        {"progressive bomb",
         [&](PictureFilesTest& t) { return t.Write("bomb2.jpg", progressiveBomb); }, 481,
         "8000 x 16000 pixel, più di quanti un file di"},
        {"BMP bomb",
         [](PictureFilesTest& t) { return t.Write("bomb.bmp", BmpDeclaring(8000, 8000)); }, 481,
         "8000 x 8000 pixel, più di quanti un file di"},
        {"beyond 512 MB decoded",
         [](PictureFilesTest& t) {
             return t.Write("huge.jpg", WithFrameSize(PatternJpeg, 12000, 12000));
         },
         481, "troppo grande"},
        {"pipe",
         [](PictureFilesTest& t) {
             const QString path = t.Path("pipe.jpg");
             EXPECT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
             return path;
         },
         481, "non è un file normale"},
        {"link to /dev/zero",
         [](PictureFilesTest& t) {
             const QString path = t.Path("zero.jpg");
             EXPECT_TRUE(QFile::link("/dev/zero", path));
             return path;
         },
         481, "non è un file normale"},
        {"sparse 2.5 GB file",
         [](PictureFilesTest& t) {
             const QString path = t.Write("sparse.jpg", PatternJpeg);
             EXPECT_EQ(truncate(QFile::encodeName(path).constData(), qint64(2560) << 20), 0);
             return path;
         },
         481, "troppo grande: 2560 MB"},
        {"folder",
         [](PictureFilesTest& t) {
             QDir(t.folder.path()).mkdir("folder.jpg");
             return t.Path("folder.jpg");
         },
         481, "cartella"},
        {"empty", [](PictureFilesTest& t) { return t.Write("empty.jpg", {}); }, 481, "empty"},
        {"text", [](PictureFilesTest& t) { return t.Write("text.jpg", "no picture here"); }, 481,
         "non è un'immagine"},
    };
    for (const Refusal& c : cases) {
        const QString path = c.make(*this);
        const auto error = ErrorOf([&] { ReadPicture(path); });
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->Number(), c.number) << c.name;
        EXPECT_TRUE(error->Description().contains(path)) << qPrintable(error->Description());
        EXPECT_TRUE(error->Description().contains(c.reason)) << qPrintable(error->Description());
        EXPECT_FALSE(error->Description().contains("Unknown")) << qPrintable(error->Description());
    }
}

TEST_F(PictureFilesTest, AcceptsStrayBytesBeforeAMarkerAndDataAfterTheEnd)
{
    const QImage clean = ReadPicture(Write("clean.jpg", PatternJpeg)).image;
    ASSERT_EQ(clean.size(), Pattern.size());
    const QByteArray variants[] = {
        WithBytesBefore(PatternJpeg, QByteArray("\xFF\xDB", 2)),
        WithBytesBefore(PatternJpeg, QByteArray("\xFF\xD9", 2)),
        PatternJpeg + QByteArray(200, '\x55'),
    };
    for (const QByteArray& variant : variants)
        EXPECT_EQ(ReadPicture(Write("variant.jpg", variant)).image, clean);
}

TEST_F(PictureFilesTest, ReadsAJpegWhoseFrameHeaderLiesBeyondItsFirstMegabyte)
{
    // Twenty full application segments, as large metadata blocks, ahead of the frame header.
    QByteArray segment("\xFF\xE9\xFF\xFF", 4);
    segment.append(QByteArray(0xFFFF - 2, 'm'));
    QByteArray jpeg = PatternJpeg;
    jpeg.insert(2, segment.repeated(20));
    ASSERT_GT(jpeg.indexOf(QByteArray("\xFF\xC0", 2)), 1 << 20);
    EXPECT_EQ(ReadPicture(Write("metadata.jpg", jpeg)).image,
              ReadPicture(Write("plain.jpg", PatternJpeg)).image);
}

TEST_F(PictureFilesTest, ReadsFlatPhotosAsTerseAsEncodersWrite)
{
    // Flat grey, progressive with optimised tables: the tersest JPEG a camera-sized picture gets.
    QProcess encode;
    encode.start("sh",
                 {"-c",
                  "convert -size 6000x4000 xc:'#808080' pgm:- | cjpeg -grayscale "
                  "-quality 50 -progressive -optimize"});
    ASSERT_TRUE(encode.waitForFinished(60000));
    const QByteArray flat = encode.readAllStandardOutput();
    ASSERT_GT(flat.size(), 1000);
    const Picture picture = ReadPicture(Write("flat.jpg", flat));
    EXPECT_EQ(picture.image.size(), QSize(6000, 4000));
    EXPECT_EQ(picture.image.pixel(3000, 2000), qRgb(128, 128, 128));
}

TEST_F(PictureFilesTest, DensitiesNoCameraRecordsCountAsUnrecorded)
{
    const struct
    {
        uint16_t recorded;
        double across;
    } cases[] = {{0, 96},  {1, 96},    {5, 96},      {49, 96},   {50, 50},
                 {72, 72}, {300, 300}, {5000, 5000}, {5001, 96}, {65535, 96}};
    for (const auto& c : cases) {
        const QString jpeg
            = Write("d.jpg", WithJfifDensity(PatternJpeg, 1, c.recorded, c.recorded));
        EXPECT_EQ(ReadPicture(jpeg).dpiAcross, c.across) << c.recorded << " dpi JPEG";
        const int32_t perMetre = int32_t(c.recorded / 0.0254 + 0.5);
        const QString bmp
            = Write("d.bmp", WithBmpDensity(EncodedPicture(Pattern, "BMP"), perMetre));
        EXPECT_NEAR(ReadPicture(bmp).dpiAcross, c.across, 0.02) << c.recorded << " dpi BMP";
    }
}

// --- Writing ----------------------------------------------------------------------------------

QImage ReadBack(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

TEST_F(PictureFilesTest, ReplacesAPlantedLinkInsteadOfWritingThroughIt)
{
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim");
    WriteFile(victim, "another user's data");
    ASSERT_TRUE(QFile::setPermissions(victim, QFile::ReadOwner | QFile::WriteOwner));
    const QString dangling = outside.filePath("not-yet");
    const struct
    {
        const char* name;
        QString target;
    } links[]
        = {{"FotoAppoggio.bmp", victim}, {"FotoResize.bmp", dangling}, {"FotoGruppo.jpg", victim}};
    for (const auto& link : links) {
        const QString path = Path(link.name);
        ASSERT_TRUE(QFile::link(link.target, path));
        SavePicture(Pattern, path,
                    path.endsWith(".jpg") ? PictureFormat::Jpeg : PictureFormat::Bmp);
        EXPECT_FALSE(QFileInfo(path).isSymLink()) << link.name;
        EXPECT_EQ(ReadBack(path).size(), Pattern.size()) << link.name;
    }
    EXPECT_EQ(ReadFile(victim), QByteArray("another user's data"));
    struct stat status
    {
    };
    ASSERT_EQ(stat(QFile::encodeName(victim).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600);
    EXPECT_FALSE(QFileInfo::exists(dangling));
    EXPECT_EQ(ReadBack(Path("FotoResize.bmp")), Pattern);
    EXPECT_EQ(Entries(), QStringList({"FotoAppoggio.bmp", "FotoGruppo.jpg", "FotoResize.bmp"}));
}

TEST_F(PictureFilesTest, NewFilesTakeTheUsualPermissions)
{
    SavePicture(Pattern, Path("FotoResize.bmp"));
    const mode_t mask = umask(0);
    umask(mask);
    struct stat status
    {
    };
    ASSERT_EQ(stat(QFile::encodeName(Path("FotoResize.bmp")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
}

TEST_F(PictureFilesTest, WhatCannotBeReplacedRaises75AndLeavesEverythingAsItWas)
{
    const QString kept = Write("Passaporto.jpg", "earlier sheet");
    const QString readOnly = Write("FotoAppoggio.bmp", "read-only");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
    ASSERT_TRUE(QDir(folder.path()).mkdir("FotoResize.bmp"));
    const struct
    {
        QString path;
        const char* reason;
    } cases[] = {{readOnly, "sola lettura"},
                 {Path("FotoResize.bmp"), "al suo posto c'è una cartella"},
                 {Path("missing/FotoGruppo.jpg"), "la sua cartella non esiste"}};
    for (const auto& c : cases) {
        const auto error = ErrorOf([&] { SavePicture(Pattern, c.path); });
        ASSERT_TRUE(error) << qPrintable(c.path);
        EXPECT_EQ(error->Number(), 75);
        EXPECT_TRUE(error->Description().contains(c.path)) << qPrintable(error->Description());
        EXPECT_TRUE(error->Description().contains(c.reason)) << qPrintable(error->Description());
    }
    EXPECT_EQ(ReadFile(kept), QByteArray("earlier sheet"));
    EXPECT_EQ(ReadFile(readOnly), QByteArray("read-only"));
    EXPECT_EQ(Entries(), QStringList({"FotoAppoggio.bmp", "FotoResize.bmp", "Passaporto.jpg"}));
}

TEST_F(PictureFilesTest, FullDiskRaises75AndLeavesTheEarlierFileWhole)
{
    const QString small = Path("small");
    ASSERT_TRUE(QDir().mkdir(small));
    if (mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here";
    const QString path = small + "/FotoResize.bmp";
    const QImage first = PatternPicture(40, 40);
    SavePicture(first, path);
    const auto error = ErrorOf([&] { SavePicture(PatternPicture(200, 200), path); });
    EXPECT_TRUE(error);
    if (error) {
        EXPECT_EQ(error->Number(), 75);
        EXPECT_TRUE(error->Description().contains(path)) << qPrintable(error->Description());
        EXPECT_TRUE(error->Description().contains("spazio esaurito sul disco"))
            << qPrintable(error->Description());
    }
    EXPECT_EQ(ReadBack(path), first);
    EXPECT_EQ(QDir(small).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList {"FotoResize.bmp"});
    umount(QFile::encodeName(small).constData());
}

// The sampling factors of each component in the frame header: 0x11 is full resolution.
QList<int> SamplingFactors(const QByteArray& jpeg)
{
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    const int components = uint8_t(jpeg[frame + 9]);
    QList<int> factors;
    for (int c = 0; c < components; ++c)
        factors.append(uint8_t(jpeg[frame + 10 + 3 * c + 1]));
    return factors;
}

TEST_F(PictureFilesTest, JpegKeepsEveryColourSampleAndRecords100Dpi)
{
    // One-pixel columns of red and blue: subsampled chroma would blur them into purple.
    QImage stripes(96, 64, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, x % 2 ? qRgb(220, 30, 30) : qRgb(30, 30, 220));
    const QString path = Path("Passaporto.jpg");
    SavePicture(stripes, path, PictureFormat::Jpeg);

    const QByteArray saved = ReadFile(path);
    EXPECT_EQ(SamplingFactors(saved), QList<int>({0x11, 0x11, 0x11}));
    EXPECT_EQ(saved.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(saved.mid(13, 5), QByteArray("\x01\x00\x64\x00\x64", 5)) << "100 dots per inch";
    const Picture reloaded = ReadPicture(path);
    EXPECT_EQ(reloaded.dpiAcross, 100);
    for (int x = 40; x < 48; ++x) {
        const QRgb pixel = reloaded.image.pixel(x, 32);
        const int redOverBlue = qRed(pixel) - qBlue(pixel);
        EXPECT_GT(x % 2 ? redOverBlue : -redOverBlue, 120) << "column " << x;
    }
}

} // namespace
