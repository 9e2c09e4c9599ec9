#include "GreyMeasures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <QPolygonF>

namespace {
// The hair's edge is looked for on a strip along the face's axis, this share of the face's width
// on each side of it, between these multiples of the eyes-to-chin distance above the eyes (the
// range the real heads of docs/face-check.md span, and some room); the background is read on a
// band this share of that distance high at the strip's top. Rows whose lightness spreads more
// than PlainBackgroundRows there are no plain background; a row stands apart from it by
// HairEdgeContrast levels at least, for a run this share of the distance.
constexpr double HairStripHalfWidth = 0.15;
constexpr double LowestCrown = 0.7;
constexpr double HighestCrown = 1.6;
constexpr double BackgroundBand = 0.06;
constexpr double PlainBackgroundRows = 6;
constexpr double HairEdgeContrast = 14;
constexpr double HairEdgeRun = 0.04;
// The skin between the brows lies this far above the eyes; rows within SkinLike levels of its
// lightest are skin, not hair.
constexpr double SkinFrom = 0.1;
constexpr double SkinTo = 0.2;
constexpr double SkinLike = 20;
double MeanIn(const QImage& grey, const QRect& area)
{
    const QRect r = area.intersected(grey.rect());
    if (r.isEmpty())
        return 0;
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = r.left(); x <= r.right(); ++x)
            sum += line[x];
    }
    return sum / (double(r.width()) * r.height());
}

QRect BoundsOf(const FaceLandmarks& points, int first, int count)
{
    QPolygonF polygon;
    for (int k = first; k < first + count; ++k)
        polygon << points[size_t(k)];
    return polygon.boundingRect().toAlignedRect();
}

} // namespace

QImage ReducedGrey(const QImage& picture, int minimumHeight)
{
    const QImage colour = picture.convertToFormat(QImage::Format_RGB32);
    const int factor = std::max(1, std::min(colour.height() / minimumHeight, colour.width()));
    const int width = colour.width() / factor;
    const int height = colour.height() / factor;
    QImage grey(width, height, QImage::Format_Grayscale8);
    std::vector<uint32_t> sums(static_cast<size_t>(width));
    // Rec. 601 luma weights in 1/256.
    constexpr uint32_t Red = 77, Green = 150, Blue = 29;
    const uint32_t divisor = 256u * uint32_t(factor) * uint32_t(factor);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int row = y * factor; row < (y + 1) * factor; ++row) {
            const auto* pixels = reinterpret_cast<const QRgb*>(colour.constScanLine(row));
            for (int x = 0; x < width; ++x) {
                uint32_t sum = 0;
                for (const QRgb* p = pixels + x * factor; p < pixels + (x + 1) * factor; ++p)
                    sum += Red * uint32_t(qRed(*p)) + Green * uint32_t(qGreen(*p))
                        + Blue * uint32_t(qBlue(*p));
                sums[size_t(x)] += sum;
            }
        }
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = uchar(sums[size_t(x)] / divisor);
    }
    return grey;
}

double EyesOverCheeks(const QImage& grey, const FaceLandmarks& points)
{
    // Each eye's outline, and below it a patch of cheek as wide and as high again as the eye is
    // wide, starting half an eye's width under it.
    double eyes = 0, cheeks = 0;
    for (int first : {36, 42}) {
        const QRect eye = BoundsOf(points, first, 6);
        const int drop = eye.width() / 2;
        eyes += MeanIn(grey, eye.adjusted(0, -eye.height() / 2, 0, eye.height() / 2));
        cheeks
            += MeanIn(grey, QRect(eye.left(), eye.bottom() + drop, eye.width(), eye.width() / 2));
    }
    return cheeks > 0 ? eyes / cheeks : 1;
}

