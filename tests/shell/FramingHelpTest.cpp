#include <QAbstractScrollArea>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "ButtonIndex.h"
#include "FaceCheck.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "PhotoSession.h"
#include "PictureBox.h"
#include "Portraits.h"

namespace {
struct PhotoPage : PhotoSession
{
    // Shows a photo from a lossless file, with the passport's default selection proportions.
    void Show(const QImage& photo) { form.PhotoPath = ShowLossless(photo, 106, 138); }

    void Drag(const QRect& rect)
    {
        form.ImgEdit1_SelectionDrawn(rect.x(), rect.y(), rect.width(), rect.height());
    }

    // The colour of the preview's border, as the screen shows it.
    QColor BorderColour() { return form.ShpBordoAnteprima->grab().toImage().pixelColor(0, 0); }
};

// Pixels tinted by the guides: clearly bluer than they are red.
int BluishPixels(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            count += qBlue(line[x]) - qRed(line[x]) > 30;
    }
    return count;
}
} // namespace

TEST(FaceCheck, AfterEachCaptureTheBorderAndTheLineUnderThePreviewSayHowTheFaceIsFramed)
{
    PhotoPage page;
    page.Show(RealPhoto("astronaut.png"));
    const struct
    {
        const char* what;
        QRect drag;
        Framing verdict;
        QColor border;
        QString advice;
    } cases[] = {
        {"right", AstronautFraming(0.755, 106.0 / 138), Framing::Fits, QColor(0x2e9e44),
         "Viso nelle guide"},
        {"loose", AstronautFraming(0.5, 106.0 / 138), Framing::HeadTooSmall, QColor(0xf0a020),
         "Testa troppo piccola: stringere la selezione intorno al viso"},
        {"tight", AstronautFraming(0.95, 106.0 / 138), Framing::HeadTooLarge, QColor(0xf0a020),
         "Testa troppo grande: allargare la selezione"},
        {"off centre", AstronautFraming(0.755, 106.0 / 138, 0.15), Framing::OffCentre,
         QColor(0xf0a020), "Viso non centrato: spostare la selezione di lato"},
        {"the flag", QRect(0, 0, 81, 105), Framing::NoFace, QColor(0x8c8c8c),
         "Nessun viso trovato"},
    };
    for (const auto& c : cases) {
        page.Drag(c.drag);
        EXPECT_EQ(page.form.PreviewFraming, c.verdict) << c.what;
        EXPECT_EQ(page.BorderColour(), c.border) << c.what;
        // The line under INQUADRA VISO says what to do first, the tooltips say it all.
        EXPECT_EQ(page.form.LblInquadratura->text().section(QLatin1Char('\n'), 0, 0), c.advice)
            << c.what;
        const QString whole = page.form.ShpBordoAnteprima->toolTip();
        EXPECT_TRUE(whole.startsWith(c.advice)) << c.what;
        EXPECT_EQ(page.form.ImgAnteprima->toolTip(), whole) << c.what;
        EXPECT_EQ(page.form.LblInquadratura->toolTip(), whole) << c.what;
        // The check only tells: the selection stays as the capture forced it.
        EXPECT_EQ(page.form.ImgEdit1->Selection().topLeft(), c.drag.topLeft()) << c.what;
        EXPECT_EQ(page.form.ImgEdit1->Selection().height(), c.drag.height()) << c.what;
    }
    // The astronaut smiles with her teeth showing: a fault of the photo, told after the framing
    // and never by the border.
    page.Drag(AstronautFraming(0.755, 106.0 / 138));
    EXPECT_EQ(page.BorderColour(), QColor(0x2e9e44));
    EXPECT_TRUE(page.form.ShpBordoAnteprima->toolTip().contains(QStringLiteral("Bocca aperta")));
    EXPECT_TRUE(page.form.LblInquadratura->text().contains(QStringLiteral("bocca aperta")));
}

TEST(FaceCheck, NeverRunsOnAToneStepNorOnAClickAndNeverBlocksOk)
{
    PhotoPage page;
    page.Show(RealPhoto("astronaut.png"));
    page.Drag(AstronautFraming(0.5, 106.0 / 138));
    ASSERT_EQ(page.form.PreviewFraming, Framing::HeadTooSmall);

    page.form.PreviewFraming.reset();
    page.form.Image1_Click(Button::BrightnessUp);
    page.form.Image1_Click(Button::ContrastUp);
    page.form.ImgEdit1_SelectionDrawn(10, 10, 0, 0);
    EXPECT_FALSE(page.form.PreviewFraming.has_value());
    EXPECT_EQ(page.BorderColour(), QColor(0xf0a020));

    page.form.Image1_Click(Button::Ok);
    EXPECT_EQ(page.form.CurrentPage, 2);
}

