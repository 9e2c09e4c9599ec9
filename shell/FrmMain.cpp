#include "FrmMain.h"

#include <new>

#include <QFrame>
#include <QPainter>
#include <QResizeEvent>
#include <QScopeGuard>

#include "ButtonIndex.h"
#include "CommonDialog.h"
#include "FaceCheck.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "PictureBox.h"
#include "Pictures.h"
#include "RuntimeError.h"
#include "WindowPlacement.h"

namespace {
QFont LabelFont(const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* MakeTitle(QWidget* page, const QString& caption)
{
    auto* label = new QLabel(caption, page);
    label->setFont(LabelFont(QStringLiteral("MS Sans Serif"), 13.5));
    label->setStyleSheet(QStringLiteral("color: #1d3557;"));
    return label;
}

// A readout whose text sits on its bottom edge: the zoom readout stands right under the page
// title, and a label shorter than its font would otherwise draw the digits up into it.
class BaselineLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const int baseline = height() - 1;
        const int width = fontMetrics().horizontalAdvance(text());
        painter.drawText((this->width() - width) / 2, baseline, text());
    }
};

QLabel* MakeReadout(QWidget* page, const QString& text)
{
    auto* label = new QLabel(text, page);
    label->setFont(LabelFont(QStringLiteral("Courier New"), 14.25));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #1d3557; background: rgba(255, 255, 255, 160);"));
    return label;
}
} // namespace

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(MinimumClientSize);
    const QImage background(Pictures::Background);
    for (int page = 0; page < 3; ++page) {
        Frame1[page] = new QWidget(this);
        ImgSfondo[page] = new ImageControl(Frame1[page]);
        ImgSfondo[page]->SetPicture(background);
    }
    auto button = [this](int page, int16_t index) {
        auto* control = new ImageControl(Frame1[page], index);
        control->setCursor(Qt::PointingHandCursor);
        connect(control, &ImageControl::MouseDown, this,
                [this](int16_t i) { ReportErrors([&] { Image1_MouseDown(i); }); });
        connect(control, &ImageControl::MouseUp, this,
                [this](int16_t i) { ReportErrors([&] { Image1_MouseUp(i); }); });
        connect(control, &ImageControl::Click, this, &FrmMain::Image1_Click);
        Image1[index] = control;
    };
    auto sample = [this](int page, const QString& picture) {
        auto* control = new ImageControl(Frame1[page]);
        control->SetPicture(QImage(picture));
        return control;
    };

    // Page 0: the document type.
    ImgPassaporto = sample(0, Pictures::PassportSample);
    ImgCartaID = sample(0, Pictures::IdentityCardSample);
    ImgPatente = sample(0, Pictures::DrivingLicenceSample);
    LblSeleziona = MakeTitle(Frame1[0], QStringLiteral("SELEZIONA IL TIPO DI DOCUMENTO"));
    for (int16_t index :
         {Button::Passport, Button::IdentityCard, Button::DrivingLicence, Button::ExitDocumentPage})
        button(0, index);

    // Page 1: the photo.
    ImgEdit1 = new ImageEdit(Frame1[1]);
    PictAnteprima = new PictureBox(Frame1[1]);
    ShpBordoAnteprima = new QFrame(Frame1[1]);
    ShpBordoAnteprima->setFrameShape(QFrame::Box);
    ShpBordoAnteprima->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #1d3557; }"));
    ImgAnteprima = new ImageControl(Frame1[1]);
    Place(ImgAnteprima, {0, 0, 1335, 1335});
    ImgEdit1->ShowHeadGuides(true);
    ImgAnteprima->SetHeadGuidesShown(true);
    PrepareFaceModels();
    Label1 = new QLabel(QStringLiteral("ANTEPRIMA"), Frame1[1]);
    Label1->setFont(LabelFont(QStringLiteral("MS Sans Serif"), 8.25));
    Label1->setStyleSheet(QStringLiteral("color: #1d3557;"));
    Place(Label1, {6000, 960, 1545, 300});
    // Its fixed place lies across the page title and the zoom row, where its caption could only
    // garble theirs; the preview's frame speaks for itself.
    Label1->hide();
    LblZoom = new BaselineLabel(Frame1[1]);
    LblZoom->setFont(LabelFont(QStringLiteral("Courier New"), 14.25));
    QPalette readout = LblZoom->palette();
    readout.setColor(QPalette::WindowText, QColor(0x1d3557));
    LblZoom->setPalette(readout);
    LblLuminosita = MakeReadout(Frame1[1], QStringLiteral("+2"));
    LblContrasto = MakeReadout(Frame1[1], QStringLiteral("-4"));
    LblApriFoto = MakeTitle(Frame1[1], QStringLiteral("ELABORA/RITAGLIA FOTO"));
    for (int16_t index :
         {Button::Open, Button::ZoomIn, Button::ZoomOut, Button::BrightnessUp,
          Button::BrightnessDown, Button::ContrastUp, Button::ContrastDown, Button::Ok,
          Button::BackToDocumentPage, Button::ExitPhotoPage, Button::FrameFace})
        button(1, index);
    LblInquadratura = new QLabel(Frame1[1]);
    LblInquadratura->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    LblInquadratura->setStyleSheet(QStringLiteral("color: #1d3557;"));
    LblInquadratura->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LblInquadratura->setWordWrap(true);
    // The zoom row stands just under the title: the title's text goes over the blank top of the
    // zoom buttons' pictures.
    LblApriFoto->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LblApriFoto->raise();

    // Page 2: the sheet.
    ImgEditFotoGruppo = new ImageEdit(Frame1[2]);
    ImgPassaporto2 = sample(2, Pictures::PassportSample);
    ImgCartaID2 = sample(2, Pictures::IdentityCardSample);
    ImgPatente2 = sample(2, Pictures::DrivingLicenceSample);
    LblFoto = MakeTitle(Frame1[2], QStringLiteral("FOTO DIMENSIONATE PER IL PASSAPORTO"));
    for (int16_t index : {Button::Print, Button::BackToPhotoPage, Button::ExitSheetPage})
        button(2, index);

    // Never shown.
    PictBackup = new PictureBox(this);
    ImgEdit2 = new ImageEdit(this);
    ImgEdit2->hide();
    CommonDialog1 = new CommonDialog(this);

    SetUpButtonCommands();
    // The window itself holds the focus until Tab brings it to a button: Return is OK, not the
    // first button, and no ring shows before the keyboard is used.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    LblZoom->setAccessibleDescription(tr("Zoom in percent"));
    LblLuminosita->setAccessibleDescription(tr("Brightness"));
    LblContrasto->setAccessibleDescription(tr("Contrast"));
    ImgEdit1->setAccessibleName(tr("Photo"));
    LblInquadratura->setAccessibleDescription(tr("Framing of the face"));
    ImgEditFotoGruppo->setAccessibleName(tr("Sheet of photos"));

    connect(ImgEdit1, &ImageEdit::SelectionDrawn, this,
            [this](int32_t left, int32_t top, int32_t width, int32_t height) {
                ReportErrors([&] { ImgEdit1_SelectionDrawn(left, top, width, height); });
            });
    ImgEdit1->SetSelectionShape([this](const QRect& drawn) {
        try {
            const SelectionRect kept
                = KeepSelection({drawn.x(), drawn.y(), drawn.width(), drawn.height()});
            return QRect(kept.Left, kept.Top, kept.Width, kept.Height);
        } catch (const RuntimeError&) {
            // The handler reports it when the drag ends.
            return drawn;
        }
    });
    connect(ImgEdit1, &ImageEdit::ZoomAsked, this,
            [this](double steps, QPoint at) { ReportErrors([&] { ZoomAbout(steps, at); }); });
}

