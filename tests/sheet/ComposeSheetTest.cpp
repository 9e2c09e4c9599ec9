#include "ComposeSheet.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <gtest/gtest.h>

#include "AppFolder.h"
#include "ImageEdit.h"
#include "ModalDriver.h"
#include "PictureBox.h"
#include "ResizePhoto.h"
#include "RuntimeError.h"
#include "SheetGeometry.h"

TEST(SheetGeometry, GapsAreRoundedBeforeTheFitTest)
{
    const struct
    {
        int32_t sheet, count, photo, gap;
    } cases[] = {
        {600, 4, 106, 35}, // passport across: 176 / 5 = 35.2
        {400, 2, 138, 41}, // passport down: 124 / 3 = 41.33
        {600, 3, 157, 32}, {400, 2, 177, 15}, {600, 2, 213, 58},
        {400, 1, 236, 82}, {422, 4, 106, 0}, // -2 / 5 = -0.4 still fits
        {421, 4, 106, -1}, // -3 / 5 = -0.6 does not
        {469, 3, 157, 0}, // -2 / 4 = -0.5 goes to the even 0
        {235, 1, 236, 0}, // -1 / 2 = -0.5
    };
    for (const auto& c : cases)
        EXPECT_EQ(SheetGap(c.sheet, c.count, c.photo), c.gap) << c.sheet << " " << c.photo;
}

TEST(SheetGeometry, GridsAndCopyPlaces)
{
    EXPECT_EQ(GridForCopies(8)->Columns, 4);
    EXPECT_EQ(GridForCopies(6)->Columns, 3);
    EXPECT_EQ(GridForCopies(2)->Rows, 1);
    EXPECT_FALSE(GridForCopies(5).has_value());
    // Passport on 600 x 400: columns at GapX, 2 GapX + pw, ...; rows at GapY, 2 GapY + ph.
    EXPECT_EQ(CopyOrigin(0, 0, 35, 41, 106, 138), (SheetPoint {35, 41}));
    EXPECT_EQ(CopyOrigin(0, 3, 35, 41, 106, 138), (SheetPoint {4 * 35 + 3 * 106, 41}));
    EXPECT_EQ(CopyOrigin(1, 1, 35, 41, 106, 138), (SheetPoint {2 * 35 + 106, 2 * 41 + 138}));
}

TEST(SheetGeometry, CutMarksOfAPassportCopy)
{
    // Quarters 26 and 34: the far marks end two pixels short of the 106 x 138 photo's edges.
    const std::array<CutMark, 8> expected {{
        {35, 41, 26, 0},
        {35 + 78, 41, 26, 0},
        {35, 41 + 138, 26, 0},
        {35 + 78, 41 + 138, 26, 0},
        {35, 41, 0, 34},
        {35, 41 + 102, 0, 34},
        {35 + 106, 41, 0, 34},
        {35 + 106, 41 + 102, 0, 34},
    }};
    EXPECT_EQ(CutMarks(35, 41, 106, 138), expected);
    EXPECT_EQ(CutMarks(0, 0, 157, 177)[1], (CutMark {117, 0, 39, 0})); // 39.25 -> 39
    EXPECT_EQ(CutMarks(0, 0, 213, 236)[5], (CutMark {0, 177, 0, 59}));
}

namespace {
// A smooth photo-like picture (gradients): JPEG keeps it close enough to compare by pixel.
QImage SmoothPhoto(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            photo.setPixel(x, y, qRgb(40 + 160 * x / width, 60 + 140 * y / height, 120));
    return photo;
}

struct Composer
{
    TemporaryApplicationFolder folder;
    QWidget window;
    ImageEdit* photo = new ImageEdit(&window);
    ImageEdit* sheet = new ImageEdit(&window);
    PictureBox* preview = new PictureBox(&window);
    int pumps = 0;

    Composer() { sheet->resize(400, 270); }

