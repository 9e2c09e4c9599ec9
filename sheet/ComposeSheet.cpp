#include "ComposeSheet.h"

#include "ApplicationFolder.h"
#include "Documents.h"
#include "ImageEdit.h"
#include "PictureBox.h"
#include "PictureFiles.h"
#include "PrintRendering.h"
#include "ResizePhoto.h"
#include "SheetGeometry.h"
#include "ViewGeometry.h"
#include "WorkingFolder.h"

namespace {
// The cut marks' line, one pixel of the sheet.
constexpr int16_t MarkWidth = 1;
} // namespace

QString TemplateFile(int16_t documentKind)
{
    const Document* d = DocumentOfKind(documentKind);
    return d ? QString::fromUtf8(d->Template) : QString();
}

QString SheetFile(int16_t documentKind)
{
    const Document* d = DocumentOfKind(documentKind);
    return d ? QString::fromUtf8(d->SheetFile) : QString();
}

SheetResult ComposeSheet(const SheetControls& c, const SheetRequest& request)
{
    ImageEdit& photo = *c.ImgEdit2;
    ImageEdit& sheet = *c.ImgEditFotoGruppo;
    const QString resized = WorkingFile(QStringLiteral("FotoResize.bmp"));

    photo.ClearImage();
    try {
        ResizePhoto(request.PhotoWidth, request.PhotoHeight);
    } catch (...) {
        // An earlier sheet left on show would print a previous photo: show none.
        sheet.ClearImage();
        throw;
    }
    // The preview box carries the resampled photo through this pass only: left there, a later
    // tone step or OK on the photo page would work on it instead of the user's own selection.
    const QImage preview = c.PictAnteprima->Picture();
    c.PictAnteprima->SetPicture(LoadPicture(resized));
    SavePicture(c.PictAnteprima->Picture(), resized);
    c.PictAnteprima->SetPicture(preview);

    photo.SetImageSource(resized);
    photo.FitImage(ImageEdit::FitOnShow);
    photo.ShowImage();
    photo.SetViewPercentX(100);
    photo.SetViewPercentY(100);
    photo.SelectRect(0, 0, photo.ImagePixelWidth(), photo.ImagePixelHeight());
    photo.CopySelection();

    sheet.ClearImage();
    sheet.SetSheetPrepareFlag(true);
    sheet.FitImage(ImageEdit::FitOnShow);
    const QString templateFile = TemplateFile(request.DocumentKind);
    if (!templateFile.isEmpty())
        sheet.SetImageSource(ApplicationFile(templateFile));
    sheet.ShowImage();
    const QImage sheetTemplate = sheet.Image();
    c.ShowPageAndPump();

    sheet.SetMarkMode(ImageEdit::MarksOn);
    sheet.SetMarkWidth(MarkWidth);
    QList<PlacedCopy> placed;
    if (const std::optional<SheetGrid> grid = GridForCopies(request.CopiesPerSheet)) {
        const int32_t gapX
            = SheetGap(sheet.ImagePixelWidth(), grid->Columns, photo.ImagePixelWidth());
        const int32_t gapY
            = SheetGap(sheet.ImagePixelHeight(), grid->Rows, photo.ImagePixelHeight());
        if (gapX < 0 || gapY < 0)
            return SheetResult::CopiesDoNotFit;
        for (int16_t row = 0; row < grid->Rows; ++row) {
            for (int16_t column = 0; column < grid->Columns; ++column) {
                const int32_t pw = photo.ImagePixelWidth();
                const int32_t ph = photo.ImagePixelHeight();
                const SheetPoint at = CopyOrigin(row, column, gapX, gapY, pw, ph);
                sheet.PasteAt(at.X, at.Y);
                sheet.EndPaste();
                PlacedCopy& copy = placed.emplace_back(PlacedCopy {QPoint(at.X, at.Y), {}});
                for (const CutMark& mark : CutMarks(at.X, at.Y, pw, ph)) {
                    sheet.DrawMark(mark.Left, mark.Top, mark.Width, mark.Height);
                    copy.markPixels << MarkPixels(
                        QPoint(mark.Left, mark.Top),
                        QPoint(mark.Left + mark.Width, mark.Top + mark.Height), MarkWidth);
                }
                sheet.FixMarks(ImageEdit::FixIntoImage, ImageEdit::MarksOn);
            }
        }
    }
    sheet.SetMarkKind(0);
    sheet.SetMarkMode(ImageEdit::MarksOff);
    sheet.FitImage(ImageEdit::FitNow);
    if (!placed.isEmpty()) {
        // The paper gets the same sheet three times finer, each copy resampled straight from the
        // accepted photo rather than enlarged from the copy on screen. It is drawn when first
        // printed, so that the sheet comes on screen no later for it.
        const QSize fineSize
            = QSize(photo.ImagePixelWidth(), photo.ImagePixelHeight()) * PrintScale;
        sheet.SetPrintRendering([sheetTemplate, placed, fineSize] {
            return RenderFineSheet(sheetTemplate, ResamplePhoto(ReadAcceptedPhoto(), fineSize),
                                   placed, Qt::black, PrintScale);
        });
    }
    const QString sheetFile = SheetFile(request.DocumentKind);
    if (!sheetFile.isEmpty())
        sheet.SaveImageAs(WorkingFile(sheetFile), ImageEdit::JpegFile);
    return SheetResult::Composed;
}
