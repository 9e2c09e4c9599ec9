#include "FrmMain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "AppFolder.h"
#include "ButtonIndex.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "ModalDriver.h"
#include "PictureFiles.h"
#include "RuntimeError.h"

namespace {
// A loaded main window over a fresh application folder.
struct LoadedWindow
{
    TemporaryApplicationFolder folder;
    FrmMain form;
    LoadedWindow()
    {
        form.Form_Load();
        form.show();
        QCoreApplication::processEvents();
    }
    // A document chosen and an accepted photo in place, so that the sheet page can be composed.
    void PrepareSheet()
    {
        QImage photo(300, 400, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        photo.save(folder.Path("FotoAppoggio.bmp"), "BMP");
        form.Image1_Click(Button::Passport);
        form.Image1_Click(Button::BackToDocumentPage);
    }
    bool PageShown(int page) const
    {
        for (int i = 0; i < 3; ++i)
            if (form.Frame1[i]->isVisible() != (i == page))
                return false;
        return true;
    }
};
} // namespace

TEST(FrmMain, LoadsAtItsStartSizeOnPageZero)
{
    LoadedWindow w;
    EXPECT_EQ(w.form.WidthTwips(), 11000);
    EXPECT_EQ(w.form.HeightTwips(), 8600);
    EXPECT_EQ(w.form.size(), QSize(733, 573));
    EXPECT_EQ(w.form.windowTitle(), "Quennet-Brimlow");
    EXPECT_EQ(w.form.CurrentPage, 0);
    EXPECT_TRUE(w.PageShown(0));
    EXPECT_EQ(w.form.ZoomPercent, 100);
    EXPECT_EQ(w.form.LblZoom->text(), "100");
    EXPECT_EQ(w.form.LblLuminosita->text(), "+2");
    EXPECT_EQ(w.form.LblContrasto->text(), "-4");
    EXPECT_EQ(w.form.CopiesPerSheet, 0);
    EXPECT_EQ(w.form.DocumentKind, 0);
    EXPECT_EQ(w.form.Globals.PhotoWidth, 0);
    EXPECT_EQ(w.form.Globals.PhotoHeight, 0);
    // Every page and its background cover the window.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(w.form.PlaceOf(w.form.Frame1[i]), (TwipsRect {0, 0, 11000, 8600}));
        EXPECT_EQ(w.form.PlaceOf(w.form.ImgSfondo[i]), (TwipsRect {0, 0, 11000, 8600}));
    }
}

TEST(FrmMain, PlacesPageZeroFromTheWindowSize)
{
    LoadedWindow w;
    const TwipsRect exit = w.form.PlaceOf(w.form.Image1.at(Button::ExitDocumentPage));
    EXPECT_EQ(exit.Left, 4253);
    EXPECT_EQ(exit.Top, 6537);
    EXPECT_NEAR(exit.Width, 2493.33, 0.005);
    EXPECT_NEAR(exit.Height, 649.78, 0.005);
    EXPECT_EQ(w.form.PlaceOf(w.form.Image1.at(Button::Passport)).Left, 1393);
    EXPECT_EQ(w.form.PlaceOf(w.form.Image1.at(Button::IdentityCard)).Left, 4253);
    EXPECT_EQ(w.form.PlaceOf(w.form.Image1.at(Button::DrivingLicence)).Left, 7113);
    EXPECT_EQ(w.form.PlaceOf(w.form.Image1.at(Button::IdentityCard)).Top, 4947);
    // The widgets get the rounded pixel rectangles of those places.
    EXPECT_EQ(w.form.Image1.at(Button::Passport)->geometry(), QRect(93, 330, 166, 43));
    // The title is centred with the size its caption measures.
    const TwipsRect title = w.form.PlaceOf(w.form.LblSeleziona);
    EXPECT_EQ(title.Width, w.form.LblSeleziona->sizeHint().width() * 15);
    EXPECT_NEAR(title.Left, (11000 - title.Width) / 2, 0.5);
}

TEST(FrmMain, PageMovesWrapAround)
{
    LoadedWindow w;
    w.PrepareSheet();
    w.form.PreviousPage();
    EXPECT_EQ(w.form.CurrentPage, 2);
    EXPECT_TRUE(w.PageShown(2));
    w.form.NextPage();
    EXPECT_EQ(w.form.CurrentPage, 0);
    EXPECT_TRUE(w.PageShown(0));
    w.form.NextPage();
    EXPECT_TRUE(w.PageShown(1));
}