    SheetResult Compose(int16_t kind, int32_t copies, double widthMm, double heightMm)
    {
        const SheetControls controls {photo, sheet, preview, [this] { ++pumps; }};
        return ComposeSheet(controls, {kind, copies, widthMm / 25.4 * 100, heightMm / 25.4 * 100});
    }
    QByteArray Hash(const QString& name) const
    {
        QFile file(folder.Path(name));
        return file.open(QIODevice::ReadOnly)
            ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
            : QByteArray();
    }
};

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

bool IsDark(QRgb c)
{
    return qGray(c) < 60;
}
} // namespace

TEST(ComposeSheet, PastesFramedCopiesAtTheirPlacesForEveryDocument)
{
    const struct
    {
        int16_t kind;
        int32_t copies;
        double widthMm, heightMm;
        const char* file;
    } documents[] = {
        {1, 8, 27, 35, "Passaporto.jpg"},
        {2, 6, 40, 45, "CartaIdentita.jpg"},
        {3, 2, 54, 60, "Patente.jpg"},
    };
    for (const auto& d : documents) {
        Composer c;
        ASSERT_TRUE(SmoothPhoto(900, 1200).save(c.folder.Path("FotoAppoggio.bmp"), "BMP"));
        c.Compose(d.kind, d.copies, d.widthMm, d.heightMm);
        EXPECT_EQ(c.pumps, 1);

        QImageReader reader(c.folder.Path(d.file));
        const QImage saved = reader.read();
        ASSERT_FALSE(saved.isNull()) << d.file;
        EXPECT_EQ(saved.size(), QSize(600, 400));
        EXPECT_EQ(saved.dotsPerMeterX(), 3937); // 100 dots per inch: a 6 x 4 inch sheet
        const QImage resized(c.folder.Path("FotoResize.bmp"));
        const int pw = resized.width(), ph = resized.height();
        const SheetGrid grid = *GridForCopies(d.copies);
        const int gapX = SheetGap(600, grid.Columns, pw), gapY = SheetGap(400, grid.Rows, ph);
        for (int r = 0; r < grid.Rows; ++r) {
            for (int col = 0; col < grid.Columns; ++col) {
                const SheetPoint at = CopyOrigin(r, col, gapX, gapY, pw, ph);
                // The copy's inside matches the resampled photo, within JPEG's error.
                for (auto [dx, dy] : {std::pair {5, 5}, {pw / 2, ph / 2}, {pw - 5, ph - 5}})
                    EXPECT_LE(Distance(saved.pixel(at.X + dx, at.Y + dy), resized.pixel(dx, dy)),
                              12)
                        << d.file << " copy " << r << "," << col;
                // Every mark is drawn where it belongs; the middle of each edge is left clean.
                for (const CutMark& m : CutMarks(at.X, at.Y, pw, ph))
                    EXPECT_TRUE(IsDark(saved.pixel(m.Left + m.Width / 2, m.Top + m.Height / 2)))
                        << d.file << " mark at " << m.Left << "," << m.Top;
                EXPECT_FALSE(IsDark(saved.pixel(at.X + pw / 2, at.Y + ph)));
                EXPECT_FALSE(IsDark(saved.pixel(at.X + pw, at.Y + ph / 2)));
            }
        }
        EXPECT_TRUE(c.sheet->HasImage());
    }
}

