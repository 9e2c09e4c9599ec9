#include "FaceCheck.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include <QPainter>
#include <QTemporaryFile>
#include <QTransform>
#include <gtest/gtest.h>

#include "FramingAdvice.h"
#include "Portraits.h"

namespace {
constexpr double Passport = 27.0 / 35;
constexpr double IdentityCard = 40.0 / 45;
constexpr double DrivingLicence = 54.0 / 60;

// The head's height where its crown cannot be seen: from the eyes to the chin and the crown as far
// above the eyes again as the median real head has it.
double HeadHeight(const RealHead& head)
{
    return head.crown ? head.chin - *head.crown
                      : (head.chin - head.eyeLine) * (1 + CrownOverEyeToChin);
}

// A framing of a real head as a passport photo would take it: the head the given share of the
// height, the crown 9 % below the top, within the photo and the part where the head stands alone.
QRect RealFraming(const RealHead& head, const QImage& photo, double headShare, double shift = 0)
{
    const double height = HeadHeight(head) / headShare;
    const double crown = head.chin - HeadHeight(head);
    const double width = height * Passport;
    const QRect framing(int(head.centreX - width / 2 + shift * width), int(crown - 0.09 * height),
                        int(width), int(height));
    const QRect within = head.alone.isEmpty() ? photo.rect() : head.alone;
    return framing.intersected(within).intersected(photo.rect());
}

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const double at = p * double(values.size() - 1);
    const size_t below = size_t(std::floor(at));
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - double(below));
}
} // namespace

TEST(FaceCheck, JudgesRealPortraitFramings)
{
    const struct
    {
        const char* what;
        double headFraction;
        double proportions;
        double shift;
        Framing verdict;
    } cases[] = {
        {"right, passport", 0.755, Passport, 0, Framing::Fits},
        {"right, identity card", 0.755, IdentityCard, 0, Framing::Fits},
        {"right, driving licence", 0.755, DrivingLicence, 0, Framing::Fits},
        {"slightly off centre", 0.755, Passport, 0.03, Framing::Fits},
        {"too loose", 0.62, Passport, 0, Framing::HeadTooSmall},
        {"far too loose", 0.45, Passport, 0, Framing::HeadTooSmall},
        {"too tight", 0.88, Passport, 0, Framing::HeadTooLarge},
        {"far too tight", 1.0, IdentityCard, 0, Framing::HeadTooLarge},
        {"off to the left", 0.755, Passport, 0.12, Framing::OffCentre},
        {"off to the right", 0.755, DrivingLicence, -0.12, Framing::OffCentre},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckFace(AstronautCapture(c.headFraction, c.proportions, c.shift)).framing,
                  c.verdict)
            << c.what;
}

