#include "FramingVerdict.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "HeadGuide.h"

namespace {
// Landmarks of an upright face: eyes 60 apart with their midpoint at `eyes`, the chin `down` below
// it, each eye 30 wide and `eyeHeight` high, the inner lips 40 wide and `lipsGap` apart; all turned
// by `roll` degrees about the eyes' midpoint.
FaceLandmarks Face(QPointF eyes, double down, double eyeHeight = 9, double lipsGap = 0,
                   double roll = 0)
{
    FaceLandmarks p;
    const auto eye = [&](int first, double cx) {
        const double h = eyeHeight / 2;
        const QPointF outline[]
            = {{cx - 15, 0}, {cx - 5, -h}, {cx + 5, -h}, {cx + 15, 0}, {cx + 5, h}, {cx - 5, h}};
        for (int k = 0; k < 6; ++k)
            p[size_t(first + k)] = outline[k];
    };
    eye(36, -30);
    eye(42, 30);
    for (int k = 0; k <= 16; ++k) {
        const double a = std::numbers::pi * k / 16;
        p[size_t(k)] = QPointF(-70 * std::cos(a), down * std::sin(a));
    }
    const double g = lipsGap / 2;
    const QPointF lips[]
        = {{-20, 0.7 * down}, {-10, 0.7 * down - g}, {0, 0.7 * down - g}, {10, 0.7 * down - g},
           {20, 0.7 * down},  {10, 0.7 * down + g},  {0, 0.7 * down + g}, {-10, 0.7 * down + g}};
    for (int k = 0; k < 8; ++k)
        p[size_t(60 + k)] = lips[k];
    const double c = std::cos(roll * std::numbers::pi / 180);
    const double s = std::sin(roll * std::numbers::pi / 180);
    for (QPointF& q : p)
        q = eyes + QPointF(c * q.x() - s * q.y(), s * q.x() + c * q.y());
    return p;
}

HeadMeasures Head(double crown, double chin, double centreX)
{
    HeadMeasures head;
    head.crown = crown;
    head.chin = chin;
    head.centreX = centreX;
    head.fromLandmarks = true;
    head.eyeOpening = 0.3;
    return head;
}
} // namespace

TEST(HeadGuide, TakesTheHeadRuleOfThe45MillimetrePhoto)
{
    EXPECT_NEAR(IdentityPhotoHead.headFrom, 0.711, 0.001); // 32 mm
    EXPECT_DOUBLE_EQ(IdentityPhotoHead.headTo, 0.80); // 36 mm
    EXPECT_NEAR(IdentityPhotoHead.crownFrom * 45, 3, 1e-9);
    EXPECT_NEAR(IdentityPhotoHead.crownTo * 45, 5, 1e-9);
    EXPECT_NEAR(IdentityPhotoHead.chinFrom * 45, 35, 1e-9);
    EXPECT_NEAR(IdentityPhotoHead.chinTo * 45, 41, 1e-9);
}

TEST(MeasureHead, TakesEyesChinCrownTiltEyesAndMouthFromTheLandmarks)
{
    // Eyes at y 200, chin 100 below: the crown 1.15 x 100 above the eyes.
    const HeadMeasures upright = MeasureHead(Face({150, 200}, 100));
    EXPECT_DOUBLE_EQ(upright.eyeLine, 200);
    EXPECT_DOUBLE_EQ(upright.chin, 300);
    EXPECT_NEAR(upright.crown, 200 - 115, 1e-9);
    EXPECT_NEAR(upright.Height(), 215, 1e-9);
    EXPECT_DOUBLE_EQ(upright.centreX, 150);
    EXPECT_NEAR(upright.rollDegrees, 0, 1e-9);
    EXPECT_NEAR(upright.faceWidth, 140, 1e-9);
    EXPECT_NEAR(upright.eyeOpening, 9.0 / 30, 1e-9);
    EXPECT_NEAR(upright.mouthOpening, 0, 1e-9);
    EXPECT_TRUE(upright.fromLandmarks);

    // Turned by 10 degrees about the eyes: the chin and the crown swing with the face's axis.
    const HeadMeasures turned = MeasureHead(Face({150, 200}, 100, 9, 12, 10));
    EXPECT_NEAR(turned.rollDegrees, 10, 1e-9);
    EXPECT_NEAR(turned.chin, 200 + 100 * std::cos(10 * std::numbers::pi / 180), 1e-9);
    EXPECT_NEAR(turned.crown, 200 - 115 * std::cos(10 * std::numbers::pi / 180), 1e-9);
    EXPECT_NEAR(turned.mouthOpening, 12.0 / 40, 1e-9);
    EXPECT_NEAR(turned.eyeOpening, 9.0 / 30, 1e-9);
}

