// Draws every picture the program reads or carries: the button pictures and the cutting templates
// go into the application folder, the background and the document samples into a folder that the
// build compiles into the program as resources.
//
// Usage: asset_generator <application folder> <resource folder>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ButtonFiles.h"
#include "Documents.h"
#include "GlossyBody.h"
#include "SheetGeometry.h"

namespace {

// 100 dots per inch, recorded in every file so that a template prints at its true size.
constexpr int DotsPerMeter = 3937;
constexpr int JpegQuality = 92;

// Buttons and samples are drawn at about twice the size they have at the window's start size;
// the background and the templates at their own sizes.
constexpr QSize WideButtonSize(332, 86);
constexpr QSize ZoomButtonSize(160, 60);
constexpr QSize PressedButtonSize(300, 90);
constexpr QSize BackgroundSize(1024, 768);
constexpr QSize PortraitSampleSize(350, 500);
constexpr QSize LandscapeSampleSize(560, 350);
constexpr QSize TemplateSize(600, 400);

// Where the buttons and the samples stand on the background, so that their rounded corners blend.
constexpr QPoint ButtonPlace(512, 470);
constexpr QPoint SamplePlace(512, 270);

QFont LabelFont(double pixelSize, QFont::Weight weight = QFont::Bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(weight);
    return font;
}

void RequireLabelFont()
{
    const QString family = QFontInfo(LabelFont(20)).family();
    if (family != QLatin1StringView("Liberation Sans"))
        throw std::runtime_error("Liberation Sans is not installed (fonts-liberation); found "
                                 + family.toStdString());
}

void Save(QImage image, const QString& path)
{
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    if (!image.save(path, "JPEG", JpegQuality))
        throw std::runtime_error("cannot write " + path.toStdString());
}

QColor Translucent(QRgb rgb, int alpha)
{
    QColor colour(rgb);
    colour.setAlpha(alpha);
    return colour;
}

QImage Canvas(QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void Smooth(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
}

// The largest bold size at which every label fits the box, on one line.
double FittingPixelSize(const QStringList& labels, QSizeF box)
{
    double size = box.height();
    for (const QString& label : labels) {
        while (size > 1 && QFontMetricsF(LabelFont(size)).horizontalAdvance(label) > box.width())
            size -= 1;
    }
    return size;
}

// Fine interlaced waves, the kind of print that sits on the margins of a document.
void DrawWaves(QPainter& painter, const QRectF& band, const QColor& colour, int lines)
{
    painter.save();
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(Qt::NoBrush);
    constexpr double turn = 2 * std::numbers::pi;
    const double middle = band.center().y();
    const double amplitude = band.height() / 2;
    const double period = band.height() * 4;
    for (int i = 0; i < lines; ++i) {
        const double phase = i * turn / lines;
        QPainterPath path;
        for (double x = band.left(); x <= band.right(); x += 2) {
            const double swell = 0.7 + 0.3 * std::cos(turn * x / (period * 5));
            const double y = middle + amplitude * swell * std::sin(turn * x / period + phase);
            if (path.elementCount() == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        painter.drawPath(path);
    }
    painter.restore();
}

void DrawGlow(QPainter& painter, QPointF centre, double radius, QColor colour)
{
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, colour);
    colour.setAlpha(0);
    glow.setColorAt(1, colour);
    painter.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                     glow);
}

// Calm and light, so that black titles and coloured buttons read well anywhere on it; the
// ornament stays on the top and bottom edges, where no control stands.
QImage DrawBackground()
{
    QImage image = Canvas(BackgroundSize, Qt::white);
    QPainter painter(&image);
    Smooth(painter);
    QLinearGradient wash(0, 0, 0, image.height());
    wash.setColorAt(0.0, QColor(0xd3dfeb));
    wash.setColorAt(0.14, QColor(0xe8eff6));
    wash.setColorAt(0.5, QColor(0xf5f8fb));
    wash.setColorAt(0.86, QColor(0xe8eff6));
    wash.setColorAt(1.0, QColor(0xd3dfeb));
    painter.fillRect(image.rect(), wash);
    DrawGlow(painter, QPointF(0, 0), 460, QColor(255, 255, 255, 150));
    DrawGlow(painter, QPointF(image.width(), image.height()), 460, Translucent(0x9fb9d4, 70));
    const QColor ink = Translucent(0x4f77a3, 60);
    DrawWaves(painter, QRectF(0, 12, image.width(), 36), ink, 10);
    DrawWaves(painter, QRectF(0, image.height() - 50, image.width(), 36), ink, 10);
    painter.setPen(QPen(Translucent(0x4f77a3, 90), 1));
    painter.drawLine(QPointF(0, 60.5), QPointF(image.width(), 60.5));
    painter.drawLine(QPointF(0, image.height() - 62.5),
                     QPointF(image.width(), image.height() - 62.5));
    return image;
}

struct ButtonPicture
{
    QLatin1StringView file;
    const char* label;
    QRgb colour;
    QSize size;
    // The share of the picture's height left blank above the button: the zoom buttons stand just
    // below the page title, which would otherwise run into them.
    double clearTop = 0;
};

constexpr QRgb DocumentBlue = 0x2c63a8;
constexpr QRgb ExitRed = 0xb8352a;
constexpr QRgb BackSlate = 0x5d6b7a;
constexpr QRgb GoGreen = 0x25894d;
constexpr QRgb PhotoTeal = 0x1d7d8f;
constexpr QRgb BrightnessAmber = 0xb86a12;
constexpr QRgb ContrastPurple = 0x6a4a9e;

constexpr ButtonPicture Buttons[] {
    {ButtonFile::Passport, "PASSAPORTO", DocumentBlue, WideButtonSize},
    {ButtonFile::IdentityCard, "CARTA D'IDENTITÀ", DocumentBlue, WideButtonSize},
    {ButtonFile::DrivingLicence, "PATENTE", DocumentBlue, WideButtonSize},
    {ButtonFile::Exit, "ESCI", ExitRed, WideButtonSize},
    {ButtonFile::Back, "INDIETRO", BackSlate, WideButtonSize},
    {ButtonFile::Print, "STAMPA", GoGreen, WideButtonSize},
    {ButtonFile::BrightnessUp, "LUMINOSITÀ +", BrightnessAmber, WideButtonSize},
    {ButtonFile::BrightnessDown, "LUMINOSITÀ −", BrightnessAmber, WideButtonSize},
    {ButtonFile::ContrastUp, "CONTRASTO +", ContrastPurple, WideButtonSize},
    {ButtonFile::ContrastDown, "CONTRASTO −", ContrastPurple, WideButtonSize},
    {ButtonFile::Open, "APRI FOTO", PhotoTeal, WideButtonSize},
    {ButtonFile::ZoomIn, "ZOOM +", PhotoTeal, ZoomButtonSize, 0.35},
    {ButtonFile::ZoomOut, "ZOOM −", PhotoTeal, ZoomButtonSize, 0.35},
    {ButtonFile::Ok, "OK", GoGreen, WideButtonSize},
    {ButtonFile::FrameFace, "INQUADRA VISO", PhotoTeal, WideButtonSize},
};

// One text size for all buttons of a shape, so that neighbouring buttons match.
double ButtonTextSize(QSize size)
{
    QStringList labels;
    for (const ButtonPicture& button : Buttons) {
        if (button.size == size)
            labels << QString::fromUtf8(button.label);
    }
    const double widest = FittingPixelSize(labels, QSizeF(size.width() * 0.84, size.height()));
    return qMin(widest, size.height() * 0.46);
}

QRectF ButtonBody(QSize size)
{
    return QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
}

double ButtonRadius(QSize size)
{
    return size.height() * 0.3;
}

QImage DrawButton(const ButtonPicture& button, double textSize, const QColor& surround)
{
    QImage image = Canvas(button.size, surround);
    QPainter painter(&image);
    Smooth(painter);
    const QColor colour(button.colour);
    const QRectF body
        = ButtonBody(button.size).adjusted(0, button.size.height() * button.clearTop, 0, 0);
    const double radius = ButtonRadius(button.size) * (1 - button.clearTop);

    PaintGlossyBody(painter, body, colour, radius, 2, 5, 3, 0.52);

    const QString label = QString::fromUtf8(button.label);
    painter.setFont(LabelFont(textSize));
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(body.translated(0, textSize / 16 + 1), Qt::AlignCenter, label);
    painter.setPen(Qt::white);
    painter.drawText(body, Qt::AlignCenter, label);
    return image;
}

// The pressed look, shared by every button: darker, lit from below, shadowed at the top, and
// without a label, since it stands in for any of them.
QImage DrawPressedButton(const QColor& surround)
{
    const QSize size = PressedButtonSize;
    QImage image = Canvas(size, surround);
    QPainter painter(&image);
    Smooth(painter);
    const QRectF body = ButtonBody(size);
    const double radius = ButtonRadius(size);

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, QColor(0x27303a));
    fill.setColorAt(1, QColor(0x4c5866));
    painter.setPen(QPen(QColor(0x161b21), 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, radius, radius);

    QPainterPath outline;
    outline.addRoundedRect(body, radius, radius);
    painter.setClipPath(outline);
    QLinearGradient shadow(body.topLeft(), body.topLeft() + QPointF(0, body.height() * 0.35));
    shadow.setColorAt(0, QColor(0, 0, 0, 140));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(body, shadow);
    QLinearGradient rim(body.bottomLeft() - QPointF(0, 6), body.bottomLeft());
    rim.setColorAt(0, QColor(255, 255, 255, 0));
    rim.setColorAt(1, QColor(255, 255, 255, 55));
    painter.fillRect(body, rim);
    return image;
}

// A neutral head-and-shoulders outline: the place of the photo on a document.
void DrawPortraitPlaceholder(QPainter& painter, const QRectF& box)
{
    painter.save();
    QLinearGradient backdrop(box.topLeft(), box.bottomLeft());
    backdrop.setColorAt(0, QColor(0xe4ebf2));
    backdrop.setColorAt(1, QColor(0xc9d5e1));
    painter.setPen(Qt::NoPen);
    painter.fillRect(box, backdrop);
    painter.setClipRect(box);

    const double w = box.width();
    const double h = box.height();
    const QColor figure(0x7f8fa1);
    painter.setBrush(figure);
    QPainterPath shoulders;
    shoulders.moveTo(box.left() + 0.08 * w, box.bottom() + 1);
    shoulders.cubicTo(box.left() + 0.1 * w, box.top() + 0.74 * h, box.left() + 0.3 * w,
                      box.top() + 0.68 * h, box.left() + 0.5 * w, box.top() + 0.68 * h);
    shoulders.cubicTo(box.left() + 0.7 * w, box.top() + 0.68 * h, box.left() + 0.9 * w,
                      box.top() + 0.74 * h, box.left() + 0.92 * w, box.bottom() + 1);
    shoulders.closeSubpath();
    painter.drawPath(shoulders);
    painter.drawRect(QRectF(box.left() + 0.42 * w, box.top() + 0.5 * h, 0.16 * w, 0.22 * h));
    painter.drawEllipse(QPointF(box.left() + 0.5 * w, box.top() + 0.38 * h), 0.19 * w, 0.2 * h);
    painter.restore();
    painter.setPen(QPen(QColor(0x6d7b8a), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
}

// A printed field: a small caption over a grey bar standing in for the text.
void DrawField(QPainter& painter, QPointF at, const QString& caption, double barWidth,
               double captionSize)
{
    painter.setFont(LabelFont(captionSize, QFont::Normal));
    painter.setPen(QColor(0x5a6470));
    painter.drawText(at, caption);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7d8894));
    painter.drawRoundedRect(
        QRectF(at.x(), at.y() + captionSize * 0.45, barWidth, captionSize * 0.8), 2, 2);
}

QPainterPath CardOutline(QSize size, double radius)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1), radius, radius);
    return outline;
}

