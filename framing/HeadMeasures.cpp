#include "HeadMeasures.h"

#include <cmath>
#include <numbers>

namespace {
// Landmark indices of the 68-point annotation.
namespace Mark {
constexpr int JawStart = 0;
constexpr int Chin = 8;
constexpr int JawEnd = 16;
constexpr int RightEye = 36; // the subject's right eye, on the picture's left: 36-41
constexpr int LeftEye = 42; // 42-47
constexpr int InnerLipsLeftCorner = 60;
constexpr int InnerLipsTop = 62;
constexpr int InnerLipsRightCorner = 64;
constexpr int InnerLipsBottom = 66;
} // namespace Mark

// Measured on 176 framings of a real portrait: the crown lies 0.69 box heights above the box's
// top edge, the chin 0.03 box heights below its bottom edge.
constexpr double CrownAboveBox = 0.69;
constexpr double ChinBelowBox = 0.03;

double Distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QPointF Mean(const FaceLandmarks& points, int first, int count)
{
    QPointF sum;
    for (int k = first; k < first + count; ++k)
        sum += points[size_t(k)];
    return sum / count;
}

// An eye's height over its width: its two upper lid points against the two lower ones.
double EyeOpening(const FaceLandmarks& p, int first)
{
    const auto at = [&](int k) { return p[size_t(first + k)]; };
    return (Distance(at(1), at(5)) + Distance(at(2), at(4))) / (2 * Distance(at(0), at(3)));
}
} // namespace

HeadMeasures MeasureHead(const FaceLandmarks& points)
{
    const QPointF rightEye = Mean(points, Mark::RightEye, 6);
    const QPointF leftEye = Mean(points, Mark::LeftEye, 6);
    const QPointF eyes = (rightEye + leftEye) / 2;
    const QPointF chin = points[Mark::Chin];
    // The crown is taken along the line from the chin through the eyes' midpoint.
    const QPointF crown = eyes + (eyes - chin) * CrownOverEyeToChin;

    HeadMeasures head;
    head.crown = crown.y();
    head.chin = chin.y();
    head.eyeLine = eyes.y();
    head.centreX = eyes.x();
    head.faceWidth = Distance(points[Mark::JawStart], points[Mark::JawEnd]);
    head.rollDegrees = std::atan2(leftEye.y() - rightEye.y(), leftEye.x() - rightEye.x()) * 180
        / std::numbers::pi;
    head.eyeOpening = (EyeOpening(points, Mark::RightEye) + EyeOpening(points, Mark::LeftEye)) / 2;
    head.mouthOpening = Distance(points[Mark::InnerLipsTop], points[Mark::InnerLipsBottom])
        / Distance(points[Mark::InnerLipsLeftCorner], points[Mark::InnerLipsRightCorner]);
    head.fromLandmarks = true;
    return head;
}

HeadMeasures EstimateHeadFromBox(const QRectF& face)
{
    HeadMeasures head;
    head.crown = face.top() - CrownAboveBox * face.height();
    head.chin = face.bottom() + ChinBelowBox * face.height();
    head.centreX = face.center().x();
    head.faceWidth = face.width();
    head.eyeLine = face.top() + face.height() / 3;
    return head;
}
