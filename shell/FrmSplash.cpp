#include "FrmSplash.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QVersionNumber>

#include "ImageControl.h"
#include "Pictures.h"
#include "WindowPlacement.h"

namespace {
// The splash's own size: the picture keeps the background's 4:3 below the label rows.
constexpr float FormWidth = 9000;
constexpr float FormHeight = 8295;

SplashLabel* MakeLabel(QWidget* parent, const QString& family, double points, const QColor& colour)
{
    auto* label = new SplashLabel(parent);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}
} // namespace

void SplashLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void SplashLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Clicked();
}

FrmSplash::FrmSplash(std::function<void()> showMain)
    : Label1(MakeLabel(this, QStringLiteral("MS Sans Serif"), 24, Qt::red))
    , lblProductName(MakeLabel(this, QStringLiteral("Arial"), 32.25, Qt::blue))
    , lblVersion(MakeLabel(this, QStringLiteral("Arial"), 12, Qt::black))
    , Label2(MakeLabel(this, QStringLiteral("MS Sans Serif"), 13.5, Qt::red))
    , Image1(new ImageControl(this, 0))
    , showMain(std::move(showMain))
{
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Orvella"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
    resize(TwipsToPixels(FormWidth), TwipsToPixels(FormHeight));

    Label1->setText(QStringLiteral("FOTO PER DOCUMENTI"));
    Label2->setText(QStringLiteral("Foto tessera su misura"));
    Image1->SetPicture(QImage(Pictures::Background));
    // A picture to click, not a button to Tab to: the form takes every key itself.
    Image1->setFocusPolicy(Qt::NoFocus);

    connect(Image1, &ImageControl::Click, this, [this] { Timer1_Timer(); });
    connect(lblProductName, &SplashLabel::Clicked, this, &FrmSplash::Timer1_Timer);
    connect(lblVersion, &SplashLabel::Clicked, this, &FrmSplash::Timer1_Timer);
    connect(&Timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
    Timer1.setInterval(3000);

    Form_Load();
    Timer1.start();
}

void FrmSplash::Form_Load()
{
    const QVersionNumber version
        = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    lblVersion->setText(
        VersionLine(version.majorVersion(), version.minorVersion(), version.microVersion()));
    lblProductName->setText(QStringLiteral("Orvella"));

    const SplashLayout layout = LayoutSplash(FormWidth, FormHeight);
    Place(Label1, layout.Label1);
    Place(lblProductName, layout.ProductName);
    Place(lblVersion, layout.Version);
    Place(Label2, layout.Label2);
    Place(Image1, layout.Image1);
    Image1->raise();
}

void FrmSplash::CentreOn(const QScreen* screen)
{
    CentreOnScreen(*this, screen);
}

void FrmSplash::Timer1_Timer()
{
    // The disabled timer marks the close-down as done: it runs once.
    if (!Timer1.isActive())
        return;
    Timer1.stop();
    showMain();
    close();
    deleteLater();
}

void FrmSplash::mousePressEvent(QMouseEvent*)
{
    Timer1_Timer();
}

void FrmSplash::keyPressEvent(QKeyEvent*)
{
    Timer1_Timer();
}

void FrmSplash::Place(QWidget* control, const TwipsRect& rect)
{
    control->setGeometry(ToPixels(rect));
}
