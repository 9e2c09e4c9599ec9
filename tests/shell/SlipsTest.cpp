// A user's slips and the faults around them: the window never strands the user, a double-click
// never acts on the next page, a chord of mouse buttons never leaves a button blank, a selection
// never leaves the photo.
#include <QFileDialog>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "AppFolder.h"
#include "ButtonIndex.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "ModalDriver.h"
#include "PictureBox.h"
#include "PictureFiles.h"
#include "RuntimeError.h"

namespace {
// Closes every message box that comes up while it lives, a moment after it appears, and keeps the
// titles in order.
class MessageCounter
{
public:
    MessageCounter()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (box != current) {
                current = box;
                titles << box->windowTitle();
                seenAt.start();
            } else if (seenAt.elapsed() > 50) {
                box->accept();
            }
        });
        timer.start(5);
    }

    QStringList titles;

private:
    QTimer timer;
    QPointer<QMessageBox> current;
    QElapsedTimer seenAt;
};

struct Window
{
    TemporaryApplicationFolder folder;
    FrmMain form;
    Window()
    {
        form.Form_Load();
        form.show();
        QCoreApplication::processEvents();
    }

    // A passport photo shown on page 1 as an open would leave it.
    void ShowPhoto(int width = 400, int height = 500)
    {
        form.Image1_Click(Button::Passport);
        QImage photo(width, height, QImage::Format_RGB32);
        photo.fill(QColor(200, 170, 150));
        form.PhotoPath = folder.Path("ritratto.bmp");
        ASSERT_TRUE(photo.save(form.PhotoPath, "BMP"));
        form.ImgEdit1->SetImageSource(form.PhotoPath);
        form.ImgEdit1->ShowImage();
        form.ShowPage();
    }

    bool PageShownWithButtons(int page, std::initializer_list<int16_t> buttons) const
    {
        for (int i = 0; i < 3; ++i)
            if (form.Frame1[i]->isVisible() != (i == page))
                return false;
        for (int16_t index : buttons)
            if (!form.Image1.at(index)->isVisible() || form.Image1.at(index)->width() == 0)
                return false;
        return true;
    }

    // A button's centre in the window's own coordinates.
    QPoint CentreOf(int16_t index) const
    {
        const ImageControl* button = form.Image1.at(index);
        return button->mapTo(&form, button->rect().center());
    }

    QImage OwnPicture(const char* file) const
    {
        return LoadPicture(folder.Path(QStringLiteral("CacheBottoni/") + QLatin1String(file)));
    }
};
} // namespace

TEST(Slips, AFailedSheetLeavesItsPageWithButtonsAndNoStaleSheet)
{
    Window w;
    w.ShowPhoto();
    w.form.Image1_Click(Button::Ok);
    ASSERT_TRUE(w.form.ImgEditFotoGruppo->HasImage());

    // Back, the template gone, OK again: the error once, then the sheet page with its buttons and
    // no sheet that STAMPA could print.
    w.form.Image1_Click(Button::BackToPhotoPage);
    QFile::remove(w.folder.Path("TaglioPP.jpg"));
    {
        MessageCounter boxes;
        w.form.Image1_Click(Button::Ok);
        EXPECT_EQ(boxes.titles, QStringList {"53"});
    }
    EXPECT_EQ(w.form.CurrentPage, 2);
    EXPECT_TRUE(
        w.PageShownWithButtons(2, {Button::Print, Button::BackToPhotoPage, Button::ExitSheetPage}));
    EXPECT_FALSE(w.form.ImgEditFotoGruppo->HasImage());
    w.form.Image1_Click(Button::BackToPhotoPage);
    EXPECT_TRUE(w.PageShownWithButtons(1,
                                       {Button::Open, Button::Ok, Button::BackToDocumentPage,
                                        Button::ExitPhotoPage, Button::FrameFace}));
}

