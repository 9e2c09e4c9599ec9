#include <functional>

#include <gtest/gtest.h>

#include "DocumentPageLayout.h"
#include "LayoutExpectations.h"
#include "PhotoPageLayout.h"
#include "SheetPageLayout.h"

namespace {
using Layout = std::function<TwipsRect(double W, double H, TwipsSize title)>;

// Every page centres its title the same way; each entry lays a page out and returns its title.
const struct
{
    const char* page;
    Layout layout;
} Pages[] = {
    {"document page",
     [](double W, double H, TwipsSize title) {
         return LayoutDocumentPage(W, H, title).LblSeleziona;
     }},
    {"photo page",
     [](double W, double H, TwipsSize title) {
         PhotoPageInput input;
         input.W = W;
         input.H = H;
         input.LblApriFoto = title;
         return LayoutPhotoPage(input).LblApriFoto;
     }},
    {"sheet page",
     [](double W, double H, TwipsSize title) { return LayoutSheetPage(W, H, title, 1).LblFoto; }},
};
} // namespace

TEST(AllPages, CentreTheTitleRoundingHalfToEvenAndClampingAtTheEdges)
{
    const struct
    {
        const char* name;
        double W, H;
        TwipsSize title;
        int left, top;
    } cases[] = {
        {"design size", 11000, 8600, {5325, 360}, 2838, 916},
        {"4252.5 rounds down to even", 11000, 8600, {2495, 360}, 4252, 916},
        {"4253.5 rounds up to even", 11000, 8600, {2493, 360}, 4254, 916},
        {"narrower than the title", 3000, 8600, {5325, 360}, 0, 916},
        {"lower than the title", 11000, 200, {5325, 360}, 2838, 0},
        {"tiny window", 300, 225, {5325, 360}, 0, 0},
    };
    for (const auto& p : Pages) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << p.page << ", " << c.name);
            const TwipsRect title = p.layout(c.W, c.H, c.title);
            EXPECT_EQ(title.Left, c.left);
            EXPECT_EQ(title.Top, c.top);
            EXPECT_EQ(title.Width, c.title.Width);
            EXPECT_EQ(title.Height, c.title.Height);
        }
    }
}

TEST(AllPages, AWindowBeyondTheNumberRangesOverflows)
{
    for (const auto& p : Pages) {
        SCOPED_TRACE(p.page);
        // Positions beyond 32 bits, then sizes beyond single precision.
        EXPECT_EQ(ErrorNumberOf([&] { p.layout(1e10, 8600, {5325, 360}); }), ErrorNumber::Overflow);
        EXPECT_EQ(ErrorNumberOf([&] {
                      p.layout(11000, 1e10, {5325, 360});
                  }),
                  ErrorNumber::Overflow);
        EXPECT_EQ(ErrorNumberOf([&] {
                      p.layout(1e300, 8600, {5325, 360});
                  }),
                  ErrorNumber::Overflow);
    }
}
