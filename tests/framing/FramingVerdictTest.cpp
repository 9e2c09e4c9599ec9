#include "FramingVerdict.h"

#include <gtest/gtest.h>

#include "HeadGuide.h"

TEST(HeadGuide, TakesTheHeadRuleOfThe45MillimetrePhoto)
{
    EXPECT_NEAR(IdentityPhotoHead.headFrom, 0.711, 0.001); // 32 mm
    EXPECT_DOUBLE_EQ(IdentityPhotoHead.headTo, 0.80); // 36 mm
    EXPECT_NEAR(IdentityPhotoHead.crownFrom * 45, 3, 1e-9);
    EXPECT_NEAR(IdentityPhotoHead.crownTo * 45, 5, 1e-9);
    EXPECT_NEAR(IdentityPhotoHead.chinFrom * 45, 35, 1e-9);
    EXPECT_NEAR(IdentityPhotoHead.chinTo * 45, 41, 1e-9);
}

TEST(HeadOfFace, ReachesWellAboveTheBoxAndJustBelowIt)
{
    const HeadExtent head = HeadOfFace(QRectF(40, 100, 100, 100));
    EXPECT_DOUBLE_EQ(head.crown, 31);
    EXPECT_DOUBLE_EQ(head.chin, 203);
    EXPECT_DOUBLE_EQ(head.centreX, 90);
}

TEST(JudgeFraming, WantsTheHeadInTheBandAndNearTheCentreLine)
{
    // A 300 x 400 preview: the head may be 284.4 to 320 pixels tall, its centre 135 to 165
    // pixels from the left. A box of height h gives a head of 1.72 h.
    const struct
    {
        std::optional<QRectF> face;
        Framing verdict;
    } cases[] = {
        {QRectF(62, 160, 176, 176), Framing::Fits}, // head 302.7
        {QRectF(67, 160, 166, 166), Framing::Fits}, // 285.5
        {QRectF(67.5, 160, 165, 165), Framing::HeadTooSmall}, // 283.8
        {QRectF(57, 150, 186, 186), Framing::Fits}, // 319.9
        {QRectF(56.5, 150, 187, 187), Framing::HeadTooLarge}, // 321.6
        {QRectF(62 + 14, 160, 176, 176), Framing::Fits}, // centre 14 pixels off
        {QRectF(62 + 16, 160, 176, 176), Framing::OffCentre},
        {QRectF(62 - 16, 160, 176, 176), Framing::OffCentre},
        {QRectF(10, 10, 60, 60), Framing::HeadTooSmall}, // size before centring
        {std::nullopt, Framing::NoFace},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JudgeFraming(c.face, QSizeF(300, 400)), c.verdict)
            << (c.face ? c.face->height() : 0) << " at " << (c.face ? c.face->x() : 0);
}
