#include "ImageEdit.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QResizeEvent>

#include "ImageView.h"
#include "Numbers.h"
#include "PaperPlacement.h"
#include "PictureFiles.h"
#include "PrinterRuntime.h"
#include "RuntimeError.h"
#include "ViewGeometry.h"

namespace {

constexpr double PrintedPixelsPerInch = 100;

QString Millimetres(const QSizeF& inches)
{
    const QLocale locale;
    return QStringLiteral("%1 x %2 mm")
        .arg(locale.toString(inches.width() * 25.4, 'f', 1),
             locale.toString(inches.height() * 25.4, 'f', 1));
}

// The part of the paper the printer can reach, in device pixels.
QRectF PrintableArea(const QPageLayout& layout, int resolution)
{
    QPageLayout reachable = layout;
    reachable.setMode(QPageLayout::StandardMode);
    reachable.setMargins(layout.minimumMargins());
    return reachable.paintRectPixels(resolution);
}

void RequireArgument(bool valid)
{
    if (!valid)
        Raise(ErrorNumber::InvalidProcedureCall);
}

QColor MarkColour(int32_t kind)
{
    return QColor(kind & 0xFF, (kind >> 8) & 0xFF, (kind >> 16) & 0xFF);
}

} // namespace

ImageEdit::ImageEdit(QWidget* parent)
    : QWidget(parent)
    , view(new ImageView(this))
{
    connect(view, &ImageView::SelectionDrawn, this, [this](const QRect& rect) {
        Q_EMIT SelectionDrawn(rect.x(), rect.y(), rect.width(), rect.height());
    });
    connect(view, &ImageView::ZoomAsked, this, [this](double steps, QPoint at) {
        Q_EMIT ZoomAsked(steps, view->viewport()->mapTo(this, at));
    });
}

ImageEdit::~ImageEdit() = default;

void ImageEdit::resizeEvent(QResizeEvent* event)
{
    view->setGeometry(QRect(QPoint(0, 0), event->size()));
}

void ImageEdit::SetImageSource(const QString& path)
{
    source = path;
}

void ImageEdit::SetImageSource(const QImage&) { }

QString ImageEdit::ImageSource() const
{
    return source;
}

void ImageEdit::ShowImage()
{
    Picture loaded = ReadPicture(source);
    dpiAcross = loaded.dpiAcross;
    ShowAfresh(std::move(loaded.image));
    if (fitOnShow) {
        fitOnShow = false;
        FitToControl();
    }
}

void ImageEdit::ClearImage()
{
    ShowAfresh(QImage());
}

void ImageEdit::ShowAfresh(QImage picture)
{
    document = std::move(picture);
    shown = document;
    paste.reset();
    marks.clear();
    kept = QRect();
    view->SetSelection(QRect());
    ShownChanged();
}

bool ImageEdit::HasImage() const
{
    return !document.isNull();
}

int32_t ImageEdit::ImagePixelWidth() const
{
    return document.width();
}

int32_t ImageEdit::ImagePixelHeight() const
{
    return document.height();
}

int32_t ImageEdit::ImageWidthBase() const
{
    if (!HasImage())
        return 0;
    return ToInt32(document.width() / dpiAcross * 100);
}

void ImageEdit::FitImage(int16_t mode)
{
    RequireArgument(mode == FitNow || mode == FitOnShow);
    if (mode == FitOnShow)
        fitOnShow = true;
    else if (HasImage())
        FitToControl();
}

void ImageEdit::FitToControl()
{
    // A hidden control gets no resize events: bring the view to the control's size first.
    view->setGeometry(rect());
    view->FitToView();
}

void ImageEdit::SetViewZoom(int16_t percent)
{
    RequireArgument(percent >= MinimumZoom && percent <= MaximumZoom);
    view->SetZoom(percent);
}

void ImageEdit::SetViewZoomAt(int16_t percent, QPoint at)
{
    RequireArgument(percent >= MinimumZoom && percent <= MaximumZoom);
    view->SetZoomAt(percent, view->viewport()->mapFrom(this, at));
}

