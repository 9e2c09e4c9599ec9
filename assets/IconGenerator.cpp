// Draws the program's icon for the desktop's menus, in the look of its buttons: a glossy rounded
// tile bearing a sheet of photo paper with copies of a portrait and their cut marks. It goes into
// an icon theme folder: PNG files at the sizes menus ask for, and an SVG for every other size.
//
// Usage: icon_generator <theme folder> <icon name>

#include <cstdio>
#include <stdexcept>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include "GlossyBody.h"

namespace {

// Drawn on a square of this side, then scaled.
constexpr double Side = 256;
constexpr int PixelSizes[] {48, 128, 256};
// The colour of the photo buttons (APRI FOTO, ZOOM).
constexpr QRgb PhotoTeal = 0x1d7d8f;
constexpr QRgb PaperWhite = 0xfbfcfd;
constexpr QRgb PortraitBackdrop = 0xcfdce8;
constexpr QRgb PortraitFigure = 0x6f8196;
constexpr QRgb CutMark = 0x1f2a36;
// The sheet: 6 x 4 inch photo paper holding 3 x 2 copies of 27 x 35 mm proportions.
constexpr QRectF Paper(34, 66, 188, 125);
constexpr int Columns = 3;
constexpr int Rows = 2;
constexpr double CopyHeight = 47;
constexpr double CopyWidth = CopyHeight * 27 / 35;

void PaintTile(QPainter& painter)
{
    const QColor colour(PhotoTeal);
    const QRectF body(10, 10, Side - 20, Side - 20);
    constexpr double Radius = 52;
    PaintGlossyBody(painter, body, colour, Radius, 5, 10, 6, 0.55);
}

void PaintPortrait(QPainter& painter, const QRectF& box)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(PortraitBackdrop));
    painter.drawRect(box);
    const double w = box.width();
    const double h = box.height();
    painter.setBrush(QColor(PortraitFigure));
    QPainterPath shoulders;
    shoulders.moveTo(box.left() + 0.06 * w, box.bottom());
    shoulders.cubicTo(box.left() + 0.08 * w, box.top() + 0.72 * h, box.left() + 0.3 * w,
                      box.top() + 0.66 * h, box.left() + 0.5 * w, box.top() + 0.66 * h);
    shoulders.cubicTo(box.left() + 0.7 * w, box.top() + 0.66 * h, box.left() + 0.92 * w,
                      box.top() + 0.72 * h, box.left() + 0.94 * w, box.bottom());
    shoulders.closeSubpath();
    painter.drawPath(shoulders);
    painter.drawEllipse(QPointF(box.left() + 0.5 * w, box.top() + 0.4 * h), 0.22 * w, 0.22 * h);
}

// Short strokes at a copy's corners, as the sheet has them.
void PaintCutMarks(QPainter& painter, const QRectF& box)
{
    const double reach = 5;
    painter.setPen(QPen(QColor(CutMark), 1.6, Qt::SolidLine, Qt::FlatCap));
    for (const QPointF corner :
         {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
        const double x = corner.x() == box.left() ? -reach : reach;
        const double y = corner.y() == box.top() ? -reach : reach;
        painter.drawLine(corner, corner + QPointF(x, 0));
        painter.drawLine(corner, corner + QPointF(0, y));
    }
}

void PaintSheet(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(Paper.translated(0, 5), 5, 5);
    painter.setBrush(QColor(PaperWhite));
    painter.drawRoundedRect(Paper, 5, 5);

    const double gapX = (Paper.width() - Columns * CopyWidth) / (Columns + 1);
    const double gapY = (Paper.height() - Rows * CopyHeight) / (Rows + 1);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const QRectF copy(Paper.left() + gapX + c * (CopyWidth + gapX),
                              Paper.top() + gapY + r * (CopyHeight + gapY), CopyWidth, CopyHeight);
            PaintPortrait(painter, copy);
            PaintCutMarks(painter, copy);
        }
    }
}

void PaintIcon(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    PaintTile(painter);
    PaintSheet(painter);
}

void RequireFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
}

void Generate(const QDir& theme, const QString& name)
{
    for (const int size : PixelSizes) {
        const QString folder = theme.filePath(QStringLiteral("%1x%1/apps").arg(size));
        RequireFolder(folder);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.scale(size / Side, size / Side);
        PaintIcon(painter);
        painter.end();
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!image.save(path, "PNG"))
            throw std::runtime_error("cannot write " + path.toStdString());
    }

    const QString folder = theme.filePath(QStringLiteral("scalable/apps"));
    RequireFolder(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".svg");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(int(Side), int(Side)));
    svg.setViewBox(QRectF(0, 0, Side, Side));
    svg.setTitle(QStringLiteral("Orvella"));
    QPainter painter;
    if (!painter.begin(&svg))
        throw std::runtime_error("cannot write " + path.toStdString());
    PaintIcon(painter);
    painter.end();
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs no display; a build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: icon_generator <theme folder> <icon name>\n");
        return 2;
    }
    try {
        Generate(QDir(arguments[1]), arguments[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "icon_generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
