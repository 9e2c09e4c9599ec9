#include <QAbstractScrollArea>
#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "ButtonIndex.h"
#include "CodedPhoto.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "PhotoSession.h"
#include "PictureBox.h"

namespace {
// The passport's photo page showing a 160 x 190 photo at 100 %, centred in the photo control,
// driven with real mouse, wheel and key events on the control's view.
struct PhotoGestures : PhotoSession
{
    QImage photo = CodedPhoto(160, 190);

    PhotoGestures()
    {
        form.PhotoPath = ShowLossless(photo, 106, 138);
        form.ImgEdit1->SetViewZoom(100);
        form.ZoomPercent = 100;
        QCoreApplication::processEvents();
        const QSize view = Viewport()->size();
        EXPECT_GT(view.width(), photo.width());
        EXPECT_GT(view.height(), photo.height());
        origin = QPoint((view.width() - photo.width()) / 2, (view.height() - photo.height()) / 2);
    }

    QWidget* Viewport() { return form.ImgEdit1->findChild<QAbstractScrollArea*>()->viewport(); }
    QPoint At(int x, int y) const { return origin + QPoint(x, y); }

    // Presses at one photo point and moves to another; returns the band shown before the release.
    QRect DragTo(QPoint from, QPoint to)
    {
        QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, At(from.x(), from.y()));
        QTest::mouseMove(Viewport(), At((from.x() + to.x()) / 2, (from.y() + to.y()) / 2));
        QTest::mouseMove(Viewport(), At(to.x(), to.y()));
        return form.ImgEdit1->Selection();
    }
    void Release(QPoint at)
    {
        QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, At(at.x(), at.y()));
        QCoreApplication::processEvents();
    }

    void Wheel(QPoint at, int angle, Qt::KeyboardModifiers modifiers)
    {
        QWheelEvent event(at, Viewport()->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Viewport(), &event);
    }

    QImage Preview() const
    {
        return form.PictAnteprima->Picture().convertToFormat(QImage::Format_RGB32);
    }

    QPoint origin;
};

TEST(PhotoGestures, TheBandWhileDrawingIsTheSelectionTheHandlerKeeps)
{
    const struct
    {
        const char* what;
        QPoint from, to;
        QRect kept;
    } cases[] = {
        // 140 x 170 drawn: 106 / 138 x 170 = 130.6 wide, from the corner pressed.
        {"down and right", {10, 10}, {150, 180}, {10, 10, 131, 170}},
        // 145 x 125 drawn up and left of (150, 185): 96.01 wide, ending there.
        {"up and left", {150, 185}, {5, 60}, {54, 60, 96, 125}},
        // 90 high, 69.1 wide, past the photo's edge: moved inside, as the band shows.
        {"across the edge", {120, 10}, {159, 100}, {91, 10, 69, 90}},
    };
    for (const auto& c : cases) {
        PhotoGestures page;
        const QRect band = page.DragTo(c.from, c.to);
        EXPECT_EQ(band, c.kept) << c.what;
        page.Release(c.to);
        EXPECT_EQ(page.form.ImgEdit1->Selection(), band) << c.what << ": the release changed it";
        EXPECT_EQ(page.form.SelectionWidth, c.kept.width()) << c.what;
        EXPECT_EQ(page.form.SelectionHeight, c.kept.height()) << c.what;
        EXPECT_EQ(page.Preview(), page.photo.copy(c.kept)) << c.what;
    }
}

TEST(PhotoGestures, ADragInsideTheSelectionMovesTheCaptureKeepingItsSize)
{
    PhotoGestures page;
    page.form.ImgEdit1_SelectionDrawn(10, 10, 60, 80); // kept 61 x 80
    ASSERT_EQ(page.form.ImgEdit1->Selection(), QRect(10, 10, 61, 80));

    page.DragTo({40, 40}, {90, 60});
    page.Release({90, 60});
    const QRect moved(60, 30, 61, 80);
    EXPECT_EQ(page.form.ImgEdit1->Selection(), moved);
    EXPECT_EQ(page.form.SelectionWidth, 61);
    EXPECT_EQ(page.form.SelectionHeight, 80);
    EXPECT_EQ(page.Preview(), page.photo.copy(moved));

    // The arrow keys, once the photo has the focus: the capture follows at the key's release.
    page.Viewport()->parentWidget()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(page.Viewport()->parentWidget(), Qt::Key_Left);
    QTest::keyClick(page.Viewport()->parentWidget(), Qt::Key_Down, Qt::ShiftModifier);
    const QRect nudged(59, 40, 61, 80);
    EXPECT_EQ(page.form.ImgEdit1->Selection(), nudged);
    EXPECT_EQ(page.Preview(), page.photo.copy(nudged));
}

