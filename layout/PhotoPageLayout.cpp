#include "PhotoPageLayout.h"

#include <algorithm>

#include "LayoutRules.h"

namespace {
// The zoom buttons and their readout sit on a grid of 255 x 193 units, the rest on 300 x 225.
void PlaceButtonsAndReadouts(PhotoPageLayout& page, double W, double H)
{
    page.Image1_1.Width = ToSingle(W * (28.0 / 255.0));
    page.Image1_1.Height = ToSingle(H * (10.0 / 193.0));
    page.Image1_2.Width = ToSingle(W * (28.0 / 255.0));
    page.Image1_2.Height = ToSingle(H * (10.0 / 193.0));

    TwipsRect* const buttons[]
        = {&page.Image1_6, &page.Image1_10, &page.Image1_17, &page.Image1_13, &page.Image1_0,
           &page.Image1_5, &page.Image1_4,  &page.Image1_3,  &page.Image1_7};
    for (TwipsRect* button : buttons)
        button->Width = ToSingle(W * (68.0 / 300.0));
    page.LblLuminosita.Width = ToSingle(double(page.Image1_4.Width) / 3);
    page.LblContrasto.Width = ToSingle(double(page.Image1_0.Width) / 3);
    page.LblZoom.Width = ToSingle(page.Image1_1.Width * (2.0 / 3.0));
    for (TwipsRect* button : buttons)
        button->Height = ToSingle(H * (17.0 / 225.0));
    page.LblLuminosita.Height = ToSingle(page.Image1_4.Height * (2.0 / 3.0));
    page.LblContrasto.Height = ToSingle(page.Image1_0.Height * (2.0 / 3.0));
    page.LblZoom.Height = ToSingle(page.Image1_1.Height * (2.0 / 3.0));
}

void PlacePhotoAndFrame(PhotoPageLayout& page, double W, double H)
{
    page.ImgEdit1.Width = ToSingle(W * (120.0 / 300.0));
    page.ImgEdit1.Height = ToSingle(H * (80.0 / 225.0));
    page.ImgEdit1.Top = ToSingle(H * (45.0 / 225.0));
    page.ImgEdit1.Left = ToSingle(W * (80.0 / 300.0));
    page.ShpBordoAnteprima.Width = ToSingle(W * (80.0 / 300.0));
    page.ShpBordoAnteprima.Height = ToSingle(H * (70.0 / 225.0));
    page.ShpBordoAnteprima.Top = ToSingle(H * (50.0 / 225.0));
    page.ShpBordoAnteprima.Left = ToSingle(W * (210.0 / 300.0));
}

// The document photo's size scaled into the shown image's pixels, at its top-left corner.
void SetDefaultSelection(PhotoPageLayout& page, const PhotoPageInput& input)
{
    page.DefaultSelectionWidth = input.DefaultSelectionWidth;
    page.DefaultSelectionHeight = input.DefaultSelectionHeight;
    if (!input.HasImage)
        return;
    const double divisor = input.ImageWidthBase;
    const double scale = Divide(input.ImagePixelWidth, divisor);
    page.DefaultSelectionWidth = ToInt32(input.PhotoWidth * scale);
    page.DefaultSelectionHeight = ToInt32(input.PhotoHeight * scale);
    page.SetsDefaultSelection = true;
}

// The preview takes the default selection's proportions, its longer side 10 twips short of the
// frame's, and is centred in the frame.
void FitPreview(PhotoPageLayout& page, TwipsSize current)
{
    TwipsRect& preview = page.ImgAnteprima;
    const TwipsRect& frame = page.ShpBordoAnteprima;
    preview.Width = current.Width;
    preview.Height = current.Height;

    const int32_t Wd = page.DefaultSelectionWidth;
    const int32_t Hd = page.DefaultSelectionHeight;
    if (Wd > 0 && Hd > 0) {
        if (Wd < Hd) {
            preview.Height = ToSingle(double(frame.Height) - 10);
            preview.Width = ToSingle(double(Wd) / Hd * preview.Height);
        } else {
            preview.Width = ToSingle(double(frame.Width) - 10);
            preview.Height = ToSingle(double(Hd) / Wd * preview.Width);
        }
    }

    const int32_t xp = RoundedTwips((double(frame.Width) - preview.Width) / 2);
    preview.Left = ToSingle(double(frame.Left) + xp);
    const int32_t yp = RoundedTwips((double(frame.Height) - preview.Height) / 2);
    preview.Top = ToSingle(double(frame.Top) + yp);
}

void PlaceZoomGroup(PhotoPageLayout& page, double W, double H)
{
    const int32_t tz = RoundedTwips((H - page.Image1_1.Height) * (26.0 / 193.0));
    page.Image1_1.Top = tz;
    page.Image1_2.Top = tz;
    page.LblZoom.Top = tz;
    page.Image1_1.Left = RoundedTwips((W - page.Image1_1.Width) * (90.0 / 255.0));
    page.Image1_2.Left = RoundedTwips((W - page.Image1_2.Width) * (150.0 / 255.0));
    // The readout is centred in the gap between the two buttons.
    page.LblZoom.Left = RoundedTwips(((double(page.Image1_1.Left) + page.Image1_2.Left)
                                      + page.Image1_1.Width - page.LblZoom.Width)
                                     / 2);
}

void PlaceTops(PhotoPageLayout& page, double H)
{
    const double h6 = page.Image1_6.Height;
    const int32_t bottomRow = RoundedTwips((H - h6) * (185.0 / 225.0));
    page.Image1_6.Top = bottomRow;
    page.Image1_10.Top = bottomRow;
    page.Image1_17.Top = bottomRow;
    page.Image1_13.Top = RoundedTwips((H - h6) * (160.0 / 225.0));
    // Each readout stands 5 twips above its "up" button.
    page.Image1_4.Top = RoundedTwips((H - h6) * (50.0 / 225.0));
    page.LblLuminosita.Top = ToSingle((double(page.Image1_4.Top) - page.LblLuminosita.Height) - 5);
    page.Image1_3.Top = RoundedTwips((H - h6) * (70.0 / 225.0));
    page.Image1_0.Top = RoundedTwips((H - h6) * (102.0 / 225.0));
    page.LblContrasto.Top = ToSingle((double(page.Image1_0.Top) - page.LblContrasto.Height) - 5);
    page.Image1_5.Top = RoundedTwips((H - h6) * (122.0 / 225.0));
}

void PlaceLefts(PhotoPageLayout& page, double W)
{
    // The bottom row is spread with four equal gaps: at both edges and between the buttons.
    const int32_t g = RoundedTwips(
        (W - ((double(page.Image1_10.Width) + page.Image1_6.Width) + page.Image1_17.Width)) / 4);
    page.Image1_6.Left = g;
    page.Image1_10.Left = ToSingle(double(page.Image1_6.Width) + ToInt32(int64_t(2) * g));
    page.Image1_17.Left
        = ToSingle((double(page.Image1_10.Width) + page.Image1_6.Width) + ToInt32(int64_t(3) * g));
    page.Image1_13.Left = page.Image1_10.Left;
    for (TwipsRect* button : {&page.Image1_4, &page.Image1_3, &page.Image1_0, &page.Image1_5})
        button->Left = ToSingle(W * (10.0 / 300.0));
    // A readout is a third of its button's width: one width in, it is centred over the button.
    page.LblContrasto.Left = ToSingle(double(page.LblContrasto.Width) + page.Image1_0.Left);
    page.LblLuminosita.Left = ToSingle(double(page.LblLuminosita.Width) + page.Image1_4.Left);
}
// INQUADRA VISO stands under the preview's frame, centred on it. The framing verdict is centred
// under it, as wide as OK on the left and the window's edge on the right allow, and reaches down
// to the bottom row, a margin short of each.
void PlaceFramingHelp(PhotoPageLayout& page, double W, double H)
{
    constexpr double Margin = 60;
    const TwipsRect& frame = page.ShpBordoAnteprima;
    TwipsRect& button = page.Image1_7;
    button.Left = ToSingle(double(frame.Left) + (double(frame.Width) - button.Width) / 2);
    button.Top = RoundedTwips((H - page.Image1_6.Height) * (136.0 / 225.0));

    const double centre = double(frame.Left) + double(frame.Width) / 2;
    const double okRight = double(page.Image1_13.Left) + page.Image1_13.Width;
    const double half = std::max(0.0, std::min(centre - okRight, W - centre) - Margin);
    TwipsRect& verdict = page.LblInquadratura;
    verdict.Left = ToSingle(centre - half);
    verdict.Width = ToSingle(2 * half);
    verdict.Top = ToSingle(double(button.Top) + button.Height + Margin);
    verdict.Height = ToSingle(std::max(0.0, double(page.Image1_6.Top) - Margin - verdict.Top));
}
} // namespace

PhotoPageLayout LayoutPhotoPage(const PhotoPageInput& input)
{
    const double W = input.W;
    const double H = input.H;
    PhotoPageLayout page;
    PlaceButtonsAndReadouts(page, W, H);
    PlacePhotoAndFrame(page, W, H);
    SetDefaultSelection(page, input);
    FitPreview(page, input.ImgAnteprima);
    PlaceZoomGroup(page, W, H);
    PlaceTops(page, H);
    PlaceLefts(page, W);

    PlaceFramingHelp(page, W, H);

    page.LblApriFoto = PlaceTitle(W, H, input.LblApriFoto);
    return page;
}
