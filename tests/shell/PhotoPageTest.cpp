#include <cmath>

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "AdjustTone.h"
#include "ButtonIndex.h"
#include "CapturePixels.h"
#include "CodedPhoto.h"
#include "CommonDialog.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "ModalDriver.h"
#include "PhotoSession.h"
#include "PictureBox.h"

namespace {
// The size of a photo whose fitted zoom in a viewport of the given height is exactly an even
// number and a half, such as 42.5: read back half to even it gives 42, half away from zero 43.
// Its width never limits the fit.
QSize PhotoFittedAtAHalf(QSize viewport, int* evenZoom)
{
    for (int height = viewport.height() + 1; height < 20 * viewport.height(); ++height) {
        const float zoom = float(double(viewport.height()) / height * 100);
        if (zoom - std::floor(zoom) == 0.5f && int(zoom) % 2 == 0) {
            *evenZoom = int(zoom);
            return {std::max(1, height * viewport.width() / viewport.height() / 2), height};
        }
    }
    ADD_FAILURE() << "no height gives a zoom of an even number and a half";
    return {};
}

struct PhotoPage : PhotoSession
{
    using PhotoSession::PhotoSession;

    QString SavePhoto(const QString& name, const QImage& photo)
    {
        const QString path = folder.Path(name);
        EXPECT_TRUE(photo.save(path, "JPEG", 95));
        return path;
    }
};
} // namespace

TEST(OpenPhoto, TheSideBarOffersTheUsersFoldersThatExist)
{
    QTemporaryDir home;
    for (const char* folder : {"Pictures", "Desktop"})
        ASSERT_TRUE(QDir(home.path()).mkdir(QString::fromLatin1(folder)));
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        if (!oldConfig.isEmpty())
            qputenv("XDG_CONFIG_HOME", oldConfig);
    });

    PhotoPage page;
    QList<QUrl> sidebar;
    QString directory;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        sidebar = dialog->sidebarUrls();
        directory = dialog->directory().absolutePath();
        dialog->reject();
    });
    page.form.Image1_Click(Button::Open);
    EXPECT_EQ(directory, QDir(page.folder.Root()).absolutePath()) << "it still opens there";
    for (const QString& folder : {home.path(), home.path() + "/Pictures", home.path() + "/Desktop"})
        EXPECT_TRUE(sidebar.contains(QUrl::fromLocalFile(folder))) << folder.toStdString();
    EXPECT_FALSE(sidebar.contains(QUrl::fromLocalFile(home.path() + "/Downloads")));
}

TEST(OpenPhoto, TheSideBarOffersEveryRemovableVolume)
{
    const QStringList mounted {
        "/", "/media/anna/CAMERA", "/boot", "/run/media/anna/USB", "/mnt/sd", "/media/"};
    EXPECT_EQ(SidebarPlaces("/home/anna", {}, mounted),
              (QStringList {"/home/anna", "/media/anna/CAMERA", "/run/media/anna/USB", "/mnt/sd"}));
}

TEST(OpenPhoto, ShowsTheDialogWithItsSettingsAndListsOnlyJpgNames)
{
    PhotoPage page;
    for (const char* name : {"a.jpg", "B.JPG", "c.Jpg", "d.jpeg", "e.png"})
        CodedPhoto(8, 8).save(page.folder.Path(name), name[2] == 'p' ? "PNG" : "JPEG");

    QString title, directory;
    QStringList listed;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        directory = dialog->directory().absolutePath();
        auto* view = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 4; }, 3000));
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        dialog->reject();
    });
    page.form.Image1_Click(Button::Open);
    EXPECT_EQ(title, "Carica Immagine");
    EXPECT_EQ(page.form.CommonDialog1->Flags, 5120);
    EXPECT_EQ(directory, QDir(page.folder.Root()).absolutePath());
    listed.removeAll(QStringLiteral("CacheBottoni"));
    listed.sort();
    // The cutting templates lie in the application folder too.
    EXPECT_EQ(
        listed,
        QStringList({"B.JPG", "TaglioCI.jpg", "TaglioPA.jpg", "TaglioPP.jpg", "a.jpg", "c.Jpg"}));
}

