#include "SheetPageLayout.h"

#include "Documents.h"
#include "LayoutRules.h"

namespace {
std::optional<SheetDocument> DocumentOf(int16_t DocumentKind)
{
    const Document* d = ::DocumentOfKind(DocumentKind);
    if (!d)
        return std::nullopt;
    // The samples stand in the order of the kinds.
    return SheetDocument {SheetSample(d->Kind - 1), QString::fromUtf8(d->Caption)};
}
} // namespace

SheetPageLayout LayoutSheetPage(double W, double H, TwipsSize lblFoto, int16_t DocumentKind)
{
    SheetPageLayout page;

    TwipsRect* const buttons[] = {&page.Image1_19, &page.Image1_16, &page.Image1_18};
    for (TwipsRect* button : buttons)
        button->Width = ToSingle(W * (68.0 / 300.0));
    for (TwipsRect* button : buttons)
        button->Height = ToSingle(H * (17.0 / 225.0));

    // Equal gaps between the buttons and at both window edges.
    const int32_t ButtonGap = RoundedTwips(
        (W - ((double(page.Image1_16.Width) + page.Image1_19.Width) + page.Image1_18.Width)) / 4);
    const int32_t ButtonTop = RoundedTwips((H - page.Image1_19.Height) * (185.0 / 225.0));
    for (TwipsRect* button : buttons)
        button->Top = ButtonTop;
    page.Image1_19.Left = ButtonGap;
    page.Image1_16.Left = ToSingle(double(page.Image1_19.Width) + ToInt32(int64_t(2) * ButtonGap));
    page.Image1_18.Left = ToSingle((double(page.Image1_16.Width) + page.Image1_19.Width)
                                   + ToInt32(int64_t(3) * ButtonGap));

    page.LblFoto = PlaceTitle(W, H, lblFoto);

    // All three samples share the top-left corner at grid point (25, 82).
    const auto placeSample = [W, H](TwipsRect& sample, double widthUnits, double heightUnits) {
        sample.Width = ToSingle(W * (widthUnits / 300.0));
        sample.Height = ToSingle(H * (heightUnits / 225.0));
        sample.Left = ToSingle(W * (25.0 / 300.0));
        sample.Top = ToSingle(H * (82.0 / 225.0));
    };
    placeSample(page.ImgPassaporto2, 35, 50);
    placeSample(page.ImgCartaID2, 35, 50);
    placeSample(page.ImgPatente2, 56, 35);

    page.Document = DocumentOf(DocumentKind);

    page.ImgEditFotoGruppo.Width = ToSingle(W * (182.0 / 300.0));
    page.ImgEditFotoGruppo.Height = ToSingle(H * (120.0 / 225.0));
    page.ImgEditFotoGruppo.Left = ToSingle(W * (100.0 / 300.0));
    page.ImgEditFotoGruppo.Top = ToSingle(H * (42.0 / 225.0));
    return page;
}
