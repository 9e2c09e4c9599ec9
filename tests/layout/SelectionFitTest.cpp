#include "SelectionFit.h"

#include <gtest/gtest.h>

void PrintTo(const SelectionRect& r, std::ostream* os)
{
    *os << r.Left << "," << r.Top << " " << r.Width << "x" << r.Height;
}

TEST(SelectionFit, KeepsTheSelectionWhollyInsideThePhotoInItsProportions)
{
    // A 400 x 500 photo and the passport's default selection, 106 x 138.
    const struct
    {
        const char* what;
        SelectionRect requested;
        SelectionRect expected;
    } cases[] = {
        {"inside: unchanged", {10, 20, 231, 301}, {10, 20, 231, 301}},
        {"touching the corner: unchanged", {169, 199, 231, 301}, {169, 199, 231, 301}},
        {"past the right edge: moved left", {300, 20, 231, 301}, {169, 20, 231, 301}},
        {"past the bottom edge: moved up", {10, 400, 231, 301}, {10, 199, 231, 301}},
        {"past the top-left: moved in", {-30, -5, 231, 301}, {0, 0, 231, 301}},
        // Taller than the photo: the photo's height, the width in proportion (106 / 138 x 500 =
        // 384.06), centred on the request (38.5 to the right of it) and then moved inside.
        {"taller, centred on the request", {-30, -50, 461, 600}, {8, 0, 384, 500}},
        {"taller, off to the left", {-50, 0, 461, 600}, {0, 0, 384, 500}},
        {"taller, off to the right", {200, 100, 461, 600}, {16, 0, 384, 500}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitSelectionInPhoto(c.requested, 400, 500, 106, 138), c.expected) << c.what;
}

TEST(SelectionFit, TheLargestFittingRectangleKeepsTheProportionsOnEitherSide)
{
    // A wide photo limits the height, a narrow one the width.
    const SelectionRect wide = FitSelectionInPhoto({0, 0, 1060, 1380}, 2000, 300, 106, 138);
    EXPECT_EQ(wide, (SelectionRect {415, 0, 230, 300})); // 106 / 138 x 300 = 230.43
    const SelectionRect narrow = FitSelectionInPhoto({0, 0, 1060, 1380}, 200, 2000, 106, 138);
    EXPECT_EQ(narrow, (SelectionRect {0, 560, 200, 260})); // 138 / 106 x 200 = 260.38
    // The licence's proportions on a square photo: its full height, 213 / 236 x 250 = 225.6 wide.
    EXPECT_EQ(FitSelectionInPhoto({5, 5, 300, 300}, 250, 250, 213, 236),
              (SelectionRect {24, 0, 226, 250}));
}

TEST(SelectionFit, NothingToFitLeavesTheRequestAlone)
{
    const SelectionRect r {7, 8, 50, 60};
    EXPECT_EQ(FitSelectionInPhoto(r, 0, 0, 106, 138), r);
    EXPECT_EQ(FitSelectionInPhoto(r, 400, 500, 0, 138), r);
    EXPECT_EQ(FitSelectionInPhoto({7, 8, 0, 0}, 400, 500, 106, 138), (SelectionRect {7, 8, 0, 0}));
}

TEST(FrameHead, PutsTheHeadInTheMiddleOfTheBandsAsTheForcedDragWould)
{
    // A 1000 x 1500 photo. A head of 360 pixels asks for a selection 360 / 0.755 = 476.82 high:
    // 477, and 106 / 138 x 477 = 366.39 wide for the passport; its top 8.9 % of 477 = 42.45 above
    // the crown, its middle on the centre line at 500.
    const struct
    {
        const char* what;
        HeadSpan head;
        int32_t ratioWidth, ratioHeight;
        SelectionRect expected;
        FramingRoom room;
    } cases[] = {
        {"room enough", {200, 560, 500}, 106, 138, {317, 158, 366, 477}, FramingRoom::Enough},
        // Landscape documents keep the width: 476.82 x 2 = 953.64, so 954 by 477.
        {"landscape", {200, 560, 500}, 200, 100, {23, 158, 954, 477}, FramingRoom::Enough},
        {"crown near the top edge",
         {20, 380, 500},
         106,
         138,
         {317, 0, 366, 477},
         FramingRoom::CutByPhotoEdge},
        {"face at the right edge",
         {200, 560, 950},
         106,
         138,
         {634, 158, 366, 477},
         FramingRoom::CutByPhotoEdge},
        // 1722 x 1323 does not fit: the photo's width and 138 / 106 x 1000 = 1301.9 high,
        // centred on the request, then moved inside.
        {"head too large for the photo",
         {100, 1400, 500},
         106,
         138,
         {0, 157, 1000, 1302},
         FramingRoom::HeadTooLargeForPhoto},
    };
    for (const auto& c : cases) {
        const std::optional<HeadFraming> framing
            = FrameHead(c.head, 1000, 1500, c.ratioWidth, c.ratioHeight);
        ASSERT_TRUE(framing) << c.what;
        EXPECT_EQ(framing->selection, c.expected) << c.what;
        EXPECT_EQ(framing->room, c.room) << c.what;
    }
    EXPECT_FALSE(FrameHead({300, 300, 500}, 1000, 1500, 106, 138));
    EXPECT_FALSE(FrameHead({300, 200, 500}, 1000, 1500, 106, 138));
    EXPECT_FALSE(FrameHead({200, 560, 500}, 1000, 1500, 0, 138));
}

TEST(FrameHead, AimsAtTheMiddleOfTheIdentityPhotosBands)
{
    // Crown 3 to 5 mm below the top of 45 mm, chin to crown 32 to 36 mm.
    EXPECT_NEAR(FramedCrownShare, (3.0 + 5.0) / 2 / 45, 0.001);
    EXPECT_NEAR(FramedHeadShare, (32.0 + 36.0) / 2 / 45, 0.001);
}

TEST(SelectionFit, KeptSelectionForcesTheProportionsOnTheSideTheDocumentKeeps)
{
    // A 400 x 500 photo; the size kept last is 231 x 301.
    const struct
    {
        const char* what;
        SelectionRect drawn;
        int32_t ratioWidth, ratioHeight;
        SelectionRect expected;
    } cases[] = {
        // 106 / 138 x 301 = 231.2: portrait keeps the height.
        {"portrait keeps the height", {10, 20, 300, 301}, 106, 138, {10, 20, 231, 301}},
        // 106 / 138 x 100 = 76.8: landscape keeps the width.
        {"landscape keeps the width", {10, 20, 100, 7}, 138, 106, {10, 20, 100, 77}},
        {"square keeps the width", {10, 20, 90, 40}, 50, 50, {10, 20, 90, 90}},
        // 0.5 x 41 = 20.5 and 0.5 x 43 = 21.5: half to even.
        {"half to even, down", {0, 0, 1, 41}, 1, 2, {0, 0, 20, 41}},
        {"half to even, up", {0, 0, 1, 43}, 1, 2, {0, 0, 22, 43}},
        {"the size kept last stays as drawn", {3, 4, 231, 301}, 106, 138, {3, 4, 231, 301}},
        {"forced past the edge: moved inside", {300, 20, 5, 301}, 106, 138, {169, 20, 231, 301}},
        {"a click: the default at the corner", {77, 88, 0, 0}, 106, 138, {0, 0, 106, 138}},
        {"no ratio: as drawn", {7, 8, 50, 60}, 0, 138, {7, 8, 50, 60}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeptSelection(c.drawn, 231, 301, 400, 500, c.ratioWidth, c.ratioHeight),
                  c.expected)
            << c.what;
}