TEST(OpenPhoto, ShowsThePhotoFittedAndReadsItsZoomBack)
{
    PhotoPage page;
    int evenZoom = 0;
    const QSize viewport
        = page.form.ImgEdit1->findChild<QAbstractScrollArea*>()->maximumViewportSize();
    const QSize size = PhotoFittedAtAHalf(viewport, &evenZoom);
    const QString path = page.SavePhoto("ritratto.jpg", CodedPhoto(size.width(), size.height()));
    page.Open(path);
    EXPECT_TRUE(page.form.ImgEdit1->HasImage());
    EXPECT_EQ(page.form.PhotoPath, path);
    EXPECT_EQ(page.form.ChosenFile, path);
    EXPECT_EQ(page.form.ImgEdit1->ViewZoom(), evenZoom + 0.5f);
    EXPECT_EQ(page.form.ZoomPercent, evenZoom); // half to even
    EXPECT_EQ(page.form.LblZoom->text(), QString::number(page.form.ZoomPercent));
    // The layout set a default selection of the passport's proportions at the top-left corner.
    EXPECT_GT(page.form.Globals.DefaultSelectionWidth, 0);
    EXPECT_EQ(page.form.ImgEdit1->Selection().topLeft(), QPoint(0, 0));
    EXPECT_EQ(page.form.ImgEdit1->Selection().width(), page.form.Globals.DefaultSelectionWidth);
}