TEST(Dispatcher, DocumentButtonsSetTheDocumentAndShowThePhotoPage)
{
    const struct
    {
        int16_t index;
        double widthMm;
        double heightMm;
        double width;
        double height;
        int32_t copies;
        int16_t kind;
    } cases[] = {
        {Button::Passport, 27, 35, 106.2992126, 137.7952756, 8, 1},
        {Button::IdentityCard, 40, 45, 157.4803150, 177.1653543, 6, 2},
        {Button::DrivingLicence, 54, 60, 212.5984252, 236.2204724, 2, 3},
    };
    for (const auto& c : cases) {
        LoadedWindow w;
        w.form.Image1_Click(c.index);
        EXPECT_NEAR(w.form.Globals.PhotoWidth, c.width, 1e-7);
        EXPECT_NEAR(w.form.Globals.PhotoHeight, c.height, 1e-7);
        // To the last bit as the division comes first.
        EXPECT_EQ(w.form.Globals.PhotoWidth, c.widthMm / 25.4 * 100);
        EXPECT_EQ(w.form.Globals.PhotoHeight, c.heightMm / 25.4 * 100);
        EXPECT_EQ(w.form.CopiesPerSheet, c.copies);
        EXPECT_EQ(w.form.DocumentKind, c.kind);
        EXPECT_EQ(w.form.CurrentPage, 1);
        EXPECT_TRUE(w.PageShown(1));
        // The first click rewrites the design texts of the readouts.
        EXPECT_EQ(w.form.LblLuminosita->text(), "0");
        EXPECT_EQ(w.form.LblContrasto->text(), "0");
    }
}

TEST(Dispatcher, BackButtonsGoBackOnePage)
{
    LoadedWindow w;
    w.PrepareSheet();
    w.form.Image1_Click(Button::IdentityCard);
    w.form.Image1_Click(Button::BackToDocumentPage);
    EXPECT_EQ(w.form.CurrentPage, 0);
    EXPECT_TRUE(w.PageShown(0));
    w.form.CurrentPage = 2;
    w.form.ShowPage();
    w.form.Image1_Click(Button::BackToPhotoPage);
    EXPECT_EQ(w.form.CurrentPage, 1);
}

TEST(Dispatcher, GuardedButtonsDoNothingWithoutAPhoto)
{
    LoadedWindow w;
    w.form.Image1_Click(Button::Passport);
    w.form.LblLuminosita->setText("+2");
    w.form.LblContrasto->setText("-4");
    for (int16_t index :
         {Button::ContrastUp, Button::ZoomIn, Button::ZoomOut, Button::BrightnessDown,
          Button::BrightnessUp, Button::ContrastDown, Button::Ok}) {
        w.form.Image1_Click(index);
        EXPECT_EQ(w.form.LblLuminosita->text(), "+2") << index;
        EXPECT_EQ(w.form.LblContrasto->text(), "-4") << index;
        EXPECT_EQ(w.form.Brightness, 0);
        EXPECT_EQ(w.form.Contrast, 0);
        EXPECT_EQ(w.form.ZoomPercent, 100);
        EXPECT_EQ(w.form.CurrentPage, 1);
    }
}

TEST(Dispatcher, ExitButtonsEndTheProgramFromAnyPage)
{
    const std::pair<int16_t, int16_t> exits[]
        = {{0, Button::ExitDocumentPage}, {1, Button::ExitPhotoPage}, {2, Button::ExitSheetPage}};
    for (const auto& [page, index] : exits) {
        LoadedWindow w;
        w.PrepareSheet();
        if (page >= 1)
            w.form.Image1_Click(Button::Passport);
        if (page == 2) {
            w.form.CurrentPage = 2;
            w.form.ShowPage();
        }
        ASSERT_TRUE(w.PageShown(page));
        QSignalSpy ended(&w.form, &FrmMain::ProgramEnded);
        w.form.LblLuminosita->setText("+2");
        w.form.Image1_Click(index);
        EXPECT_EQ(ended.count(), 1);
        EXPECT_FALSE(w.form.isVisible());
        EXPECT_EQ(w.form.LblLuminosita->text(), "+2");
    }
}

