#include "ImageEdit.h"

#include <functional>
#include <optional>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "Errors.h"
#include "PictureFixtures.h"
#include "RuntimeError.h"

namespace {

QAbstractScrollArea* ViewOf(ImageEdit& edit)
{
    return edit.findChild<QAbstractScrollArea*>();
}

QImage Rgb32(const QImage& picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool IsDark(QRgb pixel)
{
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool IsLight(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

class ImageEditTest : public testing::Test
{
protected:
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = folder.filePath(name);
        WriteFile(path, bytes);
        return path;
    }

    QString WriteBmp(const QString& name, const QImage& picture) const
    {
        return Write(name, EncodedPicture(picture, "BMP"));
    }

    static void Show(ImageEdit& edit, const QString& path, bool fit = true)
    {
        edit.SetImageSource(path);
        if (fit)
            edit.FitImage(ImageEdit::FitOnShow);
        edit.ShowImage();
    }

    static void ShowOnScreen(ImageEdit& edit, QSize size)
    {
        edit.resize(size);
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    }

    static void Drag(ImageEdit& edit, QPoint from, QPoint to)
    {
        QWidget* viewport = ViewOf(edit)->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    }

    static QRect Reported(const QSignalSpy& spy, int index = 0)
    {
        const QList<QVariant>& arguments = spy.at(index);
        return {arguments[0].toInt(), arguments[1].toInt(), arguments[2].toInt(),
                arguments[3].toInt()};
    }

    QTemporaryDir folder;
};

// --- Showing -------------------------------------------------------------------------------

TEST_F(ImageEditTest, ShowsBmpPixelsExactlyAndJpegAtItsSize)
{
    const QImage pattern = PatternPicture(64, 48);
    ImageEdit edit;
    Show(edit, WriteBmp("pattern.bmp", pattern));
    EXPECT_TRUE(edit.HasImage());
    EXPECT_EQ(edit.Image(), pattern);

    Show(edit, Write("photo.JPG", EncodedPicture(FilledPicture(90, 70, Qt::blue), "JPEG")));
    EXPECT_TRUE(edit.HasImage());
    EXPECT_EQ(edit.ImagePixelWidth(), 90);
    EXPECT_EQ(edit.ImagePixelHeight(), 70);
    const QColor middle = edit.Image().pixelColor(45, 35);
    EXPECT_LT(middle.red() + middle.green(), 6);
    EXPECT_GT(middle.blue(), 250);

    edit.ClearImage();
    EXPECT_FALSE(edit.HasImage());
    EXPECT_EQ(edit.ImagePixelWidth(), 0);
    EXPECT_EQ(edit.ImagePixelHeight(), 0);
}

TEST_F(ImageEditTest, MissingFileRaises53NamingItAndKeepsThePicture)
{
    const QImage pattern = PatternPicture(20, 10);
    ImageEdit edit;
    Show(edit, WriteBmp("kept.bmp", pattern));
    const QString missing = folder.filePath("nowhere.jpg");
    const auto error = ErrorOf([&] { Show(edit, missing); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), 53);
    EXPECT_TRUE(error->Description().contains(missing)) << qPrintable(error->Description());
    EXPECT_EQ(edit.Image(), pattern);
}

TEST_F(ImageEditTest, BrokenPicturesRaise481NamingTheFileAndChangeNothing)
{
    const QByteArray jpeg = EncodedPicture(PatternPicture(80, 60), "JPEG");
    QByteArray corrupt = jpeg;
    for (int i = 20; i < 200; ++i)
        corrupt[i] = char(i * 37);
    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"corrupt.jpg", corrupt},
        {"truncated.jpg", jpeg.left(jpeg.size() * 2 / 3)},
        {"cut-before-end.jpg", jpeg.left(jpeg.size() - 2)},
        {"empty.jpg", QByteArray()},
        {"text.jpg", QByteArray("not a picture at all")},
    };
    const QImage pattern = PatternPicture(30, 20);
    const QString good = WriteBmp("good.bmp", pattern);
    for (const auto& c : cases) {
        const QString broken = Write(c.name, c.bytes);
        ImageEdit shown;
        Show(shown, good);
        ImageEdit empty;
        for (ImageEdit* edit : {&shown, &empty}) {
            const auto error = ErrorOf([&] { Show(*edit, broken); });
            ASSERT_TRUE(error) << c.name;
            EXPECT_EQ(error->Number(), 481) << c.name;
            EXPECT_TRUE(error->Description().contains(broken)) << qPrintable(error->Description());
        }
        EXPECT_EQ(shown.Image(), pattern) << c.name;
        EXPECT_FALSE(empty.HasImage()) << c.name;
    }
}

TEST_F(ImageEditTest, PictureBeyond512MegabytesRaises481TooLarge)
{
    const QString huge = Write(
        "huge.jpg",
        WithFrameSize(EncodedPicture(FilledPicture(16, 16, Qt::gray), "JPEG"), 12000, 12000));
    ImageEdit edit;
    const auto error = ErrorOf([&] { Show(edit, huge); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), 481);
    EXPECT_TRUE(error->Description().contains("troppo grande")) << qPrintable(error->Description());
    EXPECT_TRUE(error->Description().contains(huge));
    EXPECT_FALSE(edit.HasImage());
}

TEST_F(ImageEditTest, ShowsPhotosBeyondQtsDefaultAllocationLimit)
{
    // 6200 x 6000 pixels decode to 149 MB, past the 128 MB that Qt allows by default.
    const QString big
        = Write("big.jpg", EncodedPicture(FilledPicture(6200, 6000, Qt::darkCyan), "JPEG", 50));
    ImageEdit edit;
    Show(edit, big);
    EXPECT_EQ(edit.ImagePixelWidth(), 6200);
    EXPECT_EQ(edit.ImagePixelHeight(), 6000);
}

TEST_F(ImageEditTest, ExifOrientationShowsPortraitPhotoUpright)
{
    // Stored on its side, left half red and right half blue; orientation 6 turns it clockwise.
    QImage sideways(40, 20, QImage::Format_RGB32);
    sideways.fill(Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            sideways.setPixel(x, y, qRgb(255, 0, 0));
    const QString path
        = Write("portrait.jpg",
                WithExif(EncodedPicture(sideways, "JPEG", 100), ExifBlock(6, std::nullopt)));
    ImageEdit edit;
    Show(edit, path);
    ASSERT_EQ(edit.ImagePixelWidth(), 20);
    ASSERT_EQ(edit.ImagePixelHeight(), 40);
    const QColor top = edit.Image().pixelColor(10, 5);
    const QColor bottom = edit.Image().pixelColor(10, 34);
    EXPECT_GT(top.red(), 200);
    EXPECT_LT(top.blue(), 60);
    EXPECT_GT(bottom.blue(), 200);
    EXPECT_LT(bottom.red(), 60);
}

TEST_F(ImageEditTest, ImageWidthBaseIsTheWidthInHundredthsOfAnInchAtTheFilesResolution)
{
    const QByteArray jpeg600 = EncodedPicture(FilledPicture(600, 40, Qt::gray), "JPEG");
    const QByteArray noDensity = WithJfifDensity(jpeg600, 0, 1, 1);
    const QByteArray bmp600 = EncodedPicture(FilledPicture(600, 40, Qt::gray), "BMP");
    const struct
    {
        const char* name;
        QByteArray bytes;
        int32_t base;
    } cases[] = {
        {"300dpi.jpg", WithJfifDensity(jpeg600, 1, 300, 300), 200},
        {"72dpi-exif.jpg", WithExif(noDensity, ExifBlock(std::nullopt, 72)), 833},
        {"no-density.jpg", noDensity, 625},
        {"100dpi.bmp", WithBmpDensity(bmp600, 3937), 600},
        {"no-density.bmp", WithBmpDensity(bmp600, 0), 625},
    };
    for (const auto& c : cases) {
        ImageEdit edit;
        Show(edit, Write(c.name, c.bytes));
        EXPECT_EQ(edit.ImageWidthBase(), c.base) << c.name;
    }
}

TEST_F(ImageEditTest, PictureHandedAsSourceLeavesTheFileToShow)
{
    const QImage pattern = PatternPicture(24, 16);
    const QString path = WriteBmp("source.bmp", pattern);
    ImageEdit edit;
    edit.SetImageSource(path);
    edit.SetImageSource(FilledPicture(5, 5, Qt::red));
    EXPECT_EQ(edit.ImageSource(), path);
    edit.ClearImage();
    edit.FitImage(ImageEdit::FitOnShow);
    edit.ShowImage();
    EXPECT_EQ(edit.Image(), pattern);
}

// --- Fit and zoom ---------------------------------------------------------------------------

TEST_F(ImageEditTest, FitShowsTheWholePictureCentred)
{
    ImageEdit edit;
    ShowOnScreen(edit, {200, 200});
    Show(edit, WriteBmp("wide.bmp", FilledPicture(400, 100, Qt::red)));
    EXPECT_FLOAT_EQ(edit.ViewZoom(), 50);

    const QImage screen = edit.grab().toImage();
    EXPECT_EQ(screen.pixelColor(100, 100), QColor(Qt::red));
    EXPECT_EQ(screen.pixelColor(1, 76), QColor(Qt::red));
    EXPECT_EQ(screen.pixelColor(198, 123), QColor(Qt::red));
    EXPECT_NE(screen.pixelColor(100, 70), QColor(Qt::red));
    EXPECT_NE(screen.pixelColor(100, 130), QColor(Qt::red));

    edit.SetViewZoom(100);
    EXPECT_FLOAT_EQ(edit.ViewZoom(), 100);
    edit.FitImage(ImageEdit::FitNow);
    EXPECT_FLOAT_EQ(edit.ViewZoom(), 50);
}

TEST_F(ImageEditTest, FitsAHiddenControlToTheSizeItWasGiven)
{
    QWidget window;
    ImageEdit edit(&window);
    edit.setGeometry(10, 10, 300, 150);
    Show(edit, WriteBmp("square.bmp", FilledPicture(100, 100, Qt::green)));
    EXPECT_FLOAT_EQ(edit.ViewZoom(), 150);
}

TEST_F(ImageEditTest, ShowWithoutFitKeepsTheZoom)
{
    ImageEdit edit;
    ShowOnScreen(edit, {200, 200});
    edit.SetViewZoom(250);
    Show(edit, WriteBmp("plain.bmp", FilledPicture(400, 100, Qt::red)), false);
    EXPECT_FLOAT_EQ(edit.ViewZoom(), 250);
}

TEST_F(ImageEditTest, ZoomAndScrollOutsideTheirRangesRaise5)
{
    ImageEdit edit;
    for (int16_t zoom : {2, 100, 6500}) {
        edit.SetViewZoom(zoom);
        EXPECT_FLOAT_EQ(edit.ViewZoom(), zoom);
    }
    for (int16_t zoom : {-5, 0, 1, 6501}) {
        const auto error = ErrorOf([&] { edit.SetViewZoom(zoom); });
        ASSERT_TRUE(error) << zoom;
        EXPECT_EQ(error->Number(), 5);
    }
    for (int16_t percent : {-1, 101}) {
        const auto error = ErrorOf([&] { edit.SetViewPercentX(percent); });
        ASSERT_TRUE(error) << percent;
        EXPECT_EQ(error->Number(), 5);
    }
    // A fit mode the control does not offer.
    const auto error = ErrorOf([&] { edit.FitImage(1); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), 5);
}

// --- Selection ------------------------------------------------------------------------------

TEST_F(ImageEditTest, DragAtHalfZoomReportsImagePixels)
{
    ImageEdit edit;
    ShowOnScreen(edit, {400, 300});
    Show(edit, WriteBmp("photo.bmp", PatternPicture(400, 300)), false);
    edit.SetViewZoom(50);
    QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);

    // The picture is drawn 200 x 150, centred: picture (0, 0) is at (100, 75).
    Drag(edit, {120, 95}, {170, 135});
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Reported(spy), QRect(40, 40, 100, 80));
    EXPECT_EQ(edit.Selection(), QRect(40, 40, 100, 80));

