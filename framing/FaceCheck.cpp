#include "FaceCheck.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <QCoreApplication>

namespace {
// The search copy: a head that fills half the picture still gives a face box over the
// detector's 80 pixels.
constexpr int SearchHeight = 320;
// The landmarks are fitted on a finer copy: a pixel of it is a fifth of a per cent of the height.
constexpr int LandmarkHeight = 640;
// The refining copies show the face found at sizes that split one step of the detector's scale
// pyramid (5/6) in equal ratios, each copy the face and a margin around it.
constexpr int RefiningCopies = 4;
constexpr double RefinedFaceSize = 88;
constexpr double RefiningMargin = 0.3; // of the face box, on each side
const double CopyRatio = std::pow(6.0 / 5.0, 1.0 / RefiningCopies);
// A whole photo is searched on a copy this high: a face of a sixth of the photo's height is still
// over the detector's 80 pixels; then, where none was found, on one twice as high.
constexpr int PhotoSearchHeight = 480;
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
// Faces within this fraction of the largest one's width compete by nearness to the centre.
constexpr double NearlyAsLarge = 0.9;

// Whether two boxes show the same face: they share most of the smaller one.
bool SameFace(const QRectF& a, const QRectF& b)
{
    const QRectF common = a.intersected(b);
    const double smaller = std::min(a.width() * a.height(), b.width() * b.height());
    return common.width() * common.height() > smaller / 2;
}

QRectF Scaled(const QRectF& r, double across, double down)
{
    return {r.x() * across, r.y() * down, r.width() * across, r.height() * down};
}

// The faces in picture scaled by the given factor, largest first, in the picture's pixels.
std::vector<QRectF> FacesInCopy(const QImage& picture, double scale)
{
    const QSize size(std::max(1, int(std::lround(picture.width() * scale))),
                     std::max(1, int(std::lround(picture.height() * scale))));
    const QImage copy = size == picture.size()
        ? picture
        : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double across = double(picture.width()) / size.width();
    const double down = double(picture.height()) / size.height();
    std::vector<QRectF> faces;
    for (const QRect& face : FindFaces(copy))
        faces.push_back(Scaled(QRectF(face), across, down));
    return faces;
}

// The faces of a greyscale copy, searched on a copy whose longer side is SearchHeight.
std::vector<QRectF> SearchFaces(const QImage& grey)
{
    return FacesInCopy(grey, double(SearchHeight) / std::max(grey.width(), grey.height()));
}

// The head measured on a copy, in the pixels of the picture it was copied from.
HeadMeasures Scaled(HeadMeasures head, double across, double down)
{
    head.crown *= down;
    head.chin *= down;
    head.eyeLine *= down;
    head.centreX *= across;
    head.faceWidth *= across;
    return head;
}

// The head measured from its landmarks on a greyscale copy, its crown taken at the hair's edge
// where the background above it shows the edge plainly.
HeadMeasures MeasureHeadIn(const QImage& grey, const FaceLandmarks& points)
{
    HeadMeasures head = MeasureHead(points);
    if (const std::optional<double> crown = CrownAtHairEdge(grey, head))
        head.crown = *crown;
    return head;
}

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

QString Say(const char* text)
{
    return QCoreApplication::translate("FaceCheck", text);
}

QString FramingSentence(Framing framing)
{
    switch (framing) {
    case Framing::Fits:
        return Say("Viso nelle guide");
    case Framing::HeadTooSmall:
        return Say("Testa troppo piccola: stringere la selezione intorno al viso");
    case Framing::HeadTooLarge:
        return Say("Testa troppo grande: allargare la selezione");
    case Framing::HeadTooHigh:
        return Say("Testa troppo in alto: spostare la selezione verso l'alto");
    case Framing::HeadTooLow:
        return Say("Testa troppo in basso: spostare la selezione verso il basso");
    case Framing::OffCentre:
        return Say("Viso non centrato: spostare la selezione di lato");
    case Framing::NoFace:
        break;
    }
    return Say("Nessun viso trovato");
}

QString FaultSentence(PhotoFault fault)
{
    switch (fault) {
    case PhotoFault::Tilted:
        return Say("Testa inclinata: serve una foto con la testa dritta");
    case PhotoFault::EyesClosed:
        return Say("Occhi chiusi: serve una foto con gli occhi aperti");
    case PhotoFault::EyesHidden:
        return Say("Occhi nascosti: niente occhiali scuri");
    case PhotoFault::MouthOpen:
        return Say("Bocca aperta: serve un'espressione neutra, a bocca chiusa");
    case PhotoFault::BackgroundNotPlain:
        return Say("Sfondo non uniforme o scuro: serve uno sfondo chiaro e uniforme");
    case PhotoFault::SeveralFaces:
        break;
    }
    return Say("Più di un viso nella selezione");
}
QString FaultInBrief(PhotoFault fault)
{
    switch (fault) {
    case PhotoFault::Tilted:
        return Say("testa inclinata");
    case PhotoFault::EyesClosed:
        return Say("occhi chiusi");
    case PhotoFault::EyesHidden:
        return Say("occhi nascosti");
    case PhotoFault::MouthOpen:
        return Say("bocca aperta");
    case PhotoFault::BackgroundNotPlain:
        return Say("sfondo non uniforme");
    case PhotoFault::SeveralFaces:
        break;
    }
    return Say("più visi");
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
    const std::vector<QRectF> faces = SearchFaces(base);
    if (faces.empty())
        return std::nullopt;
    const QRectF found = faces.front();

    const double margin = RefiningMargin * found.width();
    const QRect region
        = found.adjusted(-margin, -margin, margin, margin).toAlignedRect().intersected(base.rect());
    const QImage around = base.copy(region);
    QRectF sum;
    int count = 0;
    for (int copy = 0; copy < RefiningCopies; ++copy) {
        const double scale = RefinedFaceSize * std::pow(CopyRatio, copy) / found.height();
        const std::vector<QRectF> refined = FacesInCopy(around, scale);
        if (refined.empty() || !SameFace(refined.front().translated(region.topLeft()), found))
            continue;
        const QRectF& face = refined.front();
        sum = QRectF(sum.x() + face.x(), sum.y() + face.y(), sum.width() + face.width(),
                     sum.height() + face.height());
        ++count;
    }
    const QRectF inBase = count == 0
        ? found
        : QRectF(sum.x() / count, sum.y() / count, sum.width() / count, sum.height() / count)
              .translated(region.topLeft());
    return Scaled(inBase, double(capture.width()) / base.width(),
                  double(capture.height()) / base.height());
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

Background MeasureBackground(const QImage& grey, const HeadMeasures& head, double headWidth)
{
    // The oval holds the hair beside the face and a margin all round.
    const double halfWidth = 0.75 * headWidth;
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

FaceReport CheckFace(const QImage& capture, const LandmarkModel& model)
{
    FaceReport report;
    if (capture.isNull())
        return report;
    if (!model.Available()) {
        if (const std::optional<QRectF> face = FindFace(capture))
            report.head = EstimateHeadFromBox(*face);
        report.framing = JudgeFraming(report.head, capture.size());
        return report;
    }

    const QImage fine = ReducedGrey(capture, LandmarkHeight);
    const std::vector<QRectF> faces = SearchFaces(fine);
    if (faces.empty())
        return report;
    const std::optional<FaceLandmarks> points = model.Fit(fine, faces.front().toRect());
    if (!points)
        return report;
    const double across = double(capture.width()) / fine.width();
    const double down = double(capture.height()) / fine.height();
    const HeadMeasures inFine = MeasureHeadIn(fine, *points);

    PhotoLook look;
    look.faces = int(faces.size());
    look.eyesHidden = EyesOverCheeks(fine, *points) < HiddenEyes;
    look.background = MeasureBackground(fine, inFine, inFine.faceWidth);
    look.head = Scaled(inFine, across, down);
    report.head = look.head;
    report.landmarks = true;
    report.framing = JudgeFraming(report.head, capture.size());
    report.faults = JudgePhoto(look);
    return report;
}

std::optional<HeadMeasures> FindHeadInPhoto(const QImage& photo, const LandmarkModel& model)
{
    if (photo.isNull())
        return std::nullopt;
    // A face too small for the coarse copy is looked for again on one twice as fine; the coarse
    // copy is taken from the fine one, since reducing the photo itself costs more than the search.
    const QImage grey = ReducedGrey(photo, 2 * PhotoSearchHeight);
    std::vector<QRect> faces;
    if (grey.height() >= 2 * PhotoSearchHeight) {
        const QImage coarse
            = grey.scaled(grey.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (const QRect& f : FindFaces(coarse))
            faces.emplace_back(f.x() * 2, f.y() * 2, f.width() * 2, f.height() * 2);
    }
    if (faces.empty())
        faces = FindFaces(grey);
    if (faces.empty())
        return std::nullopt;
    const int largest = faces.front().width();
    const QPointF middle = QRectF(grey.rect()).center();
    const auto distance = [&](const QRect& face) {
        const QPointF d = QRectF(face).center() - middle;
        return d.x() * d.x() + d.y() * d.y();
    };
    std::erase_if(faces, [&](const QRect& f) { return f.width() < NearlyAsLarge * largest; });
    const QRect chosen
        = *std::min_element(faces.begin(), faces.end(), [&](const QRect& a, const QRect& b) {
              return distance(a) < distance(b);
          });

    const double across = double(photo.width()) / grey.width();
    const double down = double(photo.height()) / grey.height();
    if (const std::optional<FaceLandmarks> points = model.Fit(grey, chosen))
        return Scaled(MeasureHeadIn(grey, *points), across, down);
    return EstimateHeadFromBox(Scaled(QRectF(chosen), across, down));
}

QString FaultsInBrief(const std::vector<PhotoFault>& faults)
{
    constexpr size_t Shown = 1;
    QStringList words;
    for (size_t k = 0; k < std::min(faults.size(), Shown); ++k)
        words << FaultInBrief(faults[k]);
    if (words.isEmpty())
        return {};
    return Say("Foto: %1").arg(words.join(QStringLiteral(", ")))
        + (faults.size() > Shown ? QStringLiteral("…") : QString());
}

QStringList FramingAdvice(const FaceReport& report)
{
    QStringList lines {FramingSentence(report.framing)};
    for (PhotoFault fault : report.faults)
        lines << FaultSentence(fault);
    if (report.framing != Framing::NoFace && !report.landmarks)
        lines << Say("Misura approssimativa: manca il modello dei punti del viso (libdlib-data)");
    return lines;
}