TEST(OpenPhoto, DefaultSelectionComesFromPlausibleDensitiesOnly)
{
    // A 600 x 800 photo for the passport (1.063 x 1.378 in): 96 dpi stands in for densities no
    // camera or scanner records.
    const struct
    {
        uint16_t dpi;
        int32_t width;
        int32_t height;
    } cases[]
        = {{0, 102, 132}, {1, 102, 132},   {5, 102, 132},      {49, 102, 132},   {50, 53, 69},
           {72, 77, 99},  {300, 319, 413}, {5000, 5315, 6890}, {5001, 102, 132}, {65535, 102, 132}};
    PhotoPage page;
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(CodedPhoto(600, 800).save(&buffer, "JPEG", 90));
    for (const auto& c : cases) {
        // Qt writes the JFIF segment first: units at byte 13, densities at 14 and 16.
        jpeg[13] = 1;
        for (int at : {14, 16}) {
            jpeg[at] = char(c.dpi >> 8);
            jpeg[at + 1] = char(c.dpi & 0xFF);
        }
        QFile file(page.folder.Path("ritratto.jpg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(jpeg);
        file.close();
        page.Open(file.fileName());
        EXPECT_EQ(page.form.Globals.DefaultSelectionWidth, c.width) << c.dpi << " dpi";
        EXPECT_EQ(page.form.Globals.DefaultSelectionHeight, c.height) << c.dpi << " dpi";
    }
}

TEST(OpenPhoto, CancelKeepsThePhotoAndLaysThePageOutAgain)
{
    PhotoPage page;
    const QString path = page.SavePhoto("ritratto.jpg", CodedPhoto(600, 800));
    page.Open(path);
    const int16_t fitted = page.form.ZoomPercent;
    const QRect defaultSelection = page.form.ImgEdit1->Selection();
    page.form.ZoomPercent = 321;
    page.form.LblZoom->setText("321");
    page.form.ImgEdit1->SelectRect(50, 60, 70, 80);
    page.form.Brightness = 4;
    WhenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    page.form.Image1_Click(Button::Open);
    EXPECT_TRUE(page.form.ImgEdit1->HasImage());
    EXPECT_EQ(page.form.PhotoPath, path);
    EXPECT_EQ(page.form.ChosenFile, "");
    // The zoom is read back from the shown photo, and the layout puts the default selection back.
    EXPECT_EQ(page.form.ZoomPercent, fitted);
    EXPECT_EQ(page.form.LblZoom->text(), QString::number(fitted));
    EXPECT_EQ(page.form.ImgEdit1->Selection(), defaultSelection);
    EXPECT_EQ(page.form.LblLuminosita->text(), "+4");

    // Once cancelling reports an error (as the print dialog leaves it), a cancel changes nothing.
    page.form.CommonDialog1->CancelError = true;
    page.form.ZoomPercent = 321;
    WhenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    page.form.Brightness = 5;
    page.form.Image1_Click(Button::Open);
    EXPECT_EQ(page.form.ZoomPercent, 321);
    EXPECT_EQ(page.form.ChosenFile, "");
    EXPECT_EQ(page.form.LblLuminosita->text(), "+4");
}

TEST(OpenPhoto, UnreadablePhotoIsReportedAndThePreviousOneStays)
{
    PhotoPage page;
    const QString good = page.SavePhoto("buona.jpg", CodedPhoto(300, 400));
    page.Open(good);
    QFile broken(page.folder.Path("rotta.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF\xE0 not really a photo");
    broken.close();
    page.form.LblLuminosita->setText("x");
    SeenMessage seen;
    WhenModal([&](QWidget* modal) {
        AcceptNextMessage(&seen);
        qobject_cast<QFileDialog*>(modal)
            ->findChild<QLineEdit*>("fileNameEdit")
            ->setText(broken.fileName());
        static_cast<QDialog*>(modal)->accept();
    });
    page.form.Image1_Click(Button::Open);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "481");
    EXPECT_TRUE(seen.text.contains("rotta.jpg"));
    EXPECT_EQ(page.form.PhotoPath, good);
    EXPECT_EQ(page.form.ChosenFile, broken.fileName());
    EXPECT_EQ(page.form.LblLuminosita->text(), "x"); // no refresh after an error
}

TEST(Zoom, StepsOnePointAndWrapsAtBothEnds)
{
    PhotoPage page;
    page.Open(page.SavePhoto("p.jpg", CodedPhoto(400, 300)));
    const struct
    {
        int16_t from;
        int16_t button;
        int16_t to;
    } cases[]
        = {{6500, Button::ZoomIn, 2}, {2, Button::ZoomOut, 6500}, {6499, Button::ZoomIn, 6500},
           {3, Button::ZoomOut, 2},   {100, Button::ZoomOut, 99}, {100, Button::ZoomIn, 101}};
    for (const auto& c : cases) {
        page.form.ZoomPercent = c.from;
        page.form.Image1_Click(c.button);
        EXPECT_EQ(page.form.ZoomPercent, c.to);
        EXPECT_EQ(page.form.LblZoom->text(), QString::number(c.to));
        EXPECT_FLOAT_EQ(page.form.ImgEdit1->ViewZoom(), c.to);
    }
}

TEST(PhotoPage, IsLaidOutFromTheWindowSize)
{
    PhotoPage page;
    const TwipsRect photo = page.form.PlaceOf(page.form.ImgEdit1);
    EXPECT_NEAR(photo.Left, 2933.33, 0.005);
    EXPECT_EQ(photo.Top, 1720);
    EXPECT_EQ(photo.Width, 4400);
    EXPECT_NEAR(photo.Height, 3057.78, 0.005);
    EXPECT_EQ(page.form.PlaceOf(page.form.Image1.at(Button::Ok)).Top, 5653);
    EXPECT_EQ(page.form.PlaceOf(page.form.Label1), (TwipsRect {6000, 960, 1545, 300}));
    // No selection yet: the preview keeps its design size, centred in its frame.
    const TwipsRect preview = page.form.PlaceOf(page.form.ImgAnteprima);
    EXPECT_EQ(preview.Left, 8499);
    EXPECT_NEAR(preview.Top, 2581.11, 0.005);
    EXPECT_EQ(preview.Width, 1335);
    EXPECT_EQ(preview.Height, 1335);
}

TEST(Selection, IsForcedToTheDocumentsProportions)
{
    PhotoPage page;
    page.Open(page.SavePhoto("p.jpg", CodedPhoto(1000, 1000)));
    FrmMain& f = page.form;
    f.Globals.DefaultSelectionWidth = 106;
    f.Globals.DefaultSelectionHeight = 138;
    f.ImgEdit1_SelectionDrawn(10, 20, 300, 301);
    EXPECT_EQ(f.SelectionWidth, 231);
    EXPECT_EQ(f.SelectionHeight, 301);
    EXPECT_EQ(f.ImgEdit1->Selection(), QRect(10, 20, 231, 301));
    EXPECT_EQ(f.PictAnteprima->Picture().size(), QSize(231, 301));

    // The other side is rounded, not cut: 106 / 138 x 302 = 231.97, and for a landscape document
    // 100 / 200 x 251 = 125.5, which goes to the even 126.
    f.ImgEdit1_SelectionDrawn(10, 20, 300, 302);
    EXPECT_EQ(f.SelectionWidth, 232);
    f.Globals.DefaultSelectionWidth = 200;
    f.Globals.DefaultSelectionHeight = 100;
    f.ImgEdit1_SelectionDrawn(10, 20, 251, 40);
    EXPECT_EQ(f.SelectionWidth, 251);
    EXPECT_EQ(f.SelectionHeight, 126);
    f.Globals.DefaultSelectionWidth = 106;
    f.Globals.DefaultSelectionHeight = 138;
    f.ImgEdit1_SelectionDrawn(10, 20, 300, 301);

    // The control reporting the rectangle just set goes straight to the capture.
    f.ImgEdit1->SelectRect(5, 5, 50, 50);
    f.ImgEdit1_SelectionDrawn(10, 20, 231, 301);
    EXPECT_EQ(f.ImgEdit1->Selection(), QRect(5, 5, 50, 50));

    // A square document keeps the drawn width.
    f.Globals.DefaultSelectionWidth = 120;
    f.Globals.DefaultSelectionHeight = 120;
    f.ImgEdit1_SelectionDrawn(0, 0, 200, 90);
    EXPECT_EQ(f.SelectionWidth, 200);
    EXPECT_EQ(f.SelectionHeight, 200);
}

TEST(Selection, AClickRestoresTheDefaultSelectionAndCapturesNothing)
{
    PhotoPage page;
    page.Open(page.SavePhoto("p.jpg", CodedPhoto(800, 800)));
    FrmMain& f = page.form;
    const QImage before = f.PictAnteprima->Picture();
    f.ImgEdit1_SelectionDrawn(50, 60, 0, 0);
    EXPECT_EQ(f.ImgEdit1->Selection(),
              QRect(0, 0, f.Globals.DefaultSelectionWidth, f.Globals.DefaultSelectionHeight));
    EXPECT_EQ(f.SelectionWidth, f.Globals.DefaultSelectionWidth);
    EXPECT_EQ(f.PictAnteprima->Picture(), before);
}

TEST(Selection, CaptureFillsTheGridsWithOneOutsideColumnAndRow)
{
    PhotoPage page;
    const QImage photo = CodedPhoto(200, 200);
    page.ShowLossless(photo, 10, 20);
    FrmMain& f = page.form;
    f.ImgEdit1_SelectionDrawn(30, 40, 15, 30);
    const PixelGrid& g = f.Globals.Grid;
    EXPECT_EQ(g.RedGrid.UpperX(), 15);
    EXPECT_EQ(g.RedGrid.UpperY(), 30);
    EXPECT_EQ(g.BlueGrid.UpperY(), 30);
    const QRgb inside = photo.pixel(30 + 4, 40 + 7);
    EXPECT_EQ(g.RedGrid(4, 7), qRed(inside));
    EXPECT_EQ(g.GreenGrid(4, 7), qGreen(inside));
    EXPECT_EQ(g.BlueGrid(4, 7), qBlue(inside));
    for (auto [x, y] : {std::pair {15, 0}, {0, 30}, {15, 30}}) {
        EXPECT_EQ(g.RedGrid(x, y), -1);
        EXPECT_EQ(g.GreenGrid(x, y), -1);
        EXPECT_EQ(g.BlueGrid(x, y), 255);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(15, 30));
}

TEST(Selection, WithoutDefaultProportionsADragIsReportedNotACrash)
{
    PhotoPage page;
    page.Open(page.SavePhoto("p.jpg", CodedPhoto(300, 300)));
    page.form.Globals.DefaultSelectionWidth = 0;
    page.form.Globals.DefaultSelectionHeight = 0;
    SeenMessage seen;
    AcceptNextMessage(&seen);
    Q_EMIT page.form.ImgEdit1->SelectionDrawn(0, 0, 40, 50);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "11");
    EXPECT_TRUE(seen.text.contains("proporzioni"));
}

TEST(Ok, SavesThePreviewShowsThePhotoAgainAndMovesOn)
{
    PhotoPage page;
    const QImage photo = CodedPhoto(300, 400);
    page.form.PhotoPath = page.ShowLossless(photo, 106, 138);
    page.form.ImgEdit1_SelectionDrawn(20, 30, 106, 138);
    page.form.Image1_Click(Button::Ok);
    const QImage saved(page.folder.Path("FotoAppoggio.bmp"));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              photo.copy(20, 30, 106, 138).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(page.form.ImgEdit1->HasImage());
    EXPECT_EQ(page.form.ImgEdit1->ImagePixelWidth(), 300);
    EXPECT_EQ(page.form.ZoomPercent, qRound(page.form.ImgEdit1->ViewZoom()));
    EXPECT_EQ(page.form.CurrentPage, 2);
}

TEST(Ok, WithoutASelectionStillSavesAndMovesOn)
{
    PhotoPage page;
    page.Open(page.SavePhoto("p.jpg", CodedPhoto(300, 400)));
    page.form.Image1_Click(Button::Ok);
    EXPECT_TRUE(QFile::exists(page.folder.Path("FotoAppoggio.bmp")));
    EXPECT_EQ(page.form.CurrentPage, 2);
}

TEST(SheetPage, EveryResizeComposesTheSheetAgain)
{
    PhotoPage page;
    page.Open(page.SavePhoto("p.jpg", CodedPhoto(600, 800)));
    page.form.Image1_Click(Button::Ok);
    ASSERT_EQ(page.form.CurrentPage, 2);
    const QString sheet = page.folder.Path("Passaporto.jpg");
    ASSERT_TRUE(QFile::exists(sheet));
    EXPECT_EQ(page.form.LblFoto->text(), "FOTO DIMENSIONATE PER IL PASSAPORTO");
    EXPECT_TRUE(page.form.ImgPassaporto2->isVisibleTo(&page.form));
    EXPECT_FALSE(page.form.ImgPatente2->isVisibleTo(&page.form));

    QFile::remove(sheet);
    page.form.resize(1024, 768);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QFile::exists(sheet));
    EXPECT_EQ(page.form.PlaceOf(page.form.ImgEditFotoGruppo).Width, float(15360 * (182.0 / 300)));

    // A resize arriving while a composition pumps events ends laid out and composed at its size.
    QFile::remove(sheet);
    QTimer::singleShot(0, &page.form, [&] { page.form.resize(800, 600); });
    page.form.resize(900, 700);
    QTest::qWait(50);
    EXPECT_EQ(page.form.size(), QSize(800, 600));
    EXPECT_EQ(page.form.PlaceOf(page.form.ImgEditFotoGruppo).Width, float(12000 * (182.0 / 300)));
    EXPECT_TRUE(QFile::exists(sheet));

    // Back on the photo page nothing is composed.
    page.form.Image1_Click(Button::BackToPhotoPage);
    QFile::remove(sheet);
    page.form.resize(733, 573);
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(sheet));

    // After another document the title is still centred for the caption it had before, which is
    // assigned only after the title is placed; the next resize centres it for its own caption.
    const auto centred = [&page] {
        const TwipsRect title = page.form.PlaceOf(page.form.LblFoto);
        const float width = page.form.LblFoto->sizeHint().width() * TwipsPerPixel;
        return std::abs(2 * title.Left + width - page.form.WidthTwips()) <= 2 * TwipsPerPixel;
    };
    page.form.Image1_Click(Button::Ok);
    ASSERT_TRUE(centred());
    const float passportLeft = page.form.PlaceOf(page.form.LblFoto).Left;
    page.form.Image1_Click(Button::BackToPhotoPage);
    page.form.Image1_Click(Button::BackToDocumentPage);
    page.form.Image1_Click(Button::DrivingLicence);
    page.form.ImgEdit1_SelectionDrawn(50, 50, 300, 200);
    page.form.Image1_Click(Button::Ok);
    ASSERT_EQ(page.form.LblFoto->text(), "FOTO DIMENSIONATE PER LA PATENTE");
    EXPECT_TRUE(page.form.ImgPatente2->isVisibleTo(&page.form));
    EXPECT_FALSE(page.form.ImgPassaporto2->isVisibleTo(&page.form));
    EXPECT_FALSE(page.form.ImgCartaID2->isVisibleTo(&page.form));
    EXPECT_EQ(page.form.PlaceOf(page.form.LblFoto).Left, passportLeft);
    EXPECT_FALSE(centred());
    page.form.resize(800, 600);
    QCoreApplication::processEvents();
    EXPECT_TRUE(centred());
}