    // Backwards and past the picture's corner: clamped to the picture.
    Drag(edit, {200, 150}, {20, 10});
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(Reported(spy, 1), QRect(0, 0, 200, 150));
}

TEST_F(ImageEditTest, DragAtDoubleZoomWhileScrolledReportsImagePixels)
{
    ImageEdit edit;
    ShowOnScreen(edit, {300, 200});
    Show(edit, WriteBmp("photo.bmp", PatternPicture(300, 200)), false);
    edit.SetViewZoom(200);
    edit.SetViewPercentX(100);
    edit.SetViewPercentY(50);
    QCoreApplication::processEvents();
    const int left = ViewOf(edit)->horizontalScrollBar()->value();
    const int top = ViewOf(edit)->verticalScrollBar()->value();
    ASSERT_GT(left, 200);
    ASSERT_GT(top, 50);

    // At 200% a viewport point p shows picture point (p + scroll) / 2; pick even sums.
    const QPoint from(20 + left % 2, 30 + top % 2);
    const QPoint to(from + QPoint(60, 40));
    QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);
    Drag(edit, from, to);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Reported(spy), QRect((from.x() + left) / 2, (from.y() + top) / 2, 30, 20));
}

TEST_F(ImageEditTest, ClickWithoutDragReportsZeroSize)
{
    ImageEdit edit;
    ShowOnScreen(edit, {200, 200});
    Show(edit, WriteBmp("photo.bmp", PatternPicture(200, 200)), false);
    QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);
    QTest::mouseClick(ViewOf(edit)->viewport(), Qt::LeftButton, Qt::NoModifier, {50, 60});
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Reported(spy), QRect(50, 60, 0, 0));
}

