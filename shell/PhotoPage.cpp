#include <cmath>

#include <QClipboard>
#include <QGuiApplication>

#include "AdjustTone.h"
#include "ApplicationFolder.h"
#include "CapturePixels.h"
#include "CommonDialog.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "Numbers.h"
#include "PictureBox.h"
#include "PictureFiles.h"
#include "RuntimeError.h"
#include "SelectionFit.h"
#include "ViewGeometry.h"
#include "WorkingFolder.h"

namespace {
QImage ClipboardPicture()
{
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull())
        Raise(ErrorNumber::InvalidPicture,
              QCoreApplication::translate(
                  "RuntimeError",
                  "Invalid picture: the clipboard holds no picture of the selection"));
    return picture;
}

// Whether a picture has the proportions of the default selection: within a pixel, or within 1 %
// where the default selection is small and its own rounding shifts its proportions.
bool HasProportions(const QSize& picture, int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0 || picture.isEmpty())
        return true;
    const double expectedWidth = double(width) / height * picture.height();
    const double expectedHeight = double(height) / width * picture.width();
    return std::abs(picture.width() - expectedWidth) <= 1
        || std::abs(picture.height() - expectedHeight) <= 1
        || std::abs(picture.width() / expectedWidth - 1) <= 0.01;
}
} // namespace

SelectionRect FrmMain::FitInPhoto(SelectionRect requested) const
{
    return FitSelectionInPhoto(requested, ImgEdit1->ImagePixelWidth(), ImgEdit1->ImagePixelHeight(),
                               Globals.DefaultSelectionWidth, Globals.DefaultSelectionHeight);
}

SelectionRect FrmMain::KeepSelection(SelectionRect drawn) const
{
    return KeptSelection(drawn, SelectionWidth, SelectionHeight, ImgEdit1->ImagePixelWidth(),
                         ImgEdit1->ImagePixelHeight(), Globals.DefaultSelectionWidth,
                         Globals.DefaultSelectionHeight);
}

void FrmMain::ReadZoomBack()
{
    ZoomPercent = ToInt16(double(ImgEdit1->ViewZoom()));
    LblZoom->setText(QString::number(ZoomPercent));
}

void FrmMain::OpenPhoto()
{
    CommonDialog1->InitDir = ApplicationFolder();
    CommonDialog1->DialogTitle = QStringLiteral("Carica Immagine");
    CommonDialog1->FileName = QString();
    CommonDialog1->Filter = QLatin1String(QT_TRANSLATE_NOOP("CommonDialog", "Image (*.jpg)|*.JPG"));
    CommonDialog1->Flags = OfnFileMustExist | OfnExtensionDifferent;
    CommonDialog1->ShowOpen();
    ChosenFile = CommonDialog1->FileName;
    if (!ChosenFile.isEmpty()) {
        ImgEdit1->SetImageSource(ChosenFile);
        ImgEdit1->FitImage(ImageEdit::FitOnShow);
        ImgEdit1->ShowImage();
        ImgEdit1->SetViewPercentX(100);
        ImgEdit1->SetViewPercentY(100);
        ImgEdit1->FitImage(ImageEdit::FitNow);
        PhotoPath = ChosenFile;
    }
    ReadZoomBack();
    ShowPage();
}

void FrmMain::StepZoom(int step)
{
    int zoom = ZoomPercent + step;
    if (zoom > 6500)
        zoom = 2;
    else if (zoom < 2)
        zoom = 6500;
    ZoomPercent = int16_t(zoom);
    ImgEdit1->SetViewZoom(ZoomPercent);
    LblZoom->setText(QString::number(ZoomPercent));
}

void FrmMain::ZoomAbout(double steps, QPoint at)
{
    if (!ImgEdit1->HasImage())
        return;
    ZoomPercent = int16_t(WheelZoom(ZoomPercent, steps));
    ImgEdit1->SetViewZoomAt(ZoomPercent, at);
    LblZoom->setText(QString::number(ZoomPercent));
}