TEST(ToneButtons, StepWithWrapAroundAndRedrawThePreviewFromTheCapture)
{
    PhotoPage page;
    const QImage photo = CodedPhoto(300, 300);
    page.ShowLossless(photo, 50, 50);
    FrmMain& f = page.form;
    f.ImgEdit1_SelectionDrawn(10, 10, 40, 40);

    f.Brightness = 100;
    f.Image1_Click(Button::BrightnessUp);
    EXPECT_EQ(f.Brightness, -100);
    EXPECT_EQ(f.LblLuminosita->text(), "-100");
    f.Contrast = -100;
    f.Image1_Click(Button::ContrastDown);
    EXPECT_EQ(f.Contrast, 100);
    EXPECT_EQ(f.LblContrasto->text(), "+100");
    f.Image1_Click(Button::BrightnessDown);
    EXPECT_EQ(f.Brightness, 100);
    f.Image1_Click(Button::ContrastUp);
    EXPECT_EQ(f.Contrast, -100);
    // The ends themselves are reached without wrapping.
    f.Brightness = 99;
    f.Image1_Click(Button::BrightnessUp);
    EXPECT_EQ(f.Brightness, 100);
    f.Contrast = -99;
    f.Image1_Click(Button::ContrastDown);
    EXPECT_EQ(f.Contrast, -100);

    // Every preview pixel is the captured colour with the current steps applied once.
    const QImage preview = f.PictAnteprima->Picture();
    ASSERT_EQ(preview.size(), QSize(40, 40));
    for (auto [x, y] : {std::pair {0, 0}, {13, 27}, {39, 39}}) {
        const QRgb source = photo.pixel(10 + x, 10 + y);
        EXPECT_EQ(
            preview.pixel(x, y),
            AdjustPixel(qRed(source), qGreen(source), qBlue(source), f.Brightness, f.Contrast));
    }
    EXPECT_EQ(f.ImgAnteprima->Picture(), preview);
}