TEST(HeadGuides, AreOnScreenOnlyNeverInTheClipboardPreviewSavedPhotoOrSheet)
{
    PhotoPage page;
    QImage grey(600, 800, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    page.Show(grey);
    page.Drag(QRect(100, 100, 212, 276));

    // On screen, inside the selection and over the preview.
    EXPECT_GT(BluishPixels(page.form.ImgEdit1->grab().toImage()), 1000);
    EXPECT_GT(BluishPixels(page.form.ImgAnteprima->grab().toImage()), 1000);

    const QImage clean = grey.copy(100, 100, 212, 276);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), clean);
    EXPECT_EQ(page.form.PictAnteprima->Picture(), clean);
    EXPECT_EQ(page.form.ImgAnteprima->Picture().convertToFormat(QImage::Format_RGB32), clean);

    page.form.Image1_Click(Button::Ok);
    ASSERT_EQ(page.form.CurrentPage, 2);
    EXPECT_EQ(QImage(page.folder.Path("FotoAppoggio.bmp")).convertToFormat(QImage::Format_RGB32),
              clean);
    const QImage sheet = page.form.ImgEditFotoGruppo->Image();
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(BluishPixels(sheet), 0);
    EXPECT_EQ(BluishPixels(QImage(page.folder.Path("Passaporto.jpg"))), 0);
    // The sheet holds the photo's grey where the copies stand.
    const QImage rgb = sheet.convertToFormat(QImage::Format_RGB32);
    int photoGrey = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            photoGrey += std::abs(qRed(rgb.pixel(x, y)) - 128) <= 2
                && std::abs(qBlue(rgb.pixel(x, y)) - 128) <= 2;
    EXPECT_GT(photoGrey, 8 * 90 * 120);
}

namespace {
// The astronaut's portrait on a wider, taller wall, so that a framing has room on every side.
QImage AstronautWithRoom()
{
    const QImage photo = RealPhoto("astronaut.png");
    QImage room(900, 1000, QImage::Format_RGB32);
    room.fill(photo.pixel(400, 5));
    QPainter painter(&room);
    painter.drawImage(QPoint(200, 250), photo);
    return room;
}
} // namespace

TEST(FrameFace, FramesTheHeadInTheBandsAndCapturesItAsADrawnSelection)
{
    PhotoPage page;
    page.Show(AstronautWithRoom());
    page.form.Image1_Click(Button::FrameFace);

    // The head (158 pixels, its crown at 266) fills 75.5 % of the selection: about 209 high,
    // its top 8.9 % of that above the crown; the centre line in the middle, at 425.
    const QRect selection = page.form.ImgEdit1->Selection();
    EXPECT_NEAR(selection.height(), Astronaut::Head / 0.755, 0.05 * 209);
    EXPECT_NEAR(selection.top(), 266 - 0.089 * selection.height(), 0.05 * 209);
    EXPECT_NEAR(selection.center().x(), 200 + Astronaut::CentreX, 0.05 * 160);
    // In the document's proportions as the forced drag computes them.
    EXPECT_EQ(selection.width(), qRound(106.0 / 138 * selection.height()));
    EXPECT_EQ(page.form.SelectionWidth, selection.width());
    EXPECT_EQ(page.form.SelectionHeight, selection.height());

    // Captured: the preview is that part of the photo, and its check reads green.
    EXPECT_EQ(page.form.PictAnteprima->Picture(), AstronautWithRoom().copy(selection));
    EXPECT_EQ(page.form.PreviewFraming, Framing::Fits);
    EXPECT_EQ(page.BorderColour(), QColor(0x2e9e44));
    EXPECT_TRUE(page.form.LblInquadratura->text().startsWith(QStringLiteral("Viso nelle guide\n")));

    // OK takes it as it takes a drawn selection.
    page.form.Image1_Click(Button::Ok);
    EXPECT_EQ(page.form.CurrentPage, 2);
    EXPECT_EQ(QImage(page.folder.Path("FotoAppoggio.bmp")).convertToFormat(QImage::Format_RGB32),
              AstronautWithRoom().copy(selection));
}

TEST(FrameFace, WithTooLittleRoomTakesTheNearestFramingAndSaysWhy)
{
    PhotoPage page;
    page.Show(RealPhoto("astronaut.png"));
    page.form.Image1_Click(Button::FrameFace);
    // The crown is 16 pixels under the photo's top edge, less than 8.9 % of the framing.
    const QRect selection = page.form.ImgEdit1->Selection();
    EXPECT_EQ(selection.top(), 0);
    EXPECT_NEAR(selection.height(), Astronaut::Head / 0.755, 0.05 * 209);
    EXPECT_EQ(page.form.PictAnteprima->Picture().size(), selection.size());
    EXPECT_TRUE(page.form.LblInquadratura->text().startsWith(
        QStringLiteral("Poco spazio intorno alla testa")));
    EXPECT_TRUE(page.form.ShpBordoAnteprima->toolTip().contains(QStringLiteral("\n")));
}