TEST(EstimateHeadFromBox, ReachesWellAboveTheBoxAndJustBelowIt)
{
    const HeadMeasures head = EstimateHeadFromBox(QRectF(40, 100, 100, 100));
    EXPECT_DOUBLE_EQ(head.crown, 31);
    EXPECT_DOUBLE_EQ(head.chin, 203);
    EXPECT_DOUBLE_EQ(head.centreX, 90);
    EXPECT_FALSE(head.fromLandmarks);
}

TEST(JudgeFraming, WantsTheHeadInBothBandsAndNearTheCentreLine)
{
    // A 300 x 400 preview: the head 284.4 to 320 pixels tall, the crown 26.7 to 44.4 pixels below
    // the top, the centre 135 to 165 pixels from the left.
    const struct
    {
        const char* what;
        std::optional<HeadMeasures> head;
        Framing verdict;
    } cases[] = {
        {"in the middle", Head(35.6, 337.6, 150), Framing::Fits},
        {"shortest head", Head(35, 319.5, 150), Framing::Fits},
        {"too short", Head(35, 319, 150), Framing::HeadTooSmall},
        {"tallest head", Head(30, 350, 150), Framing::Fits},
        {"too tall", Head(30, 350.5, 150), Framing::HeadTooLarge},
        {"crown highest", Head(26.7, 326.7, 150), Framing::Fits},
        {"crown too high", Head(26.6, 326.6, 150), Framing::HeadTooHigh},
        {"crown lowest", Head(44.4, 344.4, 150), Framing::Fits},
        {"crown too low", Head(44.5, 344.5, 150), Framing::HeadTooLow},
        {"far too low", Head(90, 380, 150), Framing::HeadTooLow},
        {"14 pixels off centre", Head(35.6, 337.6, 164), Framing::Fits},
        {"16 pixels to the right", Head(35.6, 337.6, 166), Framing::OffCentre},
        {"16 pixels to the left", Head(35.6, 337.6, 134), Framing::OffCentre},
        {"size before height", Head(0, 250, 150), Framing::HeadTooSmall},
        {"height before centring", Head(60, 360, 10), Framing::HeadTooLow},
        {"no face", std::nullopt, Framing::NoFace},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JudgeFraming(c.head, QSizeF(300, 400)), c.verdict) << c.what;
    EXPECT_EQ(JudgeFraming(Head(35.6, 337.6, 150), QSizeF()), Framing::NoFace);
}

TEST(JudgePhoto, NamesEveryFaultOfThePhotoItself)
{
    const auto head = [](double roll, double eyes, double mouth, bool landmarks = true) {
        HeadMeasures h = MeasureHead(Face({150, 200}, 100, eyes, mouth, roll));
        h.fromLandmarks = landmarks;
        return h;
    };
    const Background plain {200, 6, true};
    const struct
    {
        const char* what;
        PhotoLook look;
        std::vector<PhotoFault> faults;
    } cases[] = {
        {"a good photo", {head(0, 9, 0), false, plain, 1}, {}},
        {"tilted 8 degrees", {head(7.9, 9, 0), false, plain, 1}, {}},
        {"tilted 8.2 degrees", {head(8.2, 9, 0), false, plain, 1}, {PhotoFault::Tilted}},
        {"tilted the other way", {head(-9, 9, 0), false, plain, 1}, {PhotoFault::Tilted}},
        {"eyes closed", {head(0, 3, 0), false, plain, 1}, {PhotoFault::EyesClosed}},
        {"eyes half open", {head(0, 4, 0), false, plain, 1}, {}},
        {"dark glasses", {head(0, 9, 0), true, plain, 1}, {PhotoFault::EyesHidden}},
        {"dark glasses over closed eyes",
         {head(0, 2, 0), true, plain, 1},
         {PhotoFault::EyesHidden}},
        {"lips just apart", {head(0, 9, 3.6), false, plain, 1}, {}},
        {"mouth open", {head(0, 9, 4.4), false, plain, 1}, {PhotoFault::MouthOpen}},
        {"dark background",
         {head(0, 9, 0), false, {120, 6, true}, 1},
         {PhotoFault::BackgroundNotPlain}},
        {"busy background",
         {head(0, 9, 0), false, {200, 30, true}, 1},
         {PhotoFault::BackgroundNotPlain}},
        {"background not seen", {head(0, 9, 0), false, {}, 1}, {}},
        {"two faces", {head(0, 9, 0), false, plain, 2}, {PhotoFault::SeveralFaces}},
        {"everything at once",
         {head(12, 3, 10), false, {90, 40, true}, 3},
         {PhotoFault::SeveralFaces, PhotoFault::Tilted, PhotoFault::EyesClosed,
          PhotoFault::MouthOpen, PhotoFault::BackgroundNotPlain}},
        {"a box alone tells nothing of the face", {head(12, 3, 10, false), false, plain, 1}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JudgePhoto(c.look), c.faults) << c.what;
}