TEST(ToneButtons, StepBeforeAnyCaptureIsReportedWithTheValueAlreadyStepped)
{
    PhotoPage page;
    page.Open(page.SavePhoto("p.jpg", CodedPhoto(300, 400)));
    MessageWatch seen;
    page.form.Image1_Click(Button::BrightnessUp);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "9");
    EXPECT_EQ(page.form.Brightness, 1);
    EXPECT_EQ(page.form.LblLuminosita->text(), "0");
}

TEST(Ok, AskForANewSelectionWhenThePreviewHasAnotherDocumentsProportions)
{
    PhotoPage page;
    const QString path = page.SavePhoto("p.jpg", CodedPhoto(1200, 1600));
    page.Open(path);
    FrmMain& f = page.form;
    f.ImgEdit1_SelectionDrawn(300, 300, 400, 520);
    f.Image1_Click(Button::Ok);
    ASSERT_EQ(f.CurrentPage, 2);
    ASSERT_TRUE(QFile::exists(page.folder.Path("Passaporto.jpg")));

    // Back to choose the identity card: the preview still has the passport's proportions.
    f.Image1_Click(Button::BackToPhotoPage);
    f.Image1_Click(Button::BackToDocumentPage);
    f.Image1_Click(Button::IdentityCard);
    MessageWatch seen;
    f.Image1_Click(Button::Ok);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "ERRORE");
    EXPECT_TRUE(seen.text.contains("proporzioni"));
    EXPECT_EQ(f.CurrentPage, 1);
    EXPECT_FALSE(QFile::exists(page.folder.Path("CartaIdentita.jpg")));

    // A new drag gives the identity card's proportions and the sheet is made.
    f.ImgEdit1_SelectionDrawn(300, 300, 400, 450);
    f.Image1_Click(Button::Ok);
    EXPECT_EQ(f.CurrentPage, 2);
    EXPECT_TRUE(QFile::exists(page.folder.Path("CartaIdentita.jpg")));
}

