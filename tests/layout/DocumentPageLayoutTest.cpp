#include "DocumentPageLayout.h"

#include <gtest/gtest.h>

#include "LayoutExpectations.h"

namespace {
constexpr TwipsSize DesignTitle {5325, 360};
}

TEST(DocumentPageLayout, PlacesEveryControlAtStartSize)
{
    const DocumentPageLayout page = LayoutDocumentPage(11000, 8600, DesignTitle);
    const ExpectedRect rects[] = {
        {"Image1(9)", page.Image1_9, 4253, 6537, 2493.33, 649.78},
        {"Image1(20)", page.Image1_20, 1393, 4947, 2493.33, 649.78},
        {"Image1(21)", page.Image1_21, 4253, 4947, 2493.33, 649.78},
        {"Image1(22)", page.Image1_22, 7113, 4947, 2493.33, 649.78},
        {"ImgPassaporto", page.ImgPassaporto, 1998, 2064, 1283.33, 1911.11},
        {"ImgCartaID", page.ImgCartaID, 4858, 2064, 1283.33, 1911.11},
        {"ImgPatente", page.ImgPatente, 7333, 2293.33, 2053.33, 1337.78},
        {"LblSeleziona", page.LblSeleziona, 2838, 916, 5325, 360},
    };
    for (const auto& e : rects)
        ExpectNear(e);

    const ExpectedWhole rounded[] = {
        {"Image1(9).Left", page.Image1_9.Left, 4253},
        {"Image1(9).Top", page.Image1_9.Top, 6537},
        {"Image1(20).Left", page.Image1_20.Left, 1393},
        {"Image1(21).Left", page.Image1_21.Left, 4253},
        {"Image1(20).Top", page.Image1_20.Top, 4947},
        {"Image1(21).Top", page.Image1_21.Top, 4947},
        {"Image1(22).Top", page.Image1_22.Top, 4947},
        {"LblSeleziona.Left", page.LblSeleziona.Left, 2838},
        {"LblSeleziona.Top", page.LblSeleziona.Top, 916},
    };
    for (const auto& e : rounded)
        ExpectExact(e);
}

TEST(DocumentPageLayout, DrivingLicenceButtonLeftIsNeitherRoundedNorClamped)
{
    const DocumentPageLayout page = LayoutDocumentPage(15360, 11520, DesignTitle);
    EXPECT_NEAR(page.Image1_22.Left, 9932.6, Hundredth);
    EXPECT_NE(page.Image1_22.Left, 9933.0f);
    // The same width plus gap from the rounded identity-card position.
    EXPECT_FLOAT_EQ(page.Image1_22.Left - page.Image1_21.Left, page.Image1_21.Width + 512);
}

TEST(DocumentPageLayout, SamplesStayCentredOverTheirButtonsAtAnySize)
{
    const struct
    {
        double W, H;
    } sizes[] = {{11000, 8600}, {15360, 11520}, {3000, 200}, {40000, 5000}, {151, 97}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.W << " x " << s.H);
        const DocumentPageLayout page = LayoutDocumentPage(s.W, s.H, DesignTitle);
        const std::pair<TwipsRect, TwipsRect> pairs[] = {{page.Image1_20, page.ImgPassaporto},
                                                         {page.Image1_21, page.ImgCartaID},
                                                         {page.Image1_22, page.ImgPatente}};
        for (const auto& [button, sample] : pairs) {
            EXPECT_LT(sample.Width, button.Width);
            EXPECT_NEAR(sample.Left + sample.Width / 2, button.Left + button.Width / 2, 0.02);
            EXPECT_GE(button.Left, 0);
            EXPECT_GE(button.Top, 0);
        }
    }
}