QImage DrawPassportSample(const QColor& surround)
{
    QImage image = Canvas(PortraitSampleSize, surround);
    QPainter painter(&image);
    Smooth(painter);
    const double w = image.width();
    const QPainterPath cover = CardOutline(image.size(), 16);
    QLinearGradient leather(0, 0, w, image.height());
    leather.setColorAt(0, QColor(0x7e2536));
    leather.setColorAt(1, QColor(0x561522));
    painter.setPen(QPen(QColor(0x3d0e17), 2));
    painter.setBrush(leather);
    painter.drawPath(cover);

    const QColor gold(0xd9b660);
    painter.setPen(QPen(gold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(image.rect()).adjusted(20, 20, -20, -20), 8, 8);

    painter.setFont(LabelFont(FittingPixelSize({QStringLiteral("PASSAPORTO")}, {w - 80, 48})));
    painter.setPen(gold);
    painter.drawText(QRectF(0, 60, w, 70), Qt::AlignCenter, QStringLiteral("PASSAPORTO"));

    // An invented emblem: a globe of meridians and parallels in a ring.
    const QPointF centre(w / 2, 270);
    const double r = 78;
    painter.setPen(QPen(gold, 4));
    painter.drawEllipse(centre, r + 12, r + 12);
    painter.setPen(QPen(gold, 2.5));
    painter.drawEllipse(centre, r, r);
    for (const double k : {0.3, 0.65})
        painter.drawEllipse(centre, r * k, r);
    painter.drawLine(centre - QPointF(0, r), centre + QPointF(0, r));
    for (const double k : {-0.5, 0.0, 0.5}) {
        const double half = r * std::sqrt(1 - k * k);
        painter.drawLine(centre + QPointF(-half, k * r), centre + QPointF(half, k * r));
    }

    painter.setFont(LabelFont(19));
    painter.drawText(QRectF(0, 385, w, 30), Qt::AlignCenter,
                     QStringLiteral("DOCUMENTO DI VIAGGIO"));
    painter.setPen(QPen(gold, 2));
    painter.drawLine(QPointF(w / 2 - 60, 428), QPointF(w / 2 + 60, 428));
    return image;
}

QImage DrawIdentityCardSample(const QColor& surround)
{
    QImage image = Canvas(PortraitSampleSize, surround);
    QPainter painter(&image);
    Smooth(painter);
    const double w = image.width();
    const QPainterPath card = CardOutline(image.size(), 14);
    painter.setPen(QPen(QColor(0x9c9479), 2));
    painter.setBrush(QColor(0xf3eedf));
    painter.drawPath(card);
    painter.setClipPath(card);
    DrawWaves(painter, QRectF(0, 300, w, 200), Translucent(0x5f9a8c, 45), 14);

    painter.fillRect(QRectF(0, 0, w, 78), QColor(0x2f5d87));
    const QString title = QString::fromUtf8("CARTA D'IDENTITÀ");
    painter.setFont(LabelFont(FittingPixelSize({title}, {w - 40, 34})));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, w, 78), Qt::AlignCenter, title);
    painter.setClipping(false);

    DrawPortraitPlaceholder(painter, QRectF(95, 100, 160, 200));
    const double left = 40;
    DrawField(painter, {left, 340}, QStringLiteral("COGNOME"), 210, 16);
    DrawField(painter, {left, 382}, QStringLiteral("NOME"), 170, 16);
    DrawField(painter, {left, 424}, QStringLiteral("NATO IL"), 120, 16);
    DrawField(painter, {left + 150, 424}, QStringLiteral("A"), 120, 16);
    DrawField(painter, {left, 466}, QStringLiteral("SCADENZA"), 120, 16);
    return image;
}