TEST(Selection, PreviewWiderThanTheGridsCanHoldIsReportedNotACrash)
{
    PhotoPage page;
    // A document a thousand times wider than tall: the forced selection, 33000 x 33, fits the
    // photo and is still too wide for the grids.
    page.ShowLossless(CodedPhoto(33000, 40), 1000, 1);
    MessageWatch seen;
    Q_EMIT page.form.ImgEdit1->SelectionDrawn(0, 0, 33000, 20);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "6");
    EXPECT_TRUE(seen.text.contains("32767"));
}

TEST(Ok, BackFromTheSheetThePreviewIsStillTheUsersSelection)
{
    PhotoPage page;
    const QImage photo = CodedPhoto(600, 800);
    FrmMain& f = page.form;
    f.PhotoPath = page.ShowLossless(photo, 106, 138);
    f.ImgEdit1_SelectionDrawn(100, 100, 212, 276);
    f.Image1_Click(Button::Ok);
    ASSERT_EQ(f.CurrentPage, 2);

    // A tone step after coming back redraws the whole selection, and OK accepts it again.
    f.Image1_Click(Button::BackToPhotoPage);
    f.Image1_Click(Button::BrightnessUp);
    EXPECT_EQ(f.PictAnteprima->Picture().size(), QSize(212, 276));
    const QRgb source = photo.pixel(100 + 200, 100 + 250);
    EXPECT_EQ(f.PictAnteprima->Picture().pixel(200, 250),
              AdjustPixel(qRed(source), qGreen(source), qBlue(source), 1, 0));
    f.Image1_Click(Button::Ok);
    EXPECT_EQ(f.CurrentPage, 2);
    EXPECT_EQ(QImage(page.folder.Path("FotoAppoggio.bmp")).size(), QSize(212, 276));
}