float ImageEdit::ViewZoom() const
{
    return float(view->Zoom());
}

void ImageEdit::SetViewPercentX(int16_t percent)
{
    RequireArgument(percent >= 0 && percent <= 100);
    view->SetScrollPercent(Qt::Horizontal, percent);
}

void ImageEdit::SetViewPercentY(int16_t percent)
{
    RequireArgument(percent >= 0 && percent <= 100);
    view->SetScrollPercent(Qt::Vertical, percent);
}

void ImageEdit::SelectRect(int32_t left, int32_t top, int32_t width, int32_t height)
{
    view->SetSelection(ClipToPicture(left, top, width, height, shown.size()));
}

QRect ImageEdit::Selection() const
{
    return view->Selection();
}

void ImageEdit::ScrollToSelection()
{
    view->ShowSelection();
}

void ImageEdit::SetSelectionShape(std::function<QRect(const QRect&)> shape)
{
    view->SetSelectionShape(std::move(shape));
}

void ImageEdit::ShowHeadGuides(bool shown)
{
    view->SetHeadGuidesShown(shown);
}

void ImageEdit::CopySelection()
{
    const QRect selection = view->Selection();
    if (selection.isEmpty())
        Raise(ErrorNumber::InvalidProcedureCall,
              QCoreApplication::translate("RuntimeError", "Nothing is selected to copy"));
    QGuiApplication::clipboard()->setImage(shown.copy(selection));
}

void ImageEdit::PasteAt(int32_t left, int32_t top)
{
    if (!HasImage())
        Raise(ErrorNumber::InvalidProcedureCall,
              QCoreApplication::translate("RuntimeError", "No image to paste into"));
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull())
        Raise(ErrorNumber::InvalidPicture,
              QCoreApplication::translate("RuntimeError", "The clipboard holds no picture"));
    EndPaste();
    paste = PlacedPicture {picture.convertToFormat(QImage::Format_RGB32), QPoint(left, top)};
    kept |= QRect(paste->at, paste->picture.size());
    ComposeShown();
}

void ImageEdit::EndPaste()
{
    if (!paste)
        return;
    QPainter(&document).drawImage(paste->at, paste->picture);
    paste.reset();
}

void ImageEdit::SetSheetPrepareFlag(bool) { }

void ImageEdit::SetMarkMode(int16_t mode)
{
    RequireArgument(mode == MarksOff || mode == MarksOn);
    markMode = mode;
}

void ImageEdit::SetMarkWidth(int16_t width)
{
    RequireArgument(width >= 1);
    markWidth = width;
}

void ImageEdit::SetMarkKind(int32_t kind)
{
    RequireArgument(kind >= 0 && kind <= 0xFFFFFF);
    markKind = kind;
}

void ImageEdit::DrawMark(int32_t left, int32_t top, int32_t width, int32_t height)
{
    if (markMode != MarksOn)
        Raise(ErrorNumber::InvalidProcedureCall,
              QCoreApplication::translate("RuntimeError", "Marks are not switched on"));
    if (!HasImage())
        Raise(ErrorNumber::InvalidProcedureCall,
              QCoreApplication::translate("RuntimeError", "No image to mark"));
    const QPoint from(left, top);
    const QPoint to(ToInt32(int64_t(left) + width), ToInt32(int64_t(top) + height));
    marks.append(Mark {MarkPixels(from, to, markWidth), MarkColour(markKind)});
    for (const QRect& pixels : std::as_const(marks.last().pixels))
        kept |= pixels;
    Burn(shown, marks.last());
    ShownChanged();
}

void ImageEdit::FixMarks(int16_t, int16_t)
{
    for (const Mark& mark : std::as_const(marks))
        Burn(document, mark);
    marks.clear();
}

void ImageEdit::SaveImageAs(const QString& path, int16_t kind)
{
    RequireArgument(kind == JpegFile);
    if (!HasImage())
        Raise(ErrorNumber::InvalidPicture,
              QCoreApplication::translate("RuntimeError", "No image to save as %1").arg(path));
    SavePicture(shown, path, PictureFormat::Jpeg);
}

