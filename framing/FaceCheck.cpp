#include "FaceCheck.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "GreyMeasures.h"

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

} // namespace

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
    look.background = MeasureBackground(fine, inFine);
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