TEST(FaceCheck, JudgesTheHeadsHeightInTheFrame)
{
    // The astronaut's head at 75.5 % of the height, the crown at 2 %, 9 % and 20 % of it; below
    // the crown the photo runs out, so the framings are cut from a copy with a wall added on top.
    const QImage photo = RealPhoto("astronaut.png");
    QImage raised(photo.width(), photo.height() + 100, QImage::Format_RGB32);
    raised.fill(photo.pixel(400, 5));
    for (int y = 0; y < photo.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(photo.constScanLine(y)), photo.width(),
                    reinterpret_cast<QRgb*>(raised.scanLine(y + 100)));
    const int height = int(Astronaut::Head / 0.755);
    const int width = int(height * Passport);
    const struct
    {
        double crownShare;
        Framing verdict;
    } cases[] = {{0.02, Framing::HeadTooHigh}, {0.09, Framing::Fits}, {0.2, Framing::HeadTooLow}};
    for (const auto& c : cases) {
        const QRect framing(Astronaut::CentreX - width / 2,
                            100 + Astronaut::Crown - int(c.crownShare * height), width, height);
        const QImage capture = raised.copy(framing).scaled(
            framing.size() * 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(CheckFace(capture).framing, c.verdict) << c.crownShare;
    }
}

namespace {
struct Spread
{
    double median; // of the errors' sizes
    double low; // 10th percentile
    double high; // 90th percentile
};

std::ostream& operator<<(std::ostream& out, const Spread& s)
{
    return out << "median " << s.median << " %, 10th-90th " << s.low << " to " << s.high << " %";
}

Spread SpreadOf(const std::vector<double>& errors)
{
    std::vector<double> sizes;
    for (double e : errors)
        sizes.push_back(std::abs(e));
    return {Percentile(sizes, 0.5), Percentile(errors, 0.1), Percentile(errors, 0.9)};
}

// Every real head framed loosely, rightly and tightly, captured at twice its pixels: the found
// crown, chin and eye line against the ones read off by eye, in per cent of the head's height.
struct HeadErrors
{
    std::vector<double> crown, chin, eyes;
};

HeadErrors MeasureRealHeads(const LandmarkModel& model)
{
    HeadErrors errors;
    for (const RealHead& head : RealHeads) {
        const QImage photo = RealHeadPhoto(head);
        EXPECT_FALSE(photo.isNull()) << head.file;
        for (double share : {0.6, 0.755, 0.9}) {
            const QRect framing = RealFraming(head, photo, share);
            const QImage capture = photo.copy(framing).scaled(
                framing.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const FaceReport report = CheckFace(capture, model);
            EXPECT_TRUE(report.head) << head.file << " at " << share;
            if (!report.head)
                continue;
            const auto error = [&](double found, double truth) {
                return (found / 2 - (truth - framing.top())) / HeadHeight(head) * 100;
            };
            if (head.crown)
                errors.crown.push_back(error(report.head->crown, *head.crown));
            errors.chin.push_back(error(report.head->chin, head.chin));
            errors.eyes.push_back(error(report.head->eyeLine, head.eyeLine));
        }
    }
    return errors;
}
} // namespace

TEST(FaceCheck, MeasuresRealHeadsWithinTheStatedSpread)
{
    const HeadErrors landmarks = MeasureRealHeads(SharedLandmarkModel());
    const Spread eyes = SpreadOf(landmarks.eyes), chin = SpreadOf(landmarks.chin),
                 crown = SpreadOf(landmarks.crown);
    std::cout << "landmarks, eye line: " << eyes << " (" << landmarks.eyes.size()
              << " framings)\nlandmarks, chin: " << chin << "\nlandmarks, crown: " << crown << " ("
              << landmarks.crown.size() << " framings)\n";
    // The figures of docs/face-check.md, with a little room.
    EXPECT_LT(eyes.median, 1.5);
    EXPECT_GT(eyes.low, -5);
    EXPECT_LT(eyes.high, 2);
    EXPECT_LT(chin.median, 2);
    EXPECT_GT(chin.low, -4);
    EXPECT_LT(chin.high, 2.5);
    EXPECT_LT(crown.median, 4);
    EXPECT_GT(crown.low, -7);
    EXPECT_LT(crown.high, 5);

    // The box alone, as without the model, on the same framings: landmarks find the chin and the
    // crown better.
    const HeadErrors box = MeasureRealHeads(LandmarkModel(QStringLiteral("/nonexistent")));
    const Spread boxChin = SpreadOf(box.chin), boxCrown = SpreadOf(box.crown);
    std::cout << "box, chin: " << boxChin << "\nbox, crown: " << boxCrown << "\n";
    EXPECT_LT(chin.median, boxChin.median);
    EXPECT_LT(crown.median, boxCrown.median);
}

TEST(FaceCheck, NamesTheFaultsOfRealPhotos)
{
    const auto faults = [](const QImage& photo, const QRect& part) {
        const QImage capture = part.isEmpty() ? photo : photo.copy(part);
        return CheckFace(capture).faults;
    };
    const auto has = [](const std::vector<PhotoFault>& found, PhotoFault fault) {
        return std::find(found.begin(), found.end(), fault) != found.end();
    };
    const auto& [_, swapped, painting, tilted, glasses, eyesShut, blonde, cap] = RealHeads;
    const QImage bar = RealHeadPhoto(eyesShut);

    EXPECT_TRUE(has(faults(RealHeadPhoto(glasses), {90, 60, 240, 260}), PhotoFault::EyesHidden));
    EXPECT_TRUE(has(faults(bar, eyesShut.alone), PhotoFault::EyesClosed));
    EXPECT_FALSE(has(faults(bar, blonde.alone), PhotoFault::EyesClosed));
    EXPECT_TRUE(has(faults(MorePortrait("jesper_2.jpg"), {}), PhotoFault::MouthOpen));
    EXPECT_FALSE(has(faults(RealHeadPhoto(swapped), {}), PhotoFault::MouthOpen));
    EXPECT_FALSE(has(faults(RealHeadPhoto(painting), {}), PhotoFault::MouthOpen));
    EXPECT_TRUE(
        has(faults(MorePortrait("bar55_2.jpg"), {230, 40, 320, 320}), PhotoFault::SeveralFaces));
    EXPECT_FALSE(has(faults(bar, eyesShut.alone), PhotoFault::SeveralFaces));
    EXPECT_TRUE(has(faults(RealHeadPhoto(swapped), {}), PhotoFault::BackgroundNotPlain));
    EXPECT_FALSE(has(faults(RealHeadPhoto(cap), {}), PhotoFault::Tilted));
    EXPECT_FALSE(has(faults(RealHeadPhoto(tilted), {}), PhotoFault::Tilted));
    // Turned by 11 degrees, the same head is tilted.
    QTransform turn;
    turn.rotate(11);
    const QImage framed = AstronautCapture(0.755, Passport);
    EXPECT_FALSE(has(faults(framed, {}), PhotoFault::Tilted));
    EXPECT_TRUE(
        has(faults(framed.transformed(turn, Qt::SmoothTransformation), {}), PhotoFault::Tilted));
}

TEST(FaceCheck, FindsNoFaceInPhotosWithoutAPerson)
{
    for (const char* name : {"coffee.png", "chelsea.png", "rocket.jpg"}) {
        const QImage photo = RealPhoto(name);
        ASSERT_FALSE(photo.isNull()) << name;
        EXPECT_EQ(CheckFace(photo).framing, Framing::NoFace) << name;
        EXPECT_FALSE(FindHeadInPhoto(photo)) << name;
    }
    // The flag beside the astronaut, cut to a passport's proportions.
    EXPECT_EQ(CheckFace(RealPhoto("astronaut.png").copy(0, 0, 81, 105)).framing, Framing::NoFace);
    EXPECT_EQ(CheckFace(QImage()).framing, Framing::NoFace);
    QImage strip(3000, 3, QImage::Format_RGB32);
    strip.fill(Qt::white);
    EXPECT_EQ(CheckFace(strip).framing, Framing::NoFace);
    EXPECT_FALSE(FindHeadInPhoto(strip));
}

TEST(FaceCheck, WithoutTheLandmarkModelEstimatesFromTheBoxAndSaysSo)
{
    const LandmarkModel missing(QStringLiteral("/nonexistent/shape_predictor.dat"));
    ASSERT_FALSE(missing.Available());
    const FaceReport rough = CheckFace(AstronautCapture(0.755, Passport), missing);
    EXPECT_EQ(rough.framing, Framing::Fits);
    EXPECT_FALSE(rough.landmarks);
    EXPECT_TRUE(rough.faults.empty());
    const QStringList advice = FramingAdvice(rough);
    ASSERT_EQ(advice.size(), 2);
    EXPECT_TRUE(advice[1].contains(QStringLiteral("libdlib-data"))) << advice[1].toStdString();
    EXPECT_EQ(CheckFace(AstronautCapture(0.5, Passport), missing).framing, Framing::HeadTooSmall);
    const std::optional<HeadMeasures> found = FindHeadInPhoto(RealPhoto("astronaut.png"), missing);
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->fromLandmarks);
    EXPECT_NEAR(found->chin, Astronaut::Chin, 0.1 * Astronaut::Head);

    // A file that is no model at all is as good as none.
    QTemporaryFile junk;
    ASSERT_TRUE(junk.open());
    junk.write("not a model");
    junk.flush();
    EXPECT_FALSE(LandmarkModel(junk.fileName()).Available());
}

TEST(FindHeadInPhoto, TakesTheLargestFaceOrTheNearestTheCentreAmongEqualOnes)
{
    const QImage photo = RealPhoto("astronaut.png");
    const std::optional<HeadMeasures> head = FindHeadInPhoto(photo);
    ASSERT_TRUE(head);
    EXPECT_TRUE(head->fromLandmarks);
    EXPECT_NEAR(head->eyeLine, 102, 3);
    EXPECT_NEAR(head->centreX, Astronaut::CentreX, 5);

    // The same face twice, one a fifth smaller: the larger, wherever it stands.
    QImage pair(1400, 600, QImage::Format_RGB32);
    pair.fill(photo.pixel(400, 5));
    const QImage face = photo.copy(100, 0, 260, 260);
    QPainter painter(&pair);
    painter.drawImage(QPointF(40, 170), face);
    painter.drawImage(QPointF(570, 190),
                      face.scaled(208, 208, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const std::optional<HeadMeasures> larger = FindHeadInPhoto(pair);
    ASSERT_TRUE(larger);
    EXPECT_LT(larger->centreX, 400);
    // Of two faces of one size, the one nearer the middle.
    painter.drawImage(QPointF(1100, 170), face);
    painter.drawImage(QPointF(570, 170), face);
    painter.end();
    const std::optional<HeadMeasures> middle = FindHeadInPhoto(pair);
    ASSERT_TRUE(middle);
    EXPECT_GT(middle->centreX, 600);
    EXPECT_LT(middle->centreX, 800);
}
