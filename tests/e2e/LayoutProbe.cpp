// Prints where the program's own layouts put the buttons in a window of the given twips size, as
// "name centre-x centre-y" in window pixels, for the end-to-end scripts to click.
#include <cstdio>
#include <cstdlib>

#include "DocumentPageLayout.h"
#include "PhotoPageLayout.h"
#include "SheetPageLayout.h"

namespace {
void Print(const char* name, const TwipsRect& r)
{
    const QRect p = ToPixels(r);
    std::printf("%s %d %d\n", name, p.center().x(), p.center().y());
}
} // namespace

int main(int argc, char** argv)
{
    const double W = argc > 2 ? std::atof(argv[1]) : 11000;
    const double H = argc > 2 ? std::atof(argv[2]) : 8600;
    const DocumentPageLayout d = LayoutDocumentPage(W, H, {5325, 360});
    Print("passport", d.Image1_20);
    Print("identity", d.Image1_21);
    Print("licence", d.Image1_22);
    Print("exit0", d.Image1_9);
    PhotoPageInput in;
    in.W = W;
    in.H = H;
    const PhotoPageLayout p = LayoutPhotoPage(in);
    Print("zoomin", p.Image1_1);
    Print("zoomout", p.Image1_2);
    Print("open", p.Image1_6);
    Print("back1", p.Image1_10);
    Print("exit1", p.Image1_17);
    Print("ok", p.Image1_13);
    Print("brightup", p.Image1_4);
    Print("brightdown", p.Image1_3);
    Print("contrastup", p.Image1_0);
    Print("contrastdown", p.Image1_5);
    Print("photo", p.ImgEdit1);
    const SheetPageLayout s = LayoutSheetPage(W, H, {6510, 360}, 1);
    Print("back2", s.Image1_19);
    Print("print", s.Image1_16);
    Print("exit2", s.Image1_18);
    Print("sheet", s.ImgEditFotoGruppo);
    return 0;
}