TEST(FrameFace, OnAPhotoWithoutAFaceChangesNothingButTheVerdict)
{
    PhotoPage page;
    page.Show(RealPhoto("coffee.png"));
    page.Drag(QRect(100, 50, 106, 138));
    const QRect before = page.form.ImgEdit1->Selection();
    const QImage preview = page.form.PictAnteprima->Picture();

    page.form.Image1_Click(Button::FrameFace);
    EXPECT_EQ(page.form.ImgEdit1->Selection(), before);
    EXPECT_EQ(page.form.PictAnteprima->Picture(), preview);
    EXPECT_EQ(page.form.PreviewFraming, Framing::NoFace);
    EXPECT_EQ(page.BorderColour(), QColor(0x8c8c8c));
    EXPECT_EQ(page.form.LblInquadratura->text(), QStringLiteral("Nessun viso trovato nella foto"));
}

TEST(FrameFace, ActsOnlyWhileAPhotoIsShownAndAnswersCtrlI)
{
    PhotoPage page;
    page.form.Image1_Click(Button::FrameFace);
    EXPECT_FALSE(page.form.PreviewFraming.has_value());
    EXPECT_TRUE(page.form.LblInquadratura->text().isEmpty());

    page.Show(AstronautWithRoom());
    page.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page.form));
    QTest::keyClick(&page.form, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(page.form.PreviewFraming, Framing::Fits);
    EXPECT_TRUE(
        page.form.Image1.at(Button::FrameFace)->toolTip().contains(QStringLiteral("Ctrl+I")));

    // Not on another page.
    page.form.PreviewFraming.reset();
    page.form.Image1_Click(Button::BackToDocumentPage);
    QTest::keyClick(&page.form, Qt::Key_I, Qt::ControlModifier);
    EXPECT_FALSE(page.form.PreviewFraming.has_value());
}

TEST(FramingVerdictLine, IsLegibleAndOverlapsNothingAtTheStartAndTheSmallestSize)
{
    PhotoPage page;
    page.Show(AstronautWithRoom());
    // The longest the line may say: the longest first sentences, each with the longest fault.
    const QString faults = QStringLiteral("\nFoto: sfondo non uniforme…");
    const QString longest[] = {
        QStringLiteral("Testa troppo grande per la foto: inquadratura più vicina") + faults,
        QStringLiteral("Testa troppo in basso: spostare la selezione verso il basso") + faults,
        QStringLiteral("Testa troppo piccola: stringere la selezione intorno al viso") + faults,
    };
    for (const QSize size : {QSize(733, 573), FrmMain::MinimumClientSize}) {
        page.form.resize(size);
        QCoreApplication::processEvents();
        QLabel* line = page.form.LblInquadratura;
        const QRect placed = line->geometry();
        for (QWidget* other :
             page.form.Frame1[1]->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other == line || !other->isVisible() || other == page.form.ImgSfondo[1])
                continue;
            EXPECT_FALSE(placed.intersects(other->geometry()))
                << size.width() << ": " << other->metaObject()->className();
        }
        for (const QString& text : longest) {
            const QRect needed = line->fontMetrics().boundingRect(
                QRect(0, 0, placed.width(), 10000), Qt::TextWordWrap | Qt::AlignHCenter, text);
            EXPECT_LE(needed.height(), placed.height())
                << size.width() << ": " << text.toStdString();
        }
        EXPECT_GE(line->font().pixelSize() > 0 ? line->font().pixelSize()
                                               : QFontInfo(line->font()).pixelSize(),
                  10)
            << size.width();
    }
}

TEST(FrameFace, ScrollsTheViewToTheSelection)
{
    PhotoPage page;
    page.Show(AstronautWithRoom());
    page.form.ImgEdit1->SetViewZoom(300);
    auto* view = page.form.ImgEdit1->findChild<QAbstractScrollArea*>();
    ASSERT_NE(view, nullptr);
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());

    page.form.Image1_Click(Button::FrameFace);
    const QRect selection = page.form.ImgEdit1->Selection();
    ASSERT_FALSE(selection.isEmpty());
    // The middle of what the view shows, in photo pixels, lies in the selection.
    const double scale = 3;
    const QPointF shown(
        (view->horizontalScrollBar()->value() + view->viewport()->width() / 2.0) / scale,
        (view->verticalScrollBar()->value() + view->viewport()->height() / 2.0) / scale);
    EXPECT_TRUE(QRectF(selection).contains(shown))
        << shown.x() << "," << shown.y() << " outside " << selection.x() << "," << selection.y();
}