// A 200 x 150 picture at 100 % in a 400 x 300 control stands at (100, 75); the owner keeps
// selections 4 wide for every 5 high, as a portrait document would.
class SelectionGestureTest : public ImageEditTest
{
protected:
    static constexpr QPoint Origin {100, 75};

    void SetUp() override
    {
        ShowOnScreen(edit, {400, 300});
        Show(edit, WriteBmp("photo.bmp", PatternPicture(200, 150)), false);
        edit.SetSelectionShape(
            [](const QRect& r) { return QRect(r.x(), r.y(), r.height() * 4 / 5, r.height()); });
    }

    QWidget* Viewport() { return ViewOf(edit)->viewport(); }
    static QPoint At(int x, int y) { return Origin + QPoint(x, y); }

    void Wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers modifiers)
    {
        QWheelEvent event(at, Viewport()->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Viewport(), &event);
    }

    ImageEdit edit;
};

TEST_F(SelectionGestureTest, TheBandIsWhatTheOwnerKeepsAndItsAnchorCornerStays)
{
    QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);
    const struct
    {
        const char* what;
        QPoint from, to;
        QRect expected;
    } cases[] = {
        // 60 x 70 drawn: kept 56 x 70 from the corner pressed.
        {"down and right", {10, 10}, {70, 80}, {10, 10, 56, 70}},
        // 60 x 80 drawn up and left of (80, 100): kept 64 x 80 ending there.
        {"up and left", {80, 100}, {20, 20}, {16, 20, 64, 80}},
    };
    for (const auto& c : cases) {
        QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, At(c.from.x(), c.from.y()));
        QTest::mouseMove(Viewport(), At(c.to.x(), c.to.y()));
        EXPECT_EQ(edit.Selection(), c.expected) << c.what << ": the band while dragging";
        EXPECT_EQ(spy.count(), 0) << c.what;
        QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, At(c.to.x(), c.to.y()));
        ASSERT_EQ(spy.count(), 1) << c.what;
        EXPECT_EQ(Reported(spy), c.expected) << c.what;
        spy.clear();
    }
}

