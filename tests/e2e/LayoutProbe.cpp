// Prints where the program's own functions put things, for the end-to-end scripts to click and
// check:
// - "name centre-x centre-y": the buttons and controls in a window of the given twips size, in
//   window pixels;
// - "previewframe x y": a pixel of the preview frame's left edge, in window pixels;
// - "fitted left top scale": where a picture of the given size lands, fitted in the photo control:
//   the window pixel of its top-left corner and the pixels of window per pixel of picture;
// - "copy document x y width height" and "mark document left top width height": the copies and
//   cut marks of each document's sheet on the 600 x 400 cutting template, in sheet pixels.
// Usage: layout_probe [W H [picture-width picture-height]]
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "DocumentPageLayout.h"
#include "PhotoPageLayout.h"
#include "SheetGeometry.h"
#include "SheetPageLayout.h"
#include "ViewGeometry.h"

namespace {
void Print(const char* name, const TwipsRect& r)
{
    const QRect p = ToPixels(r);
    std::printf("%s %d %d\n", name, p.center().x(), p.center().y());
}

// A fitted picture smaller than the control is centred in it, as the control shows it.
void PrintFitted(const TwipsRect& control, QSize picture)
{
    const QRect box = ToPixels(control);
    const double scale = FitZoom(picture, box.size()) / 100;
    const auto offset = [scale](int boxLength, int pictureLength) {
        const int content = int(std::lround(pictureLength * scale));
        return content < boxLength ? (boxLength - content) / 2 : 0;
    };
    std::printf("fitted %d %d %.9f\n", box.left() + offset(box.width(), picture.width()),
                box.top() + offset(box.height(), picture.height()), scale);
}

struct Document
{
    const char* name;
    int32_t copies;
    int32_t photoWidth;
    int32_t photoHeight;
};

void PrintSheet(const Document& d)
{
    constexpr int32_t SheetWidth = 600;
    constexpr int32_t SheetHeight = 400;
    const SheetGrid grid = *GridForCopies(d.copies);
    const int32_t gapX = SheetGap(SheetWidth, grid.Columns, d.photoWidth);
    const int32_t gapY = SheetGap(SheetHeight, grid.Rows, d.photoHeight);
    for (int16_t r = 0; r < grid.Rows; ++r) {
        for (int16_t c = 0; c < grid.Columns; ++c) {
            const SheetPoint at = CopyOrigin(r, c, gapX, gapY, d.photoWidth, d.photoHeight);
            std::printf("copy %s %d %d %d %d\n", d.name, at.X, at.Y, d.photoWidth, d.photoHeight);
            for (const CutMark& m : CutMarks(at.X, at.Y, d.photoWidth, d.photoHeight))
                std::printf("mark %s %d %d %d %d\n", d.name, m.Left, m.Top, m.Width, m.Height);
        }
    }
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
    Print("frameface", p.Image1_7);
    Print("verdict", p.LblInquadratura);
    Print("brightup", p.Image1_4);
    Print("brightdown", p.Image1_3);
    Print("contrastup", p.Image1_0);
    Print("contrastdown", p.Image1_5);
    Print("photo", p.ImgEdit1);
    Print("zoomlabel", p.LblZoom);
    const QRect frame = ToPixels(p.ShpBordoAnteprima);
    std::printf("previewframe %d %d\n", frame.left(), frame.center().y());
    if (argc > 4)
        PrintFitted(p.ImgEdit1, QSize(std::atoi(argv[3]), std::atoi(argv[4])));
    const SheetPageLayout s = LayoutSheetPage(W, H, {6510, 360}, 1);
    Print("back2", s.Image1_19);
    Print("print", s.Image1_16);
    Print("exit2", s.Image1_18);
    Print("sheet", s.ImgEditFotoGruppo);
    for (const Document& doc :
         {Document {"passport", 8, 106, 138}, Document {"identity", 6, 157, 177},
          Document {"licence", 2, 213, 236}})
        PrintSheet(doc);
    return 0;
}