void FrmMain::ImgEdit1_SelectionDrawn(int32_t left, int32_t top, int32_t width, int32_t height)
{
    const int32_t defaultWidth = Globals.DefaultSelectionWidth;
    const int32_t defaultHeight = Globals.DefaultSelectionHeight;
    if (width == 0 || height == 0) {
        const SelectionRect fitted = FitInPhoto({0, 0, defaultWidth, defaultHeight});
        SelectionWidth = fitted.Width;
        SelectionHeight = fitted.Height;
        ImgEdit1->SelectRect(fitted.Left, fitted.Top, SelectionWidth, SelectionHeight);
        return;
    }
    if (width != SelectionWidth || height != SelectionHeight) {
        if (defaultWidth <= 0 || defaultHeight <= 0)
            Raise(ErrorNumber::DivisionByZero,
                  QCoreApplication::translate(
                      "RuntimeError",
                      "Division by zero: the photo has no default selection to take the "
                      "document's proportions from (%1 x %2 pixels)")
                      .arg(defaultWidth)
                      .arg(defaultHeight));
        // The same rule shapes the band while the user drags: the release changes nothing.
        const SelectionRect fitted = KeepSelection({left, top, width, height});
        SelectionWidth = fitted.Width;
        SelectionHeight = fitted.Height;
        ImgEdit1->SelectRect(fitted.Left, fitted.Top, SelectionWidth, SelectionHeight);
    }
    ImgEdit1->CopySelection();
    PictAnteprima->SetPicture(ClipboardPicture());
    ImgAnteprima->SetPicture(ClipboardPicture());

    Globals.Grid.Dimension(PictAnteprima->ScaleWidth(), PictAnteprima->ScaleHeight());
    const int width16 = PictAnteprima->ScaleWidth();
    const int height16 = PictAnteprima->ScaleHeight();
    if (width16 > 32767 || height16 > 32767)
        Raise(ErrorNumber::Overflow,
              QCoreApplication::translate(
                  "RuntimeError",
                  "Overflow: the selection is %1 x %2 pixels; it may be at most 32767 "
                  "pixels on each side")
                  .arg(width16)
                  .arg(height16));
    CapturePixels(PictAnteprima->Picture(), Globals.Grid, 0, 0, int16_t(width16),
                  int16_t(height16));
    CheckFraming();
}

void FrmMain::StepTone(int16_t& value, int step)
{
    int stepped = value + step;
    if (stepped > 100)
        stepped = -100;
    else if (stepped < -100)
        stepped = 100;
    value = int16_t(stepped);
    AdjustTone(Brightness, Contrast);
}

void FrmMain::AdjustTone(int32_t brightness, int32_t contrast)
{
    QImage picture(PictAnteprima->ScaleWidth(), PictAnteprima->ScaleHeight(), QImage::Format_RGB32);
    ::AdjustTone(Globals.Grid, brightness, contrast, picture);
    PictAnteprima->SetPicture(picture);
    ImgAnteprima->SetPicture(picture);
}

void FrmMain::AcceptPhoto()
{
    // A preview captured for another document, or cut short by the photo's edge, would be
    // stretched onto every copy of the sheet: ask for a new selection instead.
    if (Globals.Grid.RedGrid.IsDimensioned()
        && !HasProportions(PictAnteprima->Picture().size(), Globals.DefaultSelectionWidth,
                           Globals.DefaultSelectionHeight)) {
        ShowWarning(this,
                    tr("The photo does not have the proportions of the document: select the "
                       "face on the photo again."));
        return;
    }
    ImgEdit1->SetImageSource(PictAnteprima->Image());
    ImgEdit1->ClearImage();
    ImgEdit1->FitImage(ImageEdit::FitOnShow);
    SavePicture(PictAnteprima->Picture(), WorkingFile(QStringLiteral("FotoAppoggio.bmp")));
    ImgEdit1->SetImageSource(PhotoPath);
    ImgEdit1->ShowImage();
    ImgEdit1->SetViewPercentX(100);
    ImgEdit1->SetViewPercentY(100);
    ImgEdit1->FitImage(ImageEdit::FitNow);
    ReadZoomBack();
    NextPage();
}