TEST_F(SelectionGestureTest, ADragFromInsideMovesTheSelectionWithinThePicture)
{
    edit.SelectRect(20, 20, 40, 50);
    QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);

    QTest::mouseMove(Viewport(), At(40, 40));
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::OpenHandCursor);
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, At(40, 40));
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseMove(Viewport(), At(70, 50));
    EXPECT_EQ(edit.Selection(), QRect(50, 30, 40, 50));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, At(70, 50));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Reported(spy), QRect(50, 30, 40, 50));
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::OpenHandCursor);

    // Far past the right and bottom edges: stopped at them, the size kept.
    Drag(edit, At(60, 50), At(390, 290));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(Reported(spy, 1), QRect(160, 100, 40, 50));

    // A click inside, without a drag, is still a click.
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, At(170, 120));
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(Reported(spy, 2), QRect(170, 120, 0, 0));
}

TEST_F(SelectionGestureTest, ACornerHandleResizesAboutTheOppositeCorner)
{
    const QRect start(20, 20, 40, 50);
    const struct
    {
        const char* what;
        QPoint handle, to;
        Qt::CursorShape cursor;
        QRect expected;
    } cases[] = {
        // From the fixed (20, 20) to (100, 100): 80 high, 64 wide.
        {"bottom right", {60, 70}, {100, 100}, Qt::SizeFDiagCursor, {20, 20, 64, 80}},
        // From the fixed (60, 70) to (0, 10): 60 high, 48 wide, ending at (60, 70).
        {"top left", {20, 20}, {0, 10}, Qt::SizeFDiagCursor, {12, 10, 48, 60}},
        // From the fixed (20, 70) to (90, 30): 40 high, 32 wide.
        {"top right", {60, 20}, {90, 30}, Qt::SizeBDiagCursor, {20, 30, 32, 40}},
        // From the fixed (60, 20) to (10, 120): 100 high, 80 wide, ending at x 60.
        {"bottom left", {20, 70}, {10, 120}, Qt::SizeBDiagCursor, {-20, 20, 80, 100}},
    };
    for (const auto& c : cases) {
        edit.SelectRect(start.x(), start.y(), start.width(), start.height());
        QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);
        // Within a few pixels of the corner takes its handle.
        const QPoint handle = At(c.handle.x(), c.handle.y()) + QPoint(2, -2);
        QTest::mouseMove(Viewport(), handle);
        EXPECT_EQ(Viewport()->cursor().shape(), c.cursor) << c.what;
        Drag(edit, handle, At(c.to.x(), c.to.y()));
        ASSERT_EQ(spy.count(), 1) << c.what;
        EXPECT_EQ(Reported(spy), c.expected) << c.what;
    }
}