TEST(ComposeSheet, GivesThePrinterTheSameSheetThreeTimesFiner)
{
    const struct
    {
        int16_t kind;
        int32_t copies;
        double widthMm, heightMm;
        QSize fineCopy;
    } documents[] = {
        {1, 8, 27, 35, {318, 414}},
        {2, 6, 40, 45, {471, 531}},
        {3, 2, 54, 60, {639, 708}},
    };
    for (const auto& d : documents) {
        Composer c;
        ASSERT_TRUE(SmoothPhoto(900, 1200).save(c.folder.Path("FotoAppoggio.bmp"), "BMP"));
        c.Compose(d.kind, d.copies, d.widthMm, d.heightMm);
        const QImage shown = c.sheet->Image().convertToFormat(QImage::Format_RGB32);
        const QImage fine = c.sheet->PrintPicture().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(fine.size(), QSize(1800, 1200)) << d.kind;

        // Each 3 x 3 block averages to the sheet's own pixel.
        double difference = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                int sum[3] = {0, 0, 0};
                for (int dy = 0; dy < 3; ++dy)
                    for (int dx = 0; dx < 3; ++dx) {
                        const QRgb p = fine.pixel(3 * x + dx, 3 * y + dy);
                        sum[0] += qRed(p);
                        sum[1] += qGreen(p);
                        sum[2] += qBlue(p);
                    }
                const QRgb s = shown.pixel(x, y);
                difference += std::abs(sum[0] / 9.0 - qRed(s)) + std::abs(sum[1] / 9.0 - qGreen(s))
                    + std::abs(sum[2] / 9.0 - qBlue(s));
            }
        }
        EXPECT_LT(difference / (3.0 * shown.width() * shown.height()), 3) << d.kind;

        // The copies are the photo resampled straight to three times their size, framed by
        // marks three pixels wide.
        const SheetGrid grid = *GridForCopies(d.copies);
        const int pw = c.photo->ImagePixelWidth(), ph = c.photo->ImagePixelHeight();
        ASSERT_EQ(QSize(pw, ph) * 3, d.fineCopy);
        const SheetPoint first = CopyOrigin(0, 0, SheetGap(600, grid.Columns, pw),
                                            SheetGap(400, grid.Rows, ph), pw, ph);
        const QImage copy = ResamplePhoto(QImage(c.folder.Path("FotoAppoggio.bmp")), d.fineCopy)
                                .convertToFormat(QImage::Format_RGB32);
        const QRect inside(3 * first.X + 3, 3 * first.Y + 3, d.fineCopy.width() - 6,
                           d.fineCopy.height() - 6);
        EXPECT_EQ(fine.copy(inside), copy.copy(QRect(QPoint(3, 3), inside.size()))) << d.kind;
        const int markX = 3 * first.X + 3 * 5;
        for (int dy = 0; dy < 3; ++dy)
            EXPECT_TRUE(IsDark(fine.pixel(markX, 3 * first.Y + dy))) << d.kind;
        EXPECT_FALSE(IsDark(fine.pixel(markX, 3 * first.Y + 3))) << d.kind;
    }
}

TEST(ComposeSheet, AnyChangeToTheSheetDropsItsFinePicture)
{
    Composer c;
    ASSERT_TRUE(SmoothPhoto(300, 400).save(c.folder.Path("FotoAppoggio.bmp"), "BMP"));
    c.Compose(1, 8, 27, 35);
    ASSERT_FALSE(c.sheet->PrintPicture().isNull());
    c.sheet->SetMarkMode(ImageEdit::MarksOn);
    c.sheet->DrawMark(0, 0, 10, 0);
    EXPECT_TRUE(c.sheet->PrintPicture().isNull());

    c.Compose(1, 8, 27, 35);
    ASSERT_FALSE(c.sheet->PrintPicture().isNull());
    c.sheet->SetImageSource(c.folder.Path("Passaporto.jpg"));
    c.sheet->ShowImage();
    EXPECT_TRUE(c.sheet->PrintPicture().isNull());
}