TEST(Slips, AResizeBurstOverABrokenWorkingFileShowsOneMessage)
{
    Window w;
    w.ShowPhoto();
    w.form.Image1_Click(Button::Ok);
    ASSERT_TRUE(w.form.ImgEditFotoGruppo->HasImage());
    QFile bmp(w.folder.Path("FotoAppoggio.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bmp.write("BM non è una bitmap");
    bmp.close();

    MessageCounter boxes;
    for (int i = 1; i <= 6; ++i)
        QTimer::singleShot(0, &w.form, [&w, i] { w.form.resize(733 + 10 * i, 573 + 5 * i); });
    QTest::qWait(400);
    EXPECT_EQ(boxes.titles, QStringList {"481"});
    EXPECT_TRUE(
        w.PageShownWithButtons(2, {Button::Print, Button::BackToPhotoPage, Button::ExitSheetPage}));
    EXPECT_FALSE(w.form.ImgEditFotoGruppo->HasImage());
}

TEST(Slips, APhotoWithoutProportionsLeavesThePhotoPageUsable)
{
    Window w;
    w.form.Image1_Click(Button::Passport);
    // Two pixels across at 600 dpi: its width base rounds to 0, and the layout divides by it.
    QImage narrow(2, 200, QImage::Format_RGB32);
    narrow.fill(Qt::gray);
    narrow.setDotsPerMeterX(qRound(600 / 0.0254));
    narrow.setDotsPerMeterY(qRound(600 / 0.0254));
    const QString path = w.folder.Path("stretta.jpg");
    ASSERT_TRUE(narrow.save(path, "JPEG", 95));

    MessageCounter boxes;
    WhenModal([path](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(modal)->accept();
    });
    w.form.Image1_Click(Button::Open);
    QTest::qWait(100);
    EXPECT_EQ(boxes.titles, QStringList {"11"});
    EXPECT_TRUE(w.PageShownWithButtons(
        1, {Button::Open, Button::BackToDocumentPage, Button::ExitPhotoPage}));
    w.form.Image1_Click(Button::BackToDocumentPage);
    EXPECT_TRUE(w.PageShownWithButtons(0,
                                       {Button::Passport, Button::IdentityCard,
                                        Button::DrivingLicence, Button::ExitDocumentPage}));
}

TEST(Slips, ADoubleClickThatChangesPageDoesNotActOnTheNextPage)
{
    Window w;
    w.form.Image1_Click(Button::Passport);
    QWindow* window = w.form.windowHandle();
    ASSERT_NE(window, nullptr);
    QSignalSpy ended(&w.form, &FrmMain::ProgramEnded);

    // Page 1's INDIETRO stands where page 0's ESCI does.
    const QPoint back = w.CentreOf(Button::BackToDocumentPage);
    w.form.Image1_Click(Button::BackToDocumentPage);
    ASSERT_TRUE(w.form.Image1.at(Button::ExitDocumentPage)->geometry().contains(back));
    w.form.Image1_Click(Button::Passport);

    QTest::mouseDClick(window, Qt::LeftButton, {}, back);
    EXPECT_EQ(w.form.CurrentPage, 0);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(w.form.Image1.at(Button::ExitDocumentPage)->Picture(), w.OwnPicture("esci.jpg"));

    // A deliberate click after the double-click interval acts as always.
    QTest::mouseClick(window, Qt::LeftButton, {}, back);
    EXPECT_EQ(ended.count(), 1);
}

TEST(Slips, QuickClicksOnOneButtonEachCount)
{
    Window w;
    w.ShowPhoto();
    QWindow* window = w.form.windowHandle();
    w.form.ImgEdit1_SelectionDrawn(10, 10, 100, 130);
    const int16_t zoom = w.form.ZoomPercent;
    QTest::mouseDClick(window, Qt::LeftButton, {}, w.CentreOf(Button::ZoomIn));
    EXPECT_EQ(w.form.ZoomPercent, zoom + 2);
    QTest::mouseDClick(window, Qt::LeftButton, {}, w.CentreOf(Button::BrightnessUp));
    EXPECT_EQ(w.form.Brightness, 2);
    EXPECT_EQ(w.form.LblLuminosita->text(), "+2");
}

TEST(Slips, AChordOfMouseButtonsGivesEveryButtonItsPictureBack)
{
    Window w;
    w.form.Image1_Click(Button::Passport);
    QWindow* window = w.form.windowHandle();
    const QPoint zoomIn = w.CentreOf(Button::ZoomIn);
    const QImage own = w.OwnPicture("ZoomUp.jpg");
    const QImage pressed = w.OwnPicture("buttonvoid.jpg");

    QTest::mousePress(window, Qt::LeftButton, {}, zoomIn);
    EXPECT_EQ(w.form.Image1.at(Button::ZoomIn)->Picture(), pressed);
    QTest::mousePress(window, Qt::RightButton, {}, zoomIn);
    QTest::mouseRelease(window, Qt::RightButton, {}, zoomIn);
    // The left button is still down: still pressed.
    EXPECT_EQ(w.form.Image1.at(Button::ZoomIn)->Picture(), pressed);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(w.form.Image1.at(Button::ZoomIn)->Picture(), own);

    // And the slot holds the button's own picture for the next press.
    QTest::mousePress(window, Qt::LeftButton, {}, zoomIn);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(w.form.Image1.at(Button::ZoomIn)->Picture(), own);
}

TEST(Slips, ASelectionAcrossThePhotosEdgeStaysInsideInItsProportions)
{
    Window w;
    w.ShowPhoto(400, 500);
    FrmMain& f = w.form;
    const int32_t dw = f.Globals.DefaultSelectionWidth;
    const int32_t dh = f.Globals.DefaultSelectionHeight;
    ASSERT_GT(dw, 0);

    // Dragged from near the right edge: moved left, its forced size kept.
    f.ImgEdit1_SelectionDrawn(300, 20, 100, 301);
    EXPECT_EQ(f.ImgEdit1->Selection(), QRect(400 - f.SelectionWidth, 20, f.SelectionWidth, 301));
    EXPECT_EQ(f.PictAnteprima->Picture().size(), QSize(f.SelectionWidth, 301));
    EXPECT_NEAR(double(f.SelectionWidth) / 301, double(dw) / dh, 0.005);

    // Taller than the photo: the largest selection in proportion, the photo's full height.
    f.ImgEdit1_SelectionDrawn(10, 0, 100, 600);
    EXPECT_EQ(f.SelectionHeight, 500);
    EXPECT_EQ(f.ImgEdit1->Selection().height(), 500);
    EXPECT_NEAR(double(f.SelectionWidth) / 500, double(dw) / dh, 0.005);

    // OK takes it without asking for a new selection.
    MessageCounter boxes;
    f.Image1_Click(Button::Ok);
    EXPECT_TRUE(boxes.titles.isEmpty());
    EXPECT_EQ(f.CurrentPage, 2);
}

TEST(Slips, TheDefaultSelectionOfASmallPhotoFitsIt)
{
    Window w;
    // 60 x 400 pixels at 96 dpi are narrower than the passport's default selection.
    w.ShowPhoto(60, 400);
    FrmMain& f = w.form;
    const QRect selection = f.ImgEdit1->Selection();
    EXPECT_EQ(selection.width(), 60);
    // In the proportions of the default selection, 103 x 133: 133 / 103 x 60 = 77.5.
    EXPECT_EQ(selection.height(), 77);
    EXPECT_TRUE(QRect(0, 0, 60, 400).contains(selection));
}

TEST(Slips, TheWindowOpensCentredAndKeepsALegibleMinimum)
{
    Window w;
    const QScreen* screen = QGuiApplication::primaryScreen();
    w.form.CentreOn(screen);
    EXPECT_LE(
        (w.form.frameGeometry().center() - screen->availableGeometry().center()).manhattanLength(),
        1);

    EXPECT_LE(FrmMain::MinimumClientSize.width(), 733);
    EXPECT_LE(FrmMain::MinimumClientSize.height(), 573);
    w.form.resize(300, 300);
    EXPECT_EQ(w.form.size(), FrmMain::MinimumClientSize);

    // At the minimum the zoom readout's digits stay below the photo page title's baseline, and
    // every page title stays inside the window for every document.
    w.ShowPhoto();
    const QLabel* title = w.form.LblApriFoto;
    const QLabel* zoom = w.form.LblZoom;
    const int titleBaseline = title->y() + QFontMetrics(title->font()).ascent();
    const int digitsTop = zoom->y() + zoom->height() - 1
        + QFontMetrics(zoom->font()).tightBoundingRect(zoom->text()).top();
    EXPECT_GT(digitsTop, titleBaseline);
    const QRect window = w.form.rect();
    for (int16_t document : {Button::Passport, Button::IdentityCard, Button::DrivingLicence}) {
        w.form.Image1_Click(Button::BackToDocumentPage);
        EXPECT_TRUE(window.contains(w.form.LblSeleziona->geometry()));
        w.form.Image1_Click(document);
        EXPECT_TRUE(window.contains(w.form.LblApriFoto->geometry()));
        w.form.Image1_Click(Button::Ok);
        EXPECT_TRUE(window.contains(w.form.LblFoto->geometry()))
            << w.form.LblFoto->text().toStdString();
        w.form.Image1_Click(Button::BackToPhotoPage);
    }
}

TEST(Slips, EveryKindOfFailureAtAnEntryPointIsANumberedMessage)
{
    Window w;
    const struct
    {
        const char* what;
        std::function<void()> fails;
        QStringList titles;
    } cases[] = {
        {"a numbered error", [] { Raise(ErrorNumber::InvalidPicture, "x"); }, {"481"}},
        {"a cancelled dialog", [] { Raise(ErrorNumber::CancelSelected); }, {}},
        {"out of memory", [] { throw std::bad_alloc(); }, {"7"}},
        {"a standard exception", [] { throw std::out_of_range("indice"); }, {"51"}},
        {"anything else", [] { throw 42; }, {"51"}},
    };
    for (const auto& c : cases) {
        MessageCounter boxes;
        ReportErrorsOf(&w.form, c.fails);
        QTest::qWait(20);
        EXPECT_EQ(boxes.titles, c.titles) << c.what;
    }
}
