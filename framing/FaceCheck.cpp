#include "FaceCheck.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QCoreApplication>

#include "FaceDetector.h"

namespace {
// The search copy: a head that fills half the picture still gives a face box over the
// detector's 80 pixels.
constexpr int SearchHeight = 320;
// The refining copies show the face found at sizes that split one step of the detector's scale
// pyramid (5/6) in equal ratios, each copy the face and a margin around it.
constexpr int RefiningCopies = 4;
constexpr double RefinedFaceSize = 88;
constexpr double RefiningMargin = 0.3; // of the face box, on each side
const double CopyRatio = std::pow(6.0 / 5.0, 1.0 / RefiningCopies);

// Whether two boxes show the same face: they share most of the smaller one.
bool SameFace(const QRectF& a, const QRectF& b)
{
    const QRectF common = a.intersected(b);
    const double smaller = std::min(a.width() * a.height(), b.width() * b.height());
    return common.width() * common.height() > smaller / 2;
}

// The largest face in picture scaled by the given factors, in the picture's pixels.
std::optional<QRectF> FaceInCopy(const QImage& picture, double scale)
{
    const QSize size(std::max(1, int(std::lround(picture.width() * scale))),
                     std::max(1, int(std::lround(picture.height() * scale))));
    const std::optional<QRect> face
        = LargestFace(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (!face)
        return std::nullopt;
    const double across = double(picture.width()) / size.width();
    const double down = double(picture.height()) / size.height();
    return QRectF(face->x() * across, face->y() * down, face->width() * across,
                  face->height() * down);
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

std::optional<QRectF> FindFace(const QImage& capture)
{
    if (capture.isNull())
        return std::nullopt;
    const QImage base = ReducedGrey(capture, SearchHeight);
    // Scaled by its longer side, so that a strip cut off by the photo's edge stays small.
    const std::optional<QRectF> found
        = FaceInCopy(base, double(SearchHeight) / std::max(base.width(), base.height()));
    if (!found)
        return std::nullopt;

    const double margin = RefiningMargin * found->width();
    const QRect region = found->adjusted(-margin, -margin, margin, margin)
                             .toAlignedRect()
                             .intersected(base.rect());
    const QImage around = base.copy(region);
    QRectF sum;
    int count = 0;
    for (int copy = 0; copy < RefiningCopies; ++copy) {
        const double scale = RefinedFaceSize * std::pow(CopyRatio, copy) / found->height();
        const std::optional<QRectF> face = FaceInCopy(around, scale);
        if (!face || !SameFace(face->translated(region.topLeft()), *found))
            continue;
        sum = QRectF(sum.x() + face->x(), sum.y() + face->y(), sum.width() + face->width(),
                     sum.height() + face->height());
        ++count;
    }
    const QRectF inBase = count == 0
        ? *found
        : QRectF(sum.x() / count, sum.y() / count, sum.width() / count, sum.height() / count)
              .translated(region.topLeft());
    const double across = double(capture.width()) / base.width();
    const double down = double(capture.height()) / base.height();
    return QRectF(inBase.x() * across, inBase.y() * down, inBase.width() * across,
                  inBase.height() * down);
}

void PrepareFaceCheck()
{
    PrepareFaceDetector();
}

Framing CheckFace(const QImage& capture)
{
    return JudgeFraming(FindFace(capture), capture.size());
}

QString FramingAdvice(Framing verdict)
{
    switch (verdict) {
    case Framing::Fits:
        return QCoreApplication::translate("FaceCheck", "Viso nelle guide");
    case Framing::HeadTooSmall:
        return QCoreApplication::translate(
            "FaceCheck", "Viso troppo piccolo: stringere la selezione intorno al viso");
    case Framing::HeadTooLarge:
        return QCoreApplication::translate("FaceCheck", "Viso troppo grande");
    case Framing::OffCentre:
        return QCoreApplication::translate("FaceCheck", "Viso non centrato");
    case Framing::NoFace:
        break;
    }
    return QCoreApplication::translate("FaceCheck", "Nessun viso trovato");
}