TEST(Readouts, WriteAPlusBeforePositiveValues)
{
    const std::pair<int, const char*> cases[]
        = {{-100, "-100"}, {-7, "-7"}, {-1, "-1"}, {0, "0"}, {1, "+1"}, {100, "+100"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatStep(value), text);
}

TEST(PictureButtons, ShowTheirFilesAndThePressedLook)
{
    LoadedWindow w;
    const std::pair<int16_t, const char*> files[] = {
        {Button::Passport, "passaporto.jpg"},
        {Button::IdentityCard, "cartaidentita.jpg"},
        {Button::DrivingLicence, "patente.jpg"},
        {Button::ExitDocumentPage, "esci.jpg"},
        {Button::BackToPhotoPage, "indietro.jpg"},
        {Button::Print, "stampa.jpg"},
        {Button::ExitSheetPage, "esci.jpg"},
        {Button::BrightnessUp, "Lumi_UP.jpg"},
        {Button::BrightnessDown, "Lumi_DW.jpg"},
        {Button::ContrastUp, "Contrasto_UP.jpg"},
        {Button::ContrastDown, "Contrasto_DW.jpg"},
        {Button::Open, "apri.jpg"},
        {Button::ZoomIn, "ZoomUp.jpg"},
        {Button::ZoomOut, "ZoomDown.jpg"},
        {Button::Ok, "ok.jpg"},
        {Button::FrameFace, "inquadra.jpg"},
        {Button::BackToDocumentPage, "indietro.jpg"},
        {Button::ExitPhotoPage, "esci.jpg"},
    };
    for (const auto& [index, file] : files)
        EXPECT_EQ(w.form.Image1.at(index)->Picture(),
                  LoadPicture(w.folder.Path(QStringLiteral("CacheBottoni/") + file)))
            << index;
    // Stretched to the button whatever its proportions: in a wider window the picture's parts,
    // compared as block averages, fill the button edge to edge.
    w.form.resize(1200, 573);
    QCoreApplication::processEvents();
    ImageControl* passport = w.form.Image1.at(Button::Passport);
    const QImage drawn = passport->grab().toImage();
    ASSERT_GT(double(drawn.width()) / drawn.height(), 1.3 * 332 / 86);
    const auto blocks = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_RGB32)
            .scaled(8, 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage want = blocks(passport->Picture()), got = blocks(drawn);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_LE(std::abs(qGray(want.pixel(x, y)) - qGray(got.pixel(x, y))), 24)
                << x << "," << y;

    // Each pair of opposite buttons has pictures of its own.
    for (const auto& [up, down] : {std::pair {Button::ZoomIn, Button::ZoomOut},
                                   {Button::BrightnessUp, Button::BrightnessDown},
                                   {Button::ContrastUp, Button::ContrastDown}})
        EXPECT_NE(w.form.Image1.at(up)->Picture(), w.form.Image1.at(down)->Picture());

    const QImage own = LoadPicture(w.folder.Path("CacheBottoni/passaporto.jpg"));
    const QImage pressed = LoadPicture(w.folder.Path("CacheBottoni/buttonvoid.jpg"));
    ImageControl* button = w.form.Image1.at(Button::Passport);

    for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(button, mouse);
        EXPECT_EQ(button->Picture(), pressed);
        // Released outside the button: its picture still comes back, and no click happens.
        QTest::mouseRelease(button, mouse, {}, QPoint(-20, -20));
        EXPECT_EQ(button->Picture(), own);
        EXPECT_EQ(w.form.CurrentPage, 0);
    }
    // A right click on the button shows the pressed look and gives it back, and runs nothing.
    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(button->Picture(), own);
    EXPECT_EQ(w.form.CurrentPage, 0);
}

TEST(PictureButtons, PressedLookIsReadAnewAtEveryPress)
{
    LoadedWindow w;
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(w.folder.Path("CacheBottoni/buttonvoid.jpg"), "JPEG"));
    QTest::mousePress(w.form.Image1.at(Button::ExitDocumentPage), Qt::LeftButton);
    EXPECT_EQ(w.form.Image1.at(Button::ExitDocumentPage)->Picture().size(), QSize(40, 20));
    QTest::mouseRelease(w.form.Image1.at(Button::ExitDocumentPage), Qt::LeftButton, {},
                        QPoint(-5, -5));
}

TEST(PictureButtons, MissingPressedLookIsReportedAndTheButtonKeepsItsPicture)
{
    LoadedWindow w;
    QFile::remove(w.folder.Path("CacheBottoni/buttonvoid.jpg"));
    const QImage own = w.form.Image1.at(Button::IdentityCard)->Picture();
    SeenMessage seen;
    AcceptNextMessage(&seen);
    QTest::mousePress(w.form.Image1.at(Button::IdentityCard), Qt::LeftButton);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "53");
    EXPECT_TRUE(seen.text.contains("buttonvoid.jpg")) << seen.text.toStdString();
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttonCount, 1);
    EXPECT_EQ(w.form.Image1.at(Button::IdentityCard)->Picture(), own);
}

TEST(PictureButtons, MissingButtonPictureFailsTheLoadNamingTheFile)
{
    TemporaryApplicationFolder folder;
    QFile::remove(folder.Path("CacheBottoni/ZoomDown.jpg"));
    FrmMain form;
    try {
        form.Form_Load();
        FAIL() << "the load went on without a button picture";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
        EXPECT_TRUE(e.Description().contains("CacheBottoni/ZoomDown.jpg"));
    }
}