TEST_F(SelectionGestureTest, ArrowKeysMoveByAScreenPixelAndReportAtTheRelease)
{
    // At 50 % a pixel of the screen is two of the picture.
    edit.SetViewZoom(50);
    edit.SelectRect(20, 20, 40, 50);
    QWidget* view = ViewOf(edit);
    QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);

    QTest::keyPress(view, Qt::Key_Right);
    EXPECT_EQ(edit.Selection(), QRect(22, 20, 40, 50));
    EXPECT_EQ(spy.count(), 0);
    QTest::keyRelease(view, Qt::Key_Right);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Reported(spy), QRect(22, 20, 40, 50));

    QTest::keyPress(view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyPress(view, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(edit.Selection(), QRect(2, 40, 40, 50));
    QTest::keyRelease(view, Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(Reported(spy, 1), QRect(2, 40, 40, 50));

    // Stopped at the edge.
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(edit.Selection(), QRect(2, 0, 40, 50));
}

TEST_F(SelectionGestureTest, CtrlWheelAsksForZoomAndTheWheelScrolls)
{
    QSignalSpy zoom(&edit, &ImageEdit::ZoomAsked);
    Wheel({150, 100}, {0, 240}, Qt::ControlModifier);
    ASSERT_EQ(zoom.count(), 1);
    EXPECT_DOUBLE_EQ(zoom.at(0).at(0).toDouble(), 2.0);
    EXPECT_EQ(zoom.at(0).at(1).toPoint(), QPoint(150, 100));
    EXPECT_EQ(edit.ViewZoom(), 100) << "the zoom is the owner's to set";

    edit.SetViewZoom(400);
    QCoreApplication::processEvents();
    QScrollBar* across = ViewOf(edit)->horizontalScrollBar();
    QScrollBar* down = ViewOf(edit)->verticalScrollBar();
    across->setValue(100);
    down->setValue(100);
    Wheel({150, 100}, {0, -120}, Qt::NoModifier);
    EXPECT_EQ(across->value(), 100);
    EXPECT_GT(down->value(), 100);
    const int downAfter = down->value();
    Wheel({150, 100}, {0, -120}, Qt::ShiftModifier);
    EXPECT_GT(across->value(), 100);
    EXPECT_EQ(down->value(), downAfter);
    EXPECT_EQ(zoom.count(), 1);
}

TEST_F(SelectionGestureTest, APinchAsksForZoomInWheelNotches)
{
    QSignalSpy zoom(&edit, &ImageEdit::ZoomAsked);
    // Spread by 10 %: one notch; pinched by the same: one notch back.
    for (const double value : {0.1, 1 / 1.1 - 1}) {
        QNativeGestureEvent event(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(),
                                  2, QPointF(120, 90), QPointF(120, 90),
                                  Viewport()->mapToGlobal(QPointF(120, 90)), value, QPointF());
        QApplication::sendEvent(Viewport(), &event);
    }
    ASSERT_EQ(zoom.count(), 2);
    EXPECT_NEAR(zoom.at(0).at(0).toDouble(), 1, 1e-9);
    EXPECT_NEAR(zoom.at(1).at(0).toDouble(), -1, 1e-9);
    EXPECT_EQ(zoom.at(0).at(1).toPoint(), QPoint(120, 90));
}

TEST_F(SelectionGestureTest, ZoomAtKeepsThePictureUnderThePointer)
{
    // Large enough to scroll, so that any picture point can stay where it is.
    edit.SetViewZoom(400);
    QCoreApplication::processEvents();
    QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);
    const QPoint pointer(130, 110);
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, pointer);
    for (int16_t percent : {1600, 800, 440}) {
        edit.SetViewZoomAt(percent, pointer);
        QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, pointer);
        EXPECT_EQ(Reported(spy, int(spy.count()) - 1), Reported(spy)) << percent;
        EXPECT_EQ(edit.ViewZoom(), percent);
    }
}

