#include "FaceCheck.h"

#include <gtest/gtest.h>

#include "Portraits.h"

namespace {
constexpr double Passport = 27.0 / 35;
constexpr double IdentityCard = 40.0 / 45;
constexpr double DrivingLicence = 54.0 / 60;
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
        EXPECT_EQ(CheckFace(AstronautCapture(c.headFraction, c.proportions, c.shift)), c.verdict)
            << c.what;
}

TEST(FaceCheck, FindsNoFaceInPhotosWithoutAPerson)
{
    for (const char* name : {"coffee.png", "chelsea.png", "rocket.jpg"}) {
        const QImage photo = RealPhoto(name);
        ASSERT_FALSE(photo.isNull()) << name;
        EXPECT_EQ(CheckFace(photo), Framing::NoFace) << name;
    }
    // The flag beside the astronaut, cut to a passport's proportions.
    EXPECT_EQ(CheckFace(RealPhoto("astronaut.png").copy(0, 0, 81, 105)), Framing::NoFace);
    EXPECT_EQ(CheckFace(QImage()), Framing::NoFace);
    QImage strip(3000, 3, QImage::Format_RGB32);
    strip.fill(Qt::white);
    EXPECT_EQ(CheckFace(strip), Framing::NoFace);
}

TEST(FaceCheck, BoxFitsTheMeasuredHeadAtAnySize)
{
    // The same framing captured from photos of different fineness gives the same head.
    const QRect framing = AstronautFraming(0.755, Passport);
    for (int scale : {1, 2, 5}) {
        const QImage capture
            = RealPhoto("astronaut.png")
                  .copy(framing)
                  .scaled(framing.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const std::optional<QRectF> face = FindFace(capture);
        ASSERT_TRUE(face) << scale;
        const HeadExtent head = HeadOfFace(*face);
        const double crown = double(Astronaut::Crown - framing.top()) * scale;
        const double chin = double(Astronaut::Chin - framing.top()) * scale;
        const double tolerance = 0.05 * Astronaut::Head * scale;
        EXPECT_NEAR(head.crown, crown, tolerance) << scale;
        EXPECT_NEAR(head.chin, chin, tolerance) << scale;
        EXPECT_NEAR(head.centreX, double(Astronaut::CentreX - framing.left()) * scale, tolerance)
            << scale;
    }
}

TEST(ReducedGrey, AveragesSquaresAndKeepsTheMinimumHeight)
{
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 1, qRgb(255, 255, 255));
    picture.setPixel(5, 3, qRgb(200, 0, 0));
    const QImage grey = ReducedGrey(picture, 2);
    ASSERT_EQ(grey.size(), QSize(3, 2));
    EXPECT_EQ(grey.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(grey.constScanLine(0)[0], 127); // two white of four
    EXPECT_EQ(grey.constScanLine(0)[1], 0);
    EXPECT_EQ(grey.constScanLine(1)[2], 15); // 200 x 77 / 256 / 4

    EXPECT_EQ(ReducedGrey(QImage(2000, 2000, QImage::Format_RGB32), 361).size(), QSize(400, 400));
    EXPECT_EQ(ReducedGrey(picture, 5).size(), QSize(6, 4));
}
