#include "DocumentPageLayout.h"

#include "LayoutRules.h"

DocumentPageLayout LayoutDocumentPage(double W, double H, TwipsSize lblSeleziona)
{
    DocumentPageLayout page;

    page.Image1_9.Width = ToSingle(W * (68.0 / 300.0));
    page.Image1_9.Height = ToSingle(H * (17.0 / 225.0));
    for (TwipsRect* button : {&page.Image1_20, &page.Image1_21, &page.Image1_22})
        button->Width = ToSingle(W * (68.0 / 300.0));
    for (TwipsRect* button : {&page.Image1_20, &page.Image1_21, &page.Image1_22})
        button->Height = ToSingle(H * (17.0 / 225.0));

    const int32_t x9 = RoundedTwips((W - page.Image1_9.Width) / 2);
    const int32_t y9 = RoundedTwips((H - page.Image1_9.Height) * (185.0 / 225.0));
    page.Image1_9.Top = y9;
    page.Image1_9.Left = x9;

    // The identity-card button is centred, the other two stand 10 grid units beside it.
    const int32_t x = RoundedTwips((W - page.Image1_21.Width) / 2);
    const int32_t x20 = RoundedTwips((x - double(page.Image1_20.Width)) - W * (10.0 / 300.0));
    page.Image1_20.Left = x20;
    page.Image1_21.Left = x;
    page.Image1_22.Left = ToSingle(W * (10.0 / 300.0) + (double(page.Image1_21.Width) + x));

    const int32_t y = RoundedTwips((H - page.Image1_20.Height) * (140.0 / 225.0));
    for (TwipsRect* button : {&page.Image1_20, &page.Image1_21, &page.Image1_22})
        button->Top = y;

    page.LblSeleziona = PlaceTitle(W, H, lblSeleziona);

    page.ImgPassaporto.Width = ToSingle(W * (35.0 / 300.0));
    page.ImgCartaID.Width = ToSingle(W * (35.0 / 300.0));
    page.ImgPatente.Width = ToSingle(W * (56.0 / 300.0));
    page.ImgPassaporto.Height = ToSingle(H * (50.0 / 225.0));
    page.ImgCartaID.Height = ToSingle(H * (50.0 / 225.0));
    page.ImgPatente.Height = ToSingle(H * (35.0 / 225.0));

    // Each sample is narrower than its button at every size, so it is centred over it.
    const auto centreOver = [](const TwipsRect& button, const TwipsRect& sample) {
        return ToSingle((double(button.Width) - sample.Width) / 2 + button.Left);
    };
    page.ImgPassaporto.Left = centreOver(page.Image1_20, page.ImgPassaporto);
    page.ImgCartaID.Left = centreOver(page.Image1_21, page.ImgCartaID);
    page.ImgPatente.Left = centreOver(page.Image1_22, page.ImgPatente);
    page.ImgPassaporto.Top = ToSingle(H * (54.0 / 225.0));
    page.ImgCartaID.Top = ToSingle(H * (54.0 / 225.0));
    page.ImgPatente.Top = ToSingle(H * (60.0 / 225.0));

    return page;
}