TEST(PhotoPage, PhotoZoomAndToneSurviveGoingBackAndChoosingAnotherDocument)
{
    PhotoPage page;
    FrmMain& f = page.form;
    f.PhotoPath = page.ShowLossless(CodedPhoto(600, 800), 106, 138);
    f.ImgEdit1_SelectionDrawn(100, 100, 212, 276);
    for (int16_t step : {Button::BrightnessUp, Button::BrightnessUp, Button::BrightnessUp,
                         Button::ContrastDown, Button::ZoomIn, Button::ZoomIn})
        f.Image1_Click(step);
    ASSERT_EQ(f.Brightness, 3);
    ASSERT_EQ(f.Contrast, -1);
    const int16_t zoom = f.ZoomPercent;
    const float shownZoom = f.ImgEdit1->ViewZoom();

    f.Image1_Click(Button::BackToDocumentPage);
    f.Image1_Click(Button::IdentityCard);
    EXPECT_EQ(f.CurrentPage, 1);
    EXPECT_EQ(f.Brightness, 3);
    EXPECT_EQ(f.Contrast, -1);
    EXPECT_EQ(f.ZoomPercent, zoom);
    EXPECT_EQ(f.ImgEdit1->ViewZoom(), shownZoom);
    EXPECT_EQ(f.LblLuminosita->text(), "+3");
    EXPECT_EQ(f.LblContrasto->text(), "-1");
    EXPECT_EQ(f.LblZoom->text(), QString::number(zoom));
    EXPECT_EQ(f.ImgEdit1->ImagePixelWidth(), 600);
}
