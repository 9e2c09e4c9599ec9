#include <QCoreApplication>
#include <QScopeGuard>

#include "ButtonIndex.h"
#include "ComposeSheet.h"
#include "DocumentPageLayout.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "PhotoPageLayout.h"
#include "SelectionFit.h"
#include "SheetPageLayout.h"

namespace {
TwipsSize SizeOf(const TwipsRect& rect)
{
    return {rect.Width, rect.Height};
}
} // namespace

void FrmMain::LayoutDocumentPage()
{
    const DocumentPageLayout l
        = ::LayoutDocumentPage(WidthTwips(), HeightTwips(), CaptionSize(LblSeleziona));
    Place(Image1.at(Button::ExitDocumentPage), l.Image1_9);
    Place(Image1.at(Button::Passport), l.Image1_20);
    Place(Image1.at(Button::IdentityCard), l.Image1_21);
    Place(Image1.at(Button::DrivingLicence), l.Image1_22);
    Place(LblSeleziona, l.LblSeleziona);
    Place(ImgPassaporto, l.ImgPassaporto);
    Place(ImgCartaID, l.ImgCartaID);
    Place(ImgPatente, l.ImgPatente);
}

void FrmMain::LayoutPhotoPage()
{
    PhotoPageInput in;
    in.W = WidthTwips();
    in.H = HeightTwips();
    in.LblApriFoto = CaptionSize(LblApriFoto);
    in.HasImage = ImgEdit1->HasImage();
    if (in.HasImage) {
        in.ImageWidthBase = ImgEdit1->ImageWidthBase();
        in.ImagePixelWidth = ImgEdit1->ImagePixelWidth();
    }
    in.PhotoWidth = Globals.PhotoWidth;
    in.PhotoHeight = Globals.PhotoHeight;
    in.DefaultSelectionWidth = Globals.DefaultSelectionWidth;
    in.DefaultSelectionHeight = Globals.DefaultSelectionHeight;
    in.ImgAnteprima = SizeOf(PlaceOf(ImgAnteprima));

    const PhotoPageLayout l = ::LayoutPhotoPage(in);
    Place(Image1.at(Button::ZoomIn), l.Image1_1);
    Place(Image1.at(Button::ZoomOut), l.Image1_2);
    Place(LblZoom, l.LblZoom);
    Place(Image1.at(Button::Open), l.Image1_6);
    Place(Image1.at(Button::BackToDocumentPage), l.Image1_10);
    Place(Image1.at(Button::ExitPhotoPage), l.Image1_17);
    Place(Image1.at(Button::Ok), l.Image1_13);
    Place(Image1.at(Button::FrameFace), l.Image1_7);
    Place(LblInquadratura, l.LblInquadratura);
    Place(Image1.at(Button::ContrastUp), l.Image1_0);
    Place(Image1.at(Button::ContrastDown), l.Image1_5);
    Place(Image1.at(Button::BrightnessUp), l.Image1_4);
    Place(Image1.at(Button::BrightnessDown), l.Image1_3);
    Place(LblLuminosita, l.LblLuminosita);
    Place(LblContrasto, l.LblContrasto);
    Place(ImgEdit1, l.ImgEdit1);
    Place(ShpBordoAnteprima, l.ShpBordoAnteprima);
    Place(ImgAnteprima, l.ImgAnteprima);
    Place(LblApriFoto, l.LblApriFoto);
    if (l.SetsDefaultSelection) {
        Globals.DefaultSelectionWidth = l.DefaultSelectionWidth;
        Globals.DefaultSelectionHeight = l.DefaultSelectionHeight;
        const SelectionRect fitted
            = FitInPhoto({0, 0, Globals.DefaultSelectionWidth, Globals.DefaultSelectionHeight});
        ImgEdit1->SelectRect(fitted.Left, fitted.Top, fitted.Width, fitted.Height);
    }
}

void FrmMain::BuildSheetPage()
{
    // A sheet left on show after a failure would let STAMPA print a stale photo.
    auto clearOnFailure = qScopeGuard([this] { ImgEditFotoGruppo->ClearImage(); });
    const SheetPageLayout l
        = LayoutSheetPage(WidthTwips(), HeightTwips(), CaptionSize(LblFoto), DocumentKind);
    Place(Image1.at(Button::BackToPhotoPage), l.Image1_19);
    Place(Image1.at(Button::Print), l.Image1_16);
    Place(Image1.at(Button::ExitSheetPage), l.Image1_18);
    Place(LblFoto, l.LblFoto);
    Place(ImgPassaporto2, l.ImgPassaporto2);
    Place(ImgCartaID2, l.ImgCartaID2);
    Place(ImgPatente2, l.ImgPatente2);
    if (l.Document) {
        ImgPassaporto2->setVisible(l.Document->VisibleSample == SheetSample::ImgPassaporto2);
        ImgCartaID2->setVisible(l.Document->VisibleSample == SheetSample::ImgCartaID2);
        ImgPatente2->setVisible(l.Document->VisibleSample == SheetSample::ImgPatente2);
        LblFoto->setText(l.Document->Caption);
    }
    Place(ImgEditFotoGruppo, l.ImgEditFotoGruppo);

    // A resize during the composition's event pump lays the page out again but composes only
    // after the running composition ends, so the sheet matches the last size asked for.
    if (composing) {
        composeAgain = true;
        clearOnFailure.dismiss();
        return;
    }
    composing = true;
    const auto done = qScopeGuard([this] { composing = false; });
    const SheetControls controls {ImgEdit2, ImgEditFotoGruppo, PictAnteprima, [this] {
                                      Frame1[CurrentPage]->show();
                                      QCoreApplication::processEvents();
                                  }};
    do {
        composeAgain = false;
        const SheetResult result = ComposeSheet(
            controls, {DocumentKind, CopiesPerSheet, Globals.PhotoWidth, Globals.PhotoHeight});
        if (result == SheetResult::CopiesDoNotFit)
            ShowWarning(this, QStringLiteral("Attenzione, le foto non ci stanno!"));
    } while (composeAgain);
    clearOnFailure.dismiss();
}