std::optional<double> CrownAtHairEdge(const QImage& grey, const HeadMeasures& head)
{
    const double roll = head.rollDegrees * std::numbers::pi / 180;
    const QPointF up(std::sin(roll), -std::cos(roll));
    const QPointF across(std::cos(roll), std::sin(roll));
    const QPointF eyes(head.centreX, head.eyeLine);
    const double eyesToChin = (head.chin - head.eyeLine) / std::cos(roll);
    const double halfWidth = HairStripHalfWidth * head.faceWidth;
    if (eyesToChin <= 0 || halfWidth < 1)
        return std::nullopt;
    // The mean lightness of the strip's row at distance s above the eyes.
    const auto row = [&](double s) {
        double sum = 0;
        int count = 0;
        for (double t = -halfWidth; t <= halfWidth; t += 1) {
            const QPoint p = (eyes + up * s + across * t).toPoint();
            if (!grey.rect().contains(p))
                return -1.0;
            sum += grey.constScanLine(p.y())[p.x()];
            ++count;
        }
        return sum / count;
    };
    // The background is read on the strip's top rows within the picture, as far up as a crown
    // could be and some more.
    const double top
        = std::min(HighestCrown * eyesToChin * 1.1,
                   (eyes.y() - 1 - halfWidth * std::abs(std::sin(roll))) / std::cos(roll));
    const double band = BackgroundBand * eyesToChin;
    if (top < LowestCrown * eyesToChin + band)
        return std::nullopt;
    double sum = 0, squares = 0;
    int count = 0;
    for (double s = top; s > top - band; s -= 1) {
        const double m = row(s);
        if (m < 0)
            return std::nullopt;
        sum += m;
        squares += m * m;
        ++count;
    }
    const double background = sum / count;
    const double spread = std::sqrt(std::max(0.0, squares / count - background * background));
    if (spread > PlainBackgroundRows)
        return std::nullopt;
    // Down from there, the first rows that stand clearly apart from the background, for a run as
    // long as a thin fringe of hair, are the crown.
    // Hair as dark or as light as the background shows no edge of its own: the first rows apart
    // would be the forehead's skin, as light as the skin between the brows.
    double skin = 0;
    for (double s = SkinFrom * eyesToChin; s <= SkinTo * eyesToChin; s += 1)
        skin = std::max(skin, row(s));
    const double contrast = std::max(HairEdgeContrast, 4 * spread);
    const int run = std::max(2, int(HairEdgeRun * eyesToChin));
    int apart = 0;
    double runSum = 0;
    for (double s = top - band; s >= LowestCrown * eyesToChin; s -= 1) {
        const double m = row(s);
        apart = std::abs(m - background) > contrast ? apart + 1 : 0;
        runSum = apart == 0 ? 0 : runSum + m;
        if (apart == run) {
            if (std::abs(runSum / run - skin) < SkinLike)
                return std::nullopt;
            const double crown = s + run - 1;
            if (crown > HighestCrown * eyesToChin)
                return std::nullopt;
            return (eyes + up * crown).y();
        }
    }
    return std::nullopt;
}

Background MeasureBackground(const QImage& grey, const HeadMeasures& head)
{
    // The oval holds the hair beside the face and a margin all round.
    const double halfWidth = 0.75 * head.faceWidth;
    const double halfHeight = 0.6 * head.Height();
    const QPointF centre(head.centreX, (head.crown + head.chin) / 2);
    const int bottom = std::clamp(int(head.chin), 0, grey.height());
    double sum = 0, squares = 0;
    int64_t count = 0;
    for (int y = 0; y < bottom; ++y) {
        const uchar* line = grey.constScanLine(y);
        const double dy = (y - centre.y()) / halfHeight;
        for (int x = 0; x < grey.width(); ++x) {
            const double dx = (x - centre.x()) / halfWidth;
            if (dx * dx + dy * dy <= 1)
                continue;
            sum += line[x];
            squares += double(line[x]) * line[x];
            ++count;
        }
    }
    // Too little of it shows to judge: a head that fills the picture.
    if (count < int64_t(grey.width()) * grey.height() / 50)
        return {};
    const double mean = sum / double(count);
    return {mean, std::sqrt(std::max(0.0, squares / double(count) - mean * mean)), true};
}