TEST(PhotoGestures, ACornerDragResizesInProportionAboutTheOppositeCorner)
{
    PhotoGestures page;
    page.form.ImgEdit1_SelectionDrawn(90, 100, 60, 80); // kept 61 x 80, to (151, 180)

    // The top-left handle to (60, 20): the bottom-right corner stays; 160 high, 122.9 wide.
    page.DragTo({90, 100}, {60, 20});
    page.Release({60, 20});
    const QRect resized(28, 20, 123, 160);
    EXPECT_EQ(page.form.ImgEdit1->Selection(), resized);
    EXPECT_EQ(page.Preview(), page.photo.copy(resized));
    EXPECT_EQ(page.form.SelectionWidth, 123);
    EXPECT_EQ(page.form.SelectionHeight, 160);
}

TEST(PhotoGestures, CtrlWheelZoomsAboutThePointerAndTheButtonsStepOnFromThere)
{
    PhotoGestures page;
    const QPoint pointer = page.At(80, 95);
    page.Wheel(pointer, 120, Qt::ControlModifier);
    EXPECT_EQ(page.form.ZoomPercent, 110);
    EXPECT_EQ(page.form.LblZoom->text(), "110");
    EXPECT_EQ(page.form.ImgEdit1->ViewZoom(), 110);
    page.Wheel(pointer, 3 * 120, Qt::ControlModifier);
    EXPECT_EQ(page.form.ZoomPercent, 146); // 110 x 1.331 = 146.4
    page.form.Image1_Click(Button::ZoomIn);
    EXPECT_EQ(page.form.ZoomPercent, 147);
    page.Wheel(pointer, -120, Qt::ControlModifier);
    EXPECT_EQ(page.form.ZoomPercent, 134); // 147 / 1.1 = 133.6
    EXPECT_EQ(page.form.LblZoom->text(), "134");

    // The plain wheel scrolls and leaves the zoom.
    page.Wheel(pointer, -120, Qt::NoModifier);
    EXPECT_EQ(page.form.ZoomPercent, 134);
}

TEST(PhotoGestures, WithoutAPhotoTheWheelZoomsNothing)
{
    PhotoSession page;
    QWidget* viewport = page.form.ImgEdit1->findChild<QAbstractScrollArea*>()->viewport();
    QWheelEvent event(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
    EXPECT_EQ(page.form.ZoomPercent, 100);
    EXPECT_EQ(page.form.LblZoom->text(), "100");
}

TEST(HoldToRepeat, AHeldSteppingButtonClicksAgainAndAgainWithItsPressedLook)
{
    PhotoGestures page;
    ImageControl* zoomIn = page.form.Image1.at(Button::ZoomIn);
    const QImage own = zoomIn->Picture();
    const QPoint centre = zoomIn->rect().center();
    const int zoom = page.form.ZoomPercent;

    QTest::mousePress(zoomIn, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::qWait(1000);
    EXPECT_NE(zoomIn->Picture(), own) << "the pressed look stays while held";
    const int held = page.form.ZoomPercent - zoom;
    // After 400 ms, then about 15 a second: some nine clicks in the first second, fewer on a
    // busy machine, never more.
    EXPECT_GE(held, 3);
    EXPECT_LE(held, 10);
    EXPECT_EQ(page.form.LblZoom->text(), QString::number(page.form.ZoomPercent));
    QTest::mouseRelease(zoomIn, Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(page.form.ZoomPercent - zoom, held + 1) << "the release clicks once more";
    EXPECT_EQ(zoomIn->Picture(), own);
    QTest::qWait(300);
    EXPECT_EQ(page.form.ZoomPercent - zoom, held + 1) << "nothing after the release";

    // OK does not repeat: held a second, it acts once, at the release.
    ImageControl* ok = page.form.Image1.at(Button::Ok);
    page.form.ImgEdit1_SelectionDrawn(10, 10, 60, 80);
    QTest::mousePress(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
    QTest::qWait(1000);
    EXPECT_EQ(page.form.CurrentPage, 1);
    QTest::mouseRelease(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
    EXPECT_EQ(page.form.CurrentPage, 2);
}
} // namespace