TEST(ComposeSheet, SavesNothingWhenTheCopiesDoNotFit)
{
    Composer c;
    ASSERT_TRUE(SmoothPhoto(300, 400).save(c.folder.Path("FotoAppoggio.bmp"), "BMP"));
    QImage narrow(421, 400, QImage::Format_RGB32);
    narrow.fill(Qt::white);
    ASSERT_TRUE(narrow.save(c.folder.Path("TaglioPP.jpg"), "JPEG"));
    EXPECT_EQ(c.Compose(1, 8, 27, 35), SheetResult::CopiesDoNotFit);
    EXPECT_FALSE(QFile::exists(c.folder.Path("Passaporto.jpg")));
    EXPECT_EQ(c.sheet->ImagePixelWidth(), 421); // the bare template stays on show

    // One pixel wider fits with no gap at all.
    narrow = QImage(422, 400, QImage::Format_RGB32);
    narrow.fill(Qt::white);
    ASSERT_TRUE(narrow.save(c.folder.Path("TaglioPP.jpg"), "JPEG"));
    EXPECT_EQ(c.Compose(1, 8, 27, 35), SheetResult::Composed);
    EXPECT_TRUE(QFile::exists(c.folder.Path("Passaporto.jpg")));
}

TEST(ComposeSheet, ACopyCountOrKindOutsideTheTablePlacesOrSavesNothing)
{
    Composer c;
    ASSERT_TRUE(SmoothPhoto(300, 400).save(c.folder.Path("FotoAppoggio.bmp"), "BMP"));
    // Five copies have no grid: the template alone is saved as the sheet.
    EXPECT_EQ(c.Compose(1, 5, 27, 35), SheetResult::Composed);
    const QImage saved(c.folder.Path("Passaporto.jpg"));
    const QImage bare(c.folder.Path("TaglioPP.jpg"));
    ASSERT_EQ(saved.size(), bare.size());
    for (const QPoint at : {QPoint(35 + 53, 41 + 69), QPoint(300, 200), QPoint(35, 41)})
        EXPECT_LE(Distance(saved.pixel(at), bare.pixel(at)), 12) << at.x() << "," << at.y();

    // A kind outside 1..3 names no template and no sheet file.
    for (const int16_t kind : {0, 4})
        EXPECT_EQ(c.Compose(kind, 8, 27, 35), SheetResult::Composed) << kind;
    const QStringList sheets = QDir(c.folder.Root()).entryList({QStringLiteral("*.jpg")});
    EXPECT_EQ(sheets,
              QStringList({"Passaporto.jpg", "TaglioCI.jpg", "TaglioPA.jpg", "TaglioPP.jpg"}));
}

TEST(ComposeSheet, FailedResamplingKeepsTheOldSheetAndShowsNoStaleOne)
{
    Composer c;
    ASSERT_TRUE(SmoothPhoto(300, 400).save(c.folder.Path("FotoAppoggio.bmp"), "BMP"));
    c.Compose(1, 8, 27, 35);
    ASSERT_TRUE(c.sheet->HasImage());
    const QByteArray oldSheet = c.Hash("Passaporto.jpg");
    const QByteArray oldResized = c.Hash("FotoResize.bmp");
    QFile::remove(c.folder.Path("FotoAppoggio.bmp"));
    try {
        c.Compose(1, 8, 27, 35);
        FAIL() << "composed a sheet without the accepted photo";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
        EXPECT_TRUE(e.Description().contains("FotoAppoggio.bmp"));
    }
    EXPECT_EQ(c.Hash("Passaporto.jpg"), oldSheet);
    EXPECT_EQ(c.Hash("FotoResize.bmp"), oldResized);
    EXPECT_FALSE(c.sheet->HasImage());
}

TEST(ComposeSheet, MissingTemplateIsReportedAndNoSheetIsWritten)
{
    Composer c;
    ASSERT_TRUE(SmoothPhoto(300, 400).save(c.folder.Path("FotoAppoggio.bmp"), "BMP"));
    QFile::remove(c.folder.Path("TaglioCI.jpg"));
    try {
        c.Compose(2, 6, 40, 45);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
        EXPECT_TRUE(e.Description().contains("TaglioCI.jpg"));
    }
    EXPECT_FALSE(QFile::exists(c.folder.Path("CartaIdentita.jpg")));
}
