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
// All positions and sizes are image pixels. Errors are raised as RuntimeError with the numbers of
// ErrorNumber (RuntimeError.h); a value outside what an operation takes raises
// InvalidProcedureCall.
class ImageEdit : public QWidget
{
    Q_OBJECT

public:
    // How FitImage fits the picture to the control.
    enum FitMode : int16_t {
        // Fits the picture shown now; the zoom then stays as it is when the control is resized,
        // so a zoom read back remains true.
        FitNow = 0,
        // Fits the picture of the next ShowImage, once.
        FitOnShow = 3,
    };
    // Whether DrawMark may draw.
    enum MarkMode : int16_t {
        MarksOff = 0,
        MarksOn = 2,
    };
    // Where FixMarks puts the marks: into the image, the only place there is.
    enum FixTarget : int16_t { FixIntoImage = 0 };
    // The file kinds SaveImageAs writes: JPEG only.
    enum FileKind : int16_t { JpegFile = 6 };
    // How PrintImage prints: as the current printer is set up, the only way there is.
    enum PrintFlag : int16_t { PrintAsSetUp = 1 };

    explicit ImageEdit(QWidget* parent = nullptr);
    ~ImageEdit() override;

    // Showing.
    // The file the next ShowImage reads.
    void SetImageSource(const QString& path);
    // Does nothing: the control shows files only, and the source stays the last file name.
    void SetImageSource(const QImage& picture);
    QString ImageSource() const;
    // Reads the source file and shows it, with no paste, marks or selection over it: JPEG, BMP and
    // what else Qt reads, through ReadPicture (PictureFiles.h), upright by EXIF orientation, up to
    // 512 MB decoded. Without a FitImage(FitOnShow) before it, it keeps the zoom and shows the
    // top-left corner. When the file cannot be read it raises, and the control keeps what it
    // showed.
    void ShowImage();
    // Shows nothing.
    void ClearImage();
    bool HasImage() const;
    int32_t ImagePixelWidth() const;
    int32_t ImagePixelHeight() const;
    // The picture's width in hundredths of an inch: from the file's JFIF density, else its EXIF
    // resolution, else 96 dpi (a density below 50 or above 5000 dpi counts as none); 0 when
    // nothing is shown.
    int32_t ImageWidthBase() const;

    // Fit and zoom.
    // Fits the picture to the control as `mode` says (a FitMode); a fitted zoom is kept within
    // 2..6500 percent.
    void FitImage(int16_t mode);
    // Sets the zoom in percent, 2..6500.
    void SetViewZoom(int16_t percent);
    // Sets the zoom keeping the picture point under `at` (the control's pixels) where it is.
    void SetViewZoomAt(int16_t percent, QPoint at);
    float ViewZoom() const;
    // Place the scroll bars at `percent` of their range, 0..100 (100: right, bottom).
    void SetViewPercentX(int16_t percent);
    void SetViewPercentY(int16_t percent);

    // Selection and clipboard.
    // Selects the rectangle clipped to the image; never reports SelectionDrawn.
    void SelectRect(int32_t left, int32_t top, int32_t width, int32_t height);
    QRect Selection() const;
    // Scrolls the view, where needed, so that the selection shows.
    void ScrollToSelection();
    // The rule by which the owner keeps a selection: the band follows it while the user drags,
    // and a resize reports the size it gives.
    void SetSelectionShape(std::function<QRect(const QRect&)> shape);
    // Head guides inside the selection, on screen only: copies, saves and prints never hold them.
    void ShowHeadGuides(bool shown);
    // Puts the selected part of what is shown on the clipboard; raises InvalidProcedureCall when
    // nothing is selected.
    void CopySelection();
    // Shows the clipboard's picture over the image with its top-left corner at (left, top), after
    // ending the paste before it; raises InvalidProcedureCall with no image shown, InvalidPicture
    // with no picture on the clipboard.
    void PasteAt(int32_t left, int32_t top);
    // Makes the pending paste part of the image.
    void EndPaste();

    // Marks.
    // Does nothing: every picture is already held ready for pastes and marks.
    void SetSheetPrepareFlag(bool on);
    // Switches drawing marks on or off (a MarkMode).
    void SetMarkMode(int16_t mode);
    // The side of the square pen in pixels, 1 or more.
    void SetMarkWidth(int16_t width);
    // The marks' colour as 0x00BBGGRR; 0, the default, is black.
    void SetMarkKind(int32_t kind);
    // Draws a straight line from (left, top) to (left + width, top + height) over the image, to
    // stay there until FixMarks; raises InvalidProcedureCall outside MarksOn or with no image.
    void DrawMark(int32_t left, int32_t top, int32_t width, int32_t height);
    // Makes the drawn marks part of the image. Its arguments (a FixTarget and a MarkMode) change
    // nothing: marks have one place to go.
    void FixMarks(int16_t first, int16_t second);

    // Output.
    // Writes what is shown, pending paste and marks included, through SavePicture: a JPEG at
    // quality 95 without chroma subsampling, at 100 dpi. `kind` is a FileKind; raises
    // InvalidPicture with no image shown.
    void SaveImageAs(const QString& path, int16_t kind);
    // Gives PrintImage a way to draw what is shown finer, a whole number of times its size,
    // printed in its place at as many times 100 pixels per inch. It is drawn at the first print
    // and kept for the next; any change to what is shown drops it.
    void SetPrintRendering(std::function<QImage()> render);
    // Adds what is shown, as a page, to the current printer's document, which that printer's
    // EndDoc sends: at 100 pixels per inch of paper, centred, never scaled. On paper whose
    // printable area is smaller than the picture, the picture's border is left off, but never
    // anything pasted or marked since it was shown (with nothing pasted or marked, the whole
    // picture must fit). Turned a quarter turn when the paper holds it only that way; refused with
    // PrinterError when it does not fit, InvalidPicture with no image shown. `flag` (a PrintFlag)
    // changes nothing: the copies and the paper are the current printer's settings.
    void PrintImage(int16_t flag);

    // The document as it stands, pastes and fixed marks included.
    const QImage& Image() const;
    // What PrintImage sends in place of the shown picture, drawn on first use; null when it was
    // given no rendering.
    const QImage& PrintPicture();

Q_SIGNALS:
    // The user drew a selection. A drag selects between the pixel corners nearest to where it
    // starts and ends; one that starts inside the selection moves it, one that starts on a corner
    // handle resizes it about the opposite corner; the arrow keys move it by a pixel of the screen
    // (Shift: ten). Reported once, at the release of the button or key; a release where the press
    // was is a click, reported with width and height 0.
    void SelectionDrawn(int32_t left, int32_t top, int32_t width, int32_t height);
    // Ctrl + wheel or a pinch at `at` (the control's pixels), in notches of about 10 % each; the
    // zoom itself is the owner's to set.
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
