#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <gtest/gtest.h>

#include "AppFolder.h"
#include "ButtonIndex.h"
#include "DrawnPortrait.h"
#include "FrmMain.h"
#include "ImageEdit.h"
#include "ModalDriver.h"
#include "PhotoSession.h"

namespace {
using Session = PhotoSession;

QByteArray JpegBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return bytes;
}
} // namespace

TEST(BadInput, BrokenFilesAreReportedByNameAndChangeNothing)
{
    const QByteArray good = JpegBytes(DrawnPortrait(400, 500));
    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"vuota.jpg", QByteArray()},
        {"troncata.jpg", good.left(good.size() / 2)},
        {"testo.jpg", QByteArray("questo non è una foto\n")},
    };
    for (const auto& c : cases) {
        Session s;
        const QString previous = s.Write("prima.jpg", good);
        ASSERT_FALSE(s.Open(previous).shown);
        const SeenMessage seen = s.Open(s.Write(c.name, c.bytes));
        EXPECT_TRUE(seen.shown) << c.name;
        EXPECT_EQ(seen.title, "481") << c.name;
        EXPECT_TRUE(seen.text.contains(c.name)) << seen.text.toStdString();
        EXPECT_EQ(s.form.PhotoPath, previous);
        EXPECT_TRUE(s.form.ImgEdit1->HasImage());
        EXPECT_EQ(s.form.ImgEdit1->ImagePixelWidth(), 400);
    }
}

TEST(BadInput, OddButValidPhotosGoAllTheWayToTheSheet)
{
    QImage gray = DrawnPortrait(300, 400).convertToFormat(QImage::Format_Grayscale8);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    DrawnPortrait(300, 400).save(&buffer, "PNG");

    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"grigia.jpg", JpegBytes(gray)},
        {"in realtà png.jpg", png},
        {"Niccolò e Zoë ritratto.JPG", JpegBytes(DrawnPortrait(300, 400))},
    };
    for (const auto& c : cases) {
        Session s;
        const QString path = s.Write(QString::fromUtf8(c.name), c.bytes);
        EXPECT_FALSE(s.Open(path).shown) << c.name;
        ASSERT_TRUE(s.form.ImgEdit1->HasImage()) << c.name;
        EXPECT_EQ(s.form.PhotoPath, path);
        s.SelectAndAccept();
        EXPECT_EQ(s.form.CurrentPage, 2) << c.name;
        EXPECT_EQ(QImage(s.folder.Path("Passaporto.jpg")).size(), QSize(600, 400)) << c.name;
    }
}

TEST(BadInput, CmykJpegOpensInItsColours)
{
    Session s;
    const QString rgb = s.folder.Path("rgb.jpg");
    const QString cmyk = s.folder.Path("cmyk.jpg");
    QImage red(200, 200, QImage::Format_RGB32);
    red.fill(qRgb(200, 30, 30));
    ASSERT_TRUE(red.save(rgb, "JPEG", 95));
    ASSERT_EQ(QProcess::execute("convert", {rgb, "-colorspace", "CMYK", cmyk}), 0);
    EXPECT_FALSE(s.Open(cmyk).shown);
    ASSERT_TRUE(s.form.ImgEdit1->HasImage());
    const QRgb shown = s.form.ImgEdit1->Image().pixel(100, 100);
    EXPECT_GT(qRed(shown), 150);
    EXPECT_LT(qGreen(shown), 90);
    s.SelectAndAccept();
    EXPECT_TRUE(QFile::exists(s.folder.Path("Passaporto.jpg")));
}

TEST(BadInput, HundredMegapixelPhotoOpens)
{
    Session s;
    const QString path = s.folder.Path("enorme.jpg");
    {
        QImage huge(10000, 10000, QImage::Format_RGB32);
        huge.fill(qRgb(120, 140, 160));
        ASSERT_TRUE(huge.save(path, "JPEG", 80));
    }
    const SeenMessage seen = s.Open(path);
    EXPECT_FALSE(seen.shown) << seen.text.toStdString();
    EXPECT_EQ(s.form.ImgEdit1->ImagePixelWidth(), 10000);
    EXPECT_EQ(s.form.PhotoPath, path);
}

TEST(BadInput, UnwritableWorkingFileIsReportedByOkAndNothingElseIsLost)
{
    Session s;
    const QString photo = s.Write("p.jpg", JpegBytes(DrawnPortrait(300, 400)));
    s.Open(photo);
    // A folder standing where the working file goes cannot be replaced by a picture.
    ASSERT_TRUE(QDir(s.folder.Root()).mkdir("FotoAppoggio.bmp"));
    const SeenMessage seen = s.Click(Button::Ok);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "75");
    EXPECT_TRUE(seen.text.contains("FotoAppoggio.bmp")) << seen.text.toStdString();
    EXPECT_EQ(s.form.CurrentPage, 1);
    EXPECT_EQ(s.form.PhotoPath, photo);
    // The failed save leaves the photo control cleared, as before the save it was.
    EXPECT_FALSE(s.form.ImgEdit1->HasImage());
    EXPECT_FALSE(QFile::exists(s.folder.Path("Passaporto.jpg")));
    // The photo can be opened again and accepted once the way is clear.
    QDir(s.folder.Root()).rmdir("FotoAppoggio.bmp");
    s.Open(photo);
    EXPECT_FALSE(s.Click(Button::Ok).shown);
    EXPECT_EQ(s.form.CurrentPage, 2);
}

TEST(BadInput, MissingCuttingTemplateIsReportedAndNoSheetIsWritten)
{
    Session s;
    s.Open(s.Write("p.jpg", JpegBytes(DrawnPortrait(300, 400))));
    QFile::remove(s.folder.Path("TaglioPP.jpg"));
    const SeenMessage seen = s.Click(Button::Ok);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "53");
    EXPECT_TRUE(seen.text.contains("TaglioPP.jpg"));
    EXPECT_FALSE(QFile::exists(s.folder.Path("Passaporto.jpg")));
}

TEST(BadInput, CopiesThatDoNotFitTheTemplateAreWarnedAboutAndNoSheetIsWritten)
{
    Session s;
    s.Open(s.Write("p.jpg", JpegBytes(DrawnPortrait(300, 400))));
    // 421 pixels hold four 106-pixel copies with no room for the gaps.
    QImage narrow(421, 400, QImage::Format_RGB32);
    narrow.fill(Qt::white);
    ASSERT_TRUE(narrow.save(s.folder.Path("TaglioPP.jpg"), "JPEG"));
    const int w = s.form.ImgEdit1->ImagePixelWidth(), h = s.form.ImgEdit1->ImagePixelHeight();
    s.form.ImgEdit1_SelectionDrawn(w / 4, h / 4, w / 3, h / 3);
    const SeenMessage seen = s.Click(Button::Ok);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "ERRORE");
    EXPECT_EQ(seen.text, "Attenzione, le foto non ci stanno!");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttonCount, 1);
    EXPECT_EQ(s.form.CurrentPage, 2);
    EXPECT_FALSE(QFile::exists(s.folder.Path("Passaporto.jpg")));
    EXPECT_EQ(s.form.ImgEditFotoGruppo->ImagePixelWidth(), 421); // the bare template on show

    // Every resize composes again, so it warns again.
    for (const QSize size : {QSize(800, 600), QSize(733, 573)}) {
        MessageWatch again;
        s.form.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(again.text, "Attenzione, le foto non ci stanno!") << size.width();
    }
    EXPECT_FALSE(QFile::exists(s.folder.Path("Passaporto.jpg")));
}