FrmMain::~FrmMain() = default;

void FrmMain::Form_Load()
{
    LoadButtonPictures();
    CurrentPage = 0;
    ShowPage();
    Brightness = 0;
    Contrast = 0;
    SetWidthTwips(11000);
    SetHeightTwips(8600);
    ZoomPercent = 100;
    LblZoom->setText(QString::number(ZoomPercent));
}

void FrmMain::CentreOn(const QScreen* screen)
{
    CentreOnScreen(*this, screen);
}

void FrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ReportErrors([this] { Form_Resize(); });
}

void FrmMain::ReportErrors(const std::function<void()>& handler)
{
    ReportErrorsOf(this, handler);
}

void FrmMain::Form_Resize()
{
    ShowPage();
}

void FrmMain::ShowPage()
{
    for (int page = 0; page < 3; ++page) {
        Frame1[page]->hide();
        const TwipsRect whole {0, 0, float(WidthTwips()), float(HeightTwips())};
        Place(Frame1[page], whole);
        Place(ImgSfondo[page], whole);
    }
    setWindowTitle(QStringLiteral("Quennet-Brimlow"));
    // The page is shown even when its routine fails, so the user keeps its buttons.
    const auto showCurrent = qScopeGuard([this] {
        if (CurrentPage >= 0 && CurrentPage <= 2)
            Frame1[CurrentPage]->show();
    });
    switch (CurrentPage) {
    case 0:
        LayoutDocumentPage();
        break;
    case 1:
        LayoutPhotoPage();
        break;
    case 2:
        BuildSheetPage();
        break;
    default:
        break;
    }
}

void FrmMain::NextPage()
{
    CurrentPage = CurrentPage + 1 >= 3 ? 0 : CurrentPage + 1;
    ShowPage();
}

void FrmMain::PreviousPage()
{
    CurrentPage = CurrentPage - 1 < 0 ? 2 : CurrentPage - 1;
    ShowPage();
}

// The size in twips is the client area's: window frames differ between desktops and are known
// only once shown, and a page laid out for the client area is never clipped by them.
double FrmMain::WidthTwips() const
{
    return width() == TwipsToPixels(assignedWidth) ? assignedWidth
                                                   : double(width()) * TwipsPerPixel;
}

double FrmMain::HeightTwips() const
{
    return height() == TwipsToPixels(assignedHeight) ? assignedHeight
                                                     : double(height()) * TwipsPerPixel;
}

void FrmMain::SetWidthTwips(double twips)
{
    assignedWidth = twips;
    resize(TwipsToPixels(twips), height());
}

void FrmMain::SetHeightTwips(double twips)
{
    assignedHeight = twips;
    resize(width(), TwipsToPixels(twips));
}

void FrmMain::Place(QWidget* control, const TwipsRect& rect)
{
    placements[control] = rect;
    control->setGeometry(ToPixels(rect));
}

TwipsRect FrmMain::PlaceOf(const QWidget* control) const
{
    return placements.value(control);
}

TwipsSize FrmMain::CaptionSize(const QLabel* label) const
{
    // The title labels size themselves to their caption.
    const QSize pixels = label->sizeHint();
    return {float(pixels.width() * TwipsPerPixel), float(pixels.height() * TwipsPerPixel)};
}