TEST_F(ImageEditTest, SelectRectRaisesNothingAndIsClippedToTheImage)
{
    ImageEdit edit;
    Show(edit, WriteBmp("sheet.bmp", PatternPicture(600, 400)));
    QSignalSpy spy(&edit, &ImageEdit::SelectionDrawn);
    edit.SelectRect(0, 0, 106, 138);
    EXPECT_EQ(edit.Selection(), QRect(0, 0, 106, 138));
    edit.SelectRect(500, 300, 319, 413);
    EXPECT_EQ(edit.Selection(), QRect(500, 300, 100, 100));
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(ImageEditTest, SelectionIsDrawnAsAVisibleRectangle)
{
    ImageEdit edit;
    ShowOnScreen(edit, {300, 300});
    const QColor grey(128, 128, 128);
    Show(edit, WriteBmp("grey.bmp", FilledPicture(100, 100, grey)), false);
    edit.SelectRect(10, 10, 50, 50);

    // At 100% the picture stands at (100, 100); the band's top edge runs along row 110.
    const QImage screen = edit.grab().toImage();
    for (int x = 110; x < 160; ++x)
        EXPECT_NE(screen.pixelColor(x, 110), grey) << x;
    EXPECT_EQ(screen.pixelColor(130, 130), grey);
    EXPECT_EQ(screen.pixelColor(130, 108), grey);
}

// --- Clipboard ------------------------------------------------------------------------------

TEST_F(ImageEditTest, CopyThenPasteRoundTripsPixelsExactly)
{
    const QImage pattern = PatternPicture(120, 90);
    ImageEdit source;
    Show(source, WriteBmp("photo.bmp", pattern));
    source.SelectRect(10, 20, 30, 40);
    source.CopySelection();
    const QImage copied = pattern.copy(10, 20, 30, 40);
    EXPECT_EQ(Rgb32(QGuiApplication::clipboard()->image()), copied);

    const QImage white = FilledPicture(200, 150, Qt::white);
    ImageEdit sheet;
    Show(sheet, WriteBmp("sheet.bmp", white));
    sheet.PasteAt(100, 50);
    EXPECT_EQ(sheet.Image(), white) << "the paste is not part of the image before EndPaste";
    sheet.EndPaste();
    EXPECT_EQ(sheet.Image().copy(100, 50, 30, 40), copied);
    EXPECT_EQ(sheet.Image().copy(0, 0, 100, 150), white.copy(0, 0, 100, 150));
    EXPECT_EQ(sheet.Image().copy(130, 0, 70, 150), white.copy(130, 0, 70, 150));

    // Past the bottom-right corner only the part on the picture lands.
    sheet.PasteAt(185, 140);
    sheet.EndPaste();
    EXPECT_EQ(sheet.Image().size(), QSize(200, 150));
    EXPECT_EQ(sheet.Image().copy(185, 140, 15, 10), copied.copy(0, 0, 15, 10));
}

TEST_F(ImageEditTest, NothingToCopyOrPasteRaises)
{
    ImageEdit edit;
    Show(edit, WriteBmp("photo.bmp", PatternPicture(50, 50)));
    const auto copyError = ErrorOf([&] { edit.CopySelection(); });
    ASSERT_TRUE(copyError);
    EXPECT_EQ(copyError->Number(), 5);

    QGuiApplication::clipboard()->clear();
    const auto pasteError = ErrorOf([&] { edit.PasteAt(0, 0); });
    ASSERT_TRUE(pasteError);
    EXPECT_EQ(pasteError->Number(), 481);
    EXPECT_EQ(edit.Image(), PatternPicture(50, 50));
}

// --- Marks and saving -----------------------------------------------------------------------

struct MarkLine
{
    int left, top, width, height;
};

// The eight cut marks around a 106 x 138 passport copy at (x, y): quarters of 26 and 34.
QList<MarkLine> PassportCutMarks(int x, int y)
{
    const int pw = 106, ph = 138, qx = 26, qy = 34;
    return {{x, y, qx, 0}, {x + 3 * qx, y, qx, 0}, {x, y + ph, qx, 0}, {x + 3 * qx, y + ph, qx, 0},
            {x, y, 0, qy}, {x, y + 3 * qy, 0, qy}, {x + pw, y, 0, qy}, {x + pw, y + 3 * qy, 0, qy}};
}

bool OnAMark(const QList<MarkLine>& marks, int px, int py)
{
    for (const MarkLine& m : marks)
        if (px >= m.left && px <= m.left + m.width && py >= m.top && py <= m.top + m.height)
            return true;
    return false;
}

void DrawAll(ImageEdit& edit, const QList<MarkLine>& marks)
{
    for (const MarkLine& m : marks)
        edit.DrawMark(m.left, m.top, m.width, m.height);
}

TEST_F(ImageEditTest, CutMarksLandOnExactPixels)
{
    ImageEdit sheet;
    Show(sheet, WriteBmp("template.bmp", FilledPicture(600, 400, Qt::white)));
    sheet.SetMarkMode(ImageEdit::MarksOn);
    sheet.SetMarkWidth(1);
    const QList<MarkLine> marks = PassportCutMarks(35, 41);
    DrawAll(sheet, marks);
    sheet.FixMarks(ImageEdit::FixIntoImage, ImageEdit::MarksOn);

    const QImage& image = sheet.Image();
    int marked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = OnAMark(marks, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
            marked += OnAMark(marks, x, y) ? 1 : 0;
        }
    // Four marks of 27 pixels, four of 35, marks 1 and 5 sharing the copy's corner.
    EXPECT_EQ(marked, 4 * 27 + 4 * 35 - 1);
}

TEST_F(ImageEditTest, MarksStayOverTheImageUntilFixed)
{
    ImageEdit sheet;
    const QImage white = FilledPicture(100, 100, Qt::white);
    Show(sheet, WriteBmp("template.bmp", white));
    const auto error = ErrorOf([&] { sheet.DrawMark(10, 10, 20, 0); });
    ASSERT_TRUE(error) << "mark mode is off";
    EXPECT_EQ(error->Number(), 5);

    sheet.SetMarkMode(ImageEdit::MarksOn);
    sheet.SetMarkKind(0x0000FF);
    sheet.DrawMark(10, 10, 20, 0);
    EXPECT_EQ(sheet.Image(), white);
    sheet.FixMarks(ImageEdit::FixIntoImage, ImageEdit::MarksOn);
    EXPECT_EQ(sheet.Image().pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.Image().pixel(30, 10), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.Image().pixel(31, 10), qRgb(255, 255, 255));
}

TEST_F(ImageEditTest, SavedJpegKeepsPastesAndMarksAndRecords100Dpi)
{
    ImageEdit photo;
    Show(photo, WriteBmp("photo.bmp", FilledPicture(106, 138, Qt::gray)));
    photo.SelectRect(0, 0, 106, 138);
    photo.CopySelection();

    ImageEdit sheet;
    Show(sheet, WriteBmp("template.bmp", FilledPicture(600, 400, Qt::white)));
    sheet.SetSheetPrepareFlag(true);
    sheet.PasteAt(35, 41);
    sheet.EndPaste();
    sheet.SetMarkMode(ImageEdit::MarksOn);
    sheet.SetMarkWidth(1);
    const QList<MarkLine> marks = PassportCutMarks(200, 200);
    DrawAll(sheet, marks);
    const QString path = folder.filePath("Passaporto.jpg");
    sheet.SaveImageAs(path, ImageEdit::JpegFile);

    const QByteArray saved = ReadFile(path);
    ASSERT_GT(saved.size(), 20);
    EXPECT_EQ(saved.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(saved.mid(13, 5), QByteArray("\x01\x00\x64\x00\x64", 5)) << "100 dots per inch";

    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage reloaded = reader.read();
    ASSERT_EQ(reloaded.size(), QSize(600, 400));
    EXPECT_NEAR(reloaded.dotsPerMeterX(), 3937, 1);
    for (const MarkLine& m : marks) {
        const QPoint middle(m.left + m.width / 2, m.top + m.height / 2);
        const QPoint aside = middle + (m.height == 0 ? QPoint(0, 5) : QPoint(5, 0));
        EXPECT_TRUE(IsDark(reloaded.pixel(middle))) << middle.x() << "," << middle.y();
        EXPECT_TRUE(IsLight(reloaded.pixel(aside))) << aside.x() << "," << aside.y();
    }
    const QColor pasted = reloaded.pixelColor(35 + 53, 41 + 69);
    EXPECT_NEAR(pasted.red(), QColor(Qt::gray).red(), 3);
    EXPECT_TRUE(IsLight(reloaded.pixel(20, 20)));
}

TEST_F(ImageEditTest, SaveToAPathThatCannotBeWrittenRaises75)
{
    ImageEdit edit;
    Show(edit, WriteBmp("photo.bmp", PatternPicture(40, 30)));
    const QString noFolder = folder.filePath("missing/Patente.jpg");
    const QString aFolder = folder.path();
    for (const QString& path : {noFolder, aFolder}) {
        const auto error = ErrorOf([&] { edit.SaveImageAs(path, ImageEdit::JpegFile); });
        ASSERT_TRUE(error) << qPrintable(path);
        EXPECT_EQ(error->Number(), 75);
        EXPECT_TRUE(error->Description().contains(path)) << qPrintable(error->Description());
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList {"photo.bmp"});
}

} // namespace