// A steering wheel, the badge of the licence.
void DrawWheel(QPainter& painter, QPointF centre, double r, const QColor& colour)
{
    painter.setPen(QPen(colour, r * 0.22));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, r * 0.28, r * 0.28);
    painter.setPen(QPen(colour, r * 0.18));
    for (const double degrees : {90.0, 210.0, 330.0}) {
        const double a = degrees * std::numbers::pi / 180;
        painter.drawLine(centre, centre + QPointF(std::cos(a), std::sin(a)) * r);
    }
}

QImage DrawDrivingLicenceSample(const QColor& surround)
{
    QImage image = Canvas(LandscapeSampleSize, surround);
    QPainter painter(&image);
    Smooth(painter);
    const double w = image.width();
    const double h = image.height();
    const QPainterPath card = CardOutline(image.size(), 24);
    QLinearGradient tint(0, 0, w, h);
    tint.setColorAt(0, QColor(0xf8d9df));
    tint.setColorAt(1, QColor(0xe9b4c1));
    painter.setPen(QPen(QColor(0xb07d8a), 2));
    painter.setBrush(tint);
    painter.drawPath(card);
    painter.setClipPath(card);
    DrawWaves(painter, QRectF(0, 150, w, 160), Translucent(0xa0566b, 40), 14);
    painter.setClipping(false);

    const QColor navy(0x2d3a66);
    painter.setPen(Qt::NoPen);
    painter.setBrush(navy);
    painter.drawRoundedRect(QRectF(28, 22, 64, 56), 8, 8);
    DrawWheel(painter, QPointF(60, 50), 19, QColor(0xf3eaf0));
    painter.setFont(LabelFont(38));
    painter.setPen(navy);
    painter.drawText(QRectF(110, 18, w - 130, 64), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("PATENTE DI GUIDA"));

    DrawPortraitPlaceholder(painter, QRectF(30, 100, 150, 190));
    const double left = 215;
    DrawField(painter, {left, 118}, QStringLiteral("1."), 210, 17);
    DrawField(painter, {left, 156}, QStringLiteral("2."), 170, 17);
    DrawField(painter, {left, 194}, QStringLiteral("3."), 250, 17);
    DrawField(painter, {left, 232}, QStringLiteral("4a."), 110, 17);
    DrawField(painter, {left + 150, 232}, QStringLiteral("4b."), 110, 17);
    DrawField(painter, {left, 270}, QStringLiteral("5."), 190, 17);

    QPainterPath signature;
    signature.moveTo(left, 318);
    signature.cubicTo(left + 30, 280, left + 40, 340, left + 70, 312);
    signature.cubicTo(left + 95, 290, left + 110, 330, left + 140, 305);
    signature.cubicTo(left + 160, 292, left + 170, 322, left + 205, 310);
    painter.setPen(QPen(navy, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(signature);
    return image;
}

// White photo paper with faint guides where the copies go: the same grid as the sheet
// composition uses, each guide one pixel outside its copy so that the photo leaves it visible.
QImage DrawTemplate(const Document& document)
{
    QImage image = Canvas(TemplateSize, Qt::white);
    QPainter painter(&image);
    const int32_t pw = PhotoPixels(document.WidthMm);
    const int32_t ph = PhotoPixels(document.HeightMm);
    const int32_t gapX = SheetGap(image.width(), document.Columns, pw);
    const int32_t gapY = SheetGap(image.height(), document.Rows, ph);
    painter.setPen(QPen(QColor(0xcfcfcf), 0, Qt::DashLine));
    painter.setBrush(QColor(0xf5f5f5));
    for (int16_t r = 0; r < document.Rows; ++r) {
        for (int16_t c = 0; c < document.Columns; ++c) {
            const SheetPoint at = CopyOrigin(r, c, gapX, gapY, pw, ph);
            painter.drawRect(QRect(at.X - 1, at.Y - 1, pw + 1, ph + 1));
        }
    }
    const int lastBottom = document.Rows * (gapY + ph) + 1;
    Smooth(painter);
    painter.setFont(LabelFont(10, QFont::Normal));
    painter.setPen(QColor(0xb0b0b0));
    const QString caption = QStringLiteral("%1  ·  %2 foto  ·  15 x 10 cm")
                                .arg(QString::fromUtf8(document.Name))
                                .arg(document.Copies);
    painter.drawText(QRect(0, lastBottom, image.width(), image.height() - lastBottom),
                     Qt::AlignCenter, caption);
    return image;
}

void Generate(const QDir& applicationFolder, const QDir& resourceFolder)
{
    const QString buttonFolder = applicationFolder.filePath(ButtonFile::Folder);
    for (const QString& folder : {buttonFolder, resourceFolder.path()}) {
        if (!QDir().mkpath(folder))
            throw std::runtime_error("cannot create " + folder.toStdString());
    }
    RequireLabelFont();

    const QImage background = DrawBackground();
    Save(background, resourceFolder.filePath(QStringLiteral("Sfondo.jpg")));
    const QColor sampleSurround = background.pixelColor(SamplePlace);
    Save(DrawPassportSample(sampleSurround),
         resourceFolder.filePath(QStringLiteral("Passaporto.jpg")));
    Save(DrawIdentityCardSample(sampleSurround),
         resourceFolder.filePath(QStringLiteral("CartaIdentita.jpg")));
    Save(DrawDrivingLicenceSample(sampleSurround),
         resourceFolder.filePath(QStringLiteral("Patente.jpg")));

    const QColor buttonSurround = background.pixelColor(ButtonPlace);
    const QDir buttons(buttonFolder);
    for (const ButtonPicture& button : Buttons) {
        Save(
            DrawButton(button, ButtonTextSize(button.size) * (1 - button.clearTop), buttonSurround),
            buttons.filePath(button.file));
    }
    Save(DrawPressedButton(buttonSurround), buttons.filePath(ButtonFile::Pressed));

    for (const Document& document : Documents)
        Save(DrawTemplate(document),
             applicationFolder.filePath(QString::fromUtf8(document.Template)));
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs no display; a build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: asset_generator <application folder> <resource folder>\n");
        return 2;
    }
    try {
        Generate(QDir(arguments[1]), QDir(arguments[2]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "asset_generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