void ImageEdit::SetPrintRendering(std::function<QImage()> render)
{
    RequireArgument(HasImage() && render);
    printRendering = std::move(render);
    printPicture = QImage();
}

void ImageEdit::PrintImage(int16_t)
{
    if (!HasImage())
        Raise(ErrorNumber::InvalidPicture,
              QCoreApplication::translate("RuntimeError", "No image to print"));
    RuntimePrinter& printer = CurrentPrinter();
    QPrinter& device = printer.Device();
    if (device.printerState() != QPrinter::Active) {
        device.setFullPage(true);
        device.setDocName(QFileInfo(source).fileName());
    }

    // True size: the shown picture's pixels are hundredths of an inch on paper. The placement is
    // made in those pixels.
    const int resolution = device.resolution();
    const double devicePerPixel = resolution / PrintedPixelsPerInch;
    const QPageLayout layout = device.pageLayout();
    const QRectF printable = PrintableArea(layout, resolution);
    const QRect keep = kept.isEmpty() ? shown.rect() : kept.intersected(shown.rect());
    const std::optional<PaperPlacement> placement = PlaceOnPaper(
        shown.size(), keep, QSizeF(layout.fullRectPixels(resolution).size()) / devicePerPixel,
        QRectF(printable.topLeft() / devicePerPixel, printable.size() / devicePerPixel));
    if (!placement) {
        const QString needed = Millimetres(QSizeF(keep.size()) / PrintedPixelsPerInch);
        const QString paper = layout.pageSize().name();
        const QString reachable = Millimetres(printable.size() / resolution);
        Raise(ErrorNumber::PrinterError,
              kept.isEmpty()
                  ? QCoreApplication::translate("RuntimeError",
                                                "Printer error: the sheet needs %1, more than the "
                                                "printable area of the paper %2 on %3 (%4)")
                        .arg(needed, paper, printer.DeviceName(), reachable)
                  : QCoreApplication::translate("RuntimeError",
                                                "Printer error: the copies and their cut marks "
                                                "need %1, more than the printable area of the "
                                                "paper %2 on %3 (%4)")
                        .arg(needed, paper, printer.DeviceName(), reachable));
    }

    const QImage& picture = PrintPicture().isNull() ? shown : PrintPicture();
    const int finer = picture.width() / shown.width();
    const QRect printed(placement->source.topLeft() * finer, placement->source.size() * finer);
    const QSizeF size = QSizeF(placement->source.size()) * devicePerPixel;
    const QPointF centre = placement->target.center() * devicePerPixel;

    QPainter& painter = printer.NewPage();
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.translate(centre);
    if (placement->rotated)
        painter.rotate(90);
    painter.drawImage(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), picture,
                      printed);
    painter.restore();
    if (device.printerState() == QPrinter::Error) {
        printer.KillDoc();
        Raise(ErrorNumber::PrinterError,
              QCoreApplication::translate("RuntimeError",
                                          "Printer error: %1 failed to print the sheet")
                  .arg(printer.DeviceName()));
    }
}

const QImage& ImageEdit::Image() const
{
    return document;
}

const QImage& ImageEdit::PrintPicture()
{
    if (printPicture.isNull() && printRendering) {
        QImage finer = printRendering();
        RequireArgument(!finer.isNull() && finer.width() % shown.width() == 0
                        && finer.size() == shown.size() * (finer.width() / shown.width()));
        printPicture = std::move(finer);
    }
    return printPicture;
}

void ImageEdit::Burn(QImage& picture, const Mark& mark)
{
    QPainter painter(&picture);
    for (const QRect& pixels : mark.pixels)
        painter.fillRect(pixels, mark.colour);
}

void ImageEdit::ComposeShown()
{
    shown = document.copy();
    if (paste)
        QPainter(&shown).drawImage(paste->at, paste->picture);
    for (const Mark& mark : std::as_const(marks))
        Burn(shown, mark);
    ShownChanged();
}

void ImageEdit::ShownChanged()
{
    printRendering = nullptr;
    printPicture = QImage();
    view->SetPicture(shown);
}
