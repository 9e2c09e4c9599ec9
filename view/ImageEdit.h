#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

class ImageView;

// The program's image-editing control: shows a picture, takes a rubber-band selection in image
// pixels, copies and pastes through the system clipboard, burns in line marks, saves and prints.
// All positions and sizes are image pixels.
//
// How it settles what its callers leave open:
// - A picture handed to SetImageSource is dropped at once; the source stays the last file name.
// - ShowImage reads JPEG, BMP and what else Qt reads through ReadPicture (PictureFiles.h), upright
//   by EXIF orientation, up to 512 MB decoded; when it fails the control keeps what it showed.
// - ShowImage without a preceding FitImage 3 keeps the zoom and shows the top-left corner.
// - FitImage 3 fits the picture of the next ShowImage; FitImage 0 fits the shown one now; the zoom
//   then stays as it is when the control is resized, so a zoom read back remains true.
// - A fitted zoom is kept within 2..6500 percent; zoom and scroll values out of range raise 5.
// - ViewPercentX/Y place the scroll bars at that percent of their range (100: right, bottom).
// - ImageWidthBase uses the file's JFIF density, else its EXIF resolution, else 96 dpi; a density
//   below 50 or above 5000 dpi counts as none.
// - SelectRect clips the rectangle to the image and never raises SelectionDrawn.
// - A drag selects between the pixel corners nearest to where it starts and ends; one that starts
//   inside the selection moves it, one that starts on a corner handle resizes it about the
//   opposite corner; the arrow keys move it by a pixel of the screen (Shift: ten). Each reports
//   SelectionDrawn once, at the release of the button or key; a release where the press was is
//   a click, reported with width and height 0.
// - SetSelectionShape gives the rule by which the owner keeps a selection: the band follows it
//   while the user drags, and a resize reports the size it gives.
// - Ctrl + wheel and a pinch report ZoomAsked; the zoom itself is the owner's to set.
// - CopySelection of an empty selection, PasteAt or DrawMark with no image shown, and DrawMark
//   outside mark mode 2 raise 5; PasteAt with no picture on the clipboard raises 481.
// - PasteAt shows the clipboard picture over the image; EndPaste, or the next PasteAt, makes it
//   part of the image. Drawn marks stay over the image until FixMarks, whatever its arguments.
// - MarkKind is the marks' colour as 0x00BBGGRR: 0, the default, is black; MarkWidth is the side
//   of the square pen in pixels.
// - SetSheetPrepareFlag has no effect: every picture is already held ready for pastes and marks.
// - SaveImageAs writes what is shown, pending paste and marks included, through SavePicture: a
//   JPEG at quality 95 without chroma subsampling, at 100 dpi; kind 6 (JPEG) only.
// - PrintImage adds what is shown, as a page, to the current printer's document, which that
//   printer's EndDoc sends: at 100 pixels per inch of paper, centred, never scaled. On paper whose
//   printable area is smaller than the picture, the picture's border is left off, but never
//   anything pasted or marked since it was shown (with nothing pasted or marked, the whole
//   picture must fit). Turned a quarter turn when the paper holds it only that way; refused with
//   482 when it does not fit.
// - SetPrintRendering gives PrintImage a way to draw what is shown finer, a whole number of times
//   its size, printed in its place at as many times 100 pixels per inch. It is drawn at the first
//   print and kept for the next; any change to what is shown drops it.
class ImageEdit : public QWidget
{
    Q_OBJECT

public:
    // The modes and kinds its callers pass, with their values.
    enum FitMode : int16_t { FitNow = 0, FitOnShow = 3 };
    enum MarkMode : int16_t { MarksOff = 0, MarksOn = 2 };
    // FixMarks(FixIntoImage, MarksOn): the marks drawn in mark mode 2 become part of the image.
    enum FixTarget : int16_t { FixIntoImage = 0 };
    enum FileKind : int16_t { JpegFile = 6 };

    explicit ImageEdit(QWidget* parent = nullptr);
    ~ImageEdit() override;

    // Showing.
    void SetImageSource(const QString& path);
    void SetImageSource(const QImage& picture);
    QString ImageSource() const;
    void ShowImage();
    void ClearImage();
    bool HasImage() const;
    int32_t ImagePixelWidth() const;
    int32_t ImagePixelHeight() const;
    int32_t ImageWidthBase() const;

    // Fit and zoom.
    void FitImage(int16_t mode);
    void SetViewZoom(int16_t percent);
    // Sets the zoom keeping the picture point under `at` (the control's pixels) where it is.
    void SetViewZoomAt(int16_t percent, QPoint at);
    float ViewZoom() const;
    void SetViewPercentX(int16_t percent);
    void SetViewPercentY(int16_t percent);

    // Selection and clipboard.
    void SelectRect(int32_t left, int32_t top, int32_t width, int32_t height);
    QRect Selection() const;
    // Scrolls the view, where needed, so that the selection shows.
    void ScrollToSelection();
    void SetSelectionShape(std::function<QRect(const QRect&)> shape);
    // Head guides inside the selection, on screen only: copies, saves and prints never hold them.
    void ShowHeadGuides(bool shown);
    void CopySelection();
    void PasteAt(int32_t left, int32_t top);
    void EndPaste();

    // Marks.
    void SetSheetPrepareFlag(bool on);
    void SetMarkMode(int16_t mode);
    void SetMarkWidth(int16_t width);
    void SetMarkKind(int32_t kind);
    void DrawMark(int32_t left, int32_t top, int32_t width, int32_t height);
    void FixMarks(int16_t first, int16_t second);

    // Output.
    void SaveImageAs(const QString& path, int16_t kind);
    void SetPrintRendering(std::function<QImage()> render);
    void PrintImage(int16_t copiesFlag);

    // The document as it stands, pastes and fixed marks included.
    const QImage& Image() const;
    // What PrintImage sends in place of the shown picture, drawn on first use; null when it was
    // given no rendering.
    const QImage& PrintPicture();

Q_SIGNALS:
    void SelectionDrawn(int32_t left, int32_t top, int32_t width, int32_t height);
    // Ctrl + wheel or a pinch at `at` (the control's pixels), in notches of about 10 % each.
    void ZoomAsked(double steps, QPoint at);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct PlacedPicture
    {
        QImage picture;
        QPoint at;
    };
    struct Mark
    {
        QList<QRect> pixels;
        QColor colour;
    };

    void FitToControl();
    // Shows this picture with no paste, marks or selection over it.
    void ShowAfresh(QImage picture);
    void ComposeShown();
    void ShownChanged();
    static void Burn(QImage& picture, const Mark& mark);

    QString source;
    QImage document;
    // The document with the pending paste and marks over it: what the view shows.
    QImage shown;
    // What PrintImage sends in place of `shown`, when it has been given a way to draw it.
    std::function<QImage()> printRendering;
    QImage printPicture;
    // The pastes and marks since the picture was shown: never cut off on paper.
    QRect kept;
    double dpiAcross = 0;
    std::optional<PlacedPicture> paste;
    QList<Mark> marks;
    bool fitOnShow = false;
    int markMode = 0;
    int markWidth = 1;
    int32_t markKind = 0;
    ImageView* view;
};
