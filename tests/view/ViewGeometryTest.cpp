#include "ViewGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(FitZoomTest, FitsTheLimitingSideWithinTheZoomRange)
{
    struct Case
    {
        QSize picture;
        QSize viewport;
        double zoom;
    };
    const Case cases[] = {
        {{400, 300}, {200, 300}, 50},
        {{400, 100}, {200, 200}, 50},
        {{100, 400}, {300, 200}, 50},
        {{6000, 4000}, {300, 300}, 5},
        {{100, 100}, {400, 400}, 400},
        {{1, 1}, {1000, 1000}, MaximumZoom},
        {{100000, 100000}, {100, 100}, MinimumZoom},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(FitZoom(c.picture, c.viewport), c.zoom)
            << c.picture.width() << "x" << c.picture.height();
}

TEST(NearestCornerTest, RoundsToTheNearestCornerOnThePicture)
{
    const QSize picture(100, 50);
    EXPECT_EQ(NearestCorner({10.4, 20.6}, picture), QPoint(10, 21));
    EXPECT_EQ(NearestCorner({10.5, 0.49}, picture), QPoint(11, 0));
    EXPECT_EQ(NearestCorner({-7, 80}, picture), QPoint(0, 50));
    EXPECT_EQ(NearestCorner({130, -0.4}, picture), QPoint(100, 0));
}

TEST(SpannedRectTest, SpansBothWaysAndAClickIsEmpty)
{
    EXPECT_EQ(SpannedRect({10, 20}, {40, 60}), QRect(10, 20, 30, 40));
    EXPECT_EQ(SpannedRect({40, 60}, {10, 20}), QRect(10, 20, 30, 40));
    const QRect click = SpannedRect({5, 6}, {5, 6});
    EXPECT_EQ(click.topLeft(), QPoint(5, 6));
    EXPECT_EQ(click.width(), 0);
    EXPECT_EQ(click.height(), 0);
}

TEST(ClipToPictureTest, KeepsThePartOnThePicture)
{
    const QSize picture(600, 400);
    EXPECT_EQ(ClipToPicture(0, 0, 319, 413, picture), QRect(0, 0, 319, 400));
    EXPECT_EQ(ClipToPicture(10, 20, 30, 40, picture), QRect(10, 20, 30, 40));
    EXPECT_EQ(ClipToPicture(-10, -20, 30, 40, picture), QRect(0, 0, 20, 20));
    EXPECT_EQ(ClipToPicture(50, 60, -30, -40, picture), QRect(20, 20, 30, 40));
    EXPECT_EQ(ClipToPicture(590, 390, INT32_MAX, INT32_MAX, picture), QRect(590, 390, 10, 10));
    EXPECT_TRUE(ClipToPicture(700, 0, 10, 10, picture).isNull());
    EXPECT_TRUE(ClipToPicture(10, 10, 0, 10, picture).isNull());
    EXPECT_TRUE(ClipToPicture(0, 0, 10, 10, QSize()).isNull());
}

int CoveredCount(const QList<QRect>& rects, QPoint pixel)
{
    int count = 0;
    for (const QRect& rect : rects)
        count += rect.contains(pixel) ? 1 : 0;
    return count;
}

TEST(MarkPixelsTest, AxisMarksCoverBothEnds)
{
    // A passport cut mark: 26 to the right of x on row y covers x..x+26.
    EXPECT_EQ(MarkPixels({30, 40}, {56, 40}), QList<QRect> {QRect(30, 40, 27, 1)});
    EXPECT_EQ(MarkPixels({30, 40}, {30, 74}), QList<QRect> {QRect(30, 40, 1, 35)});
    EXPECT_EQ(MarkPixels({56, 40}, {30, 40}), QList<QRect> {QRect(30, 40, 27, 1)});
    EXPECT_EQ(MarkPixels({7, 7}, {7, 7}), QList<QRect> {QRect(7, 7, 1, 1)});
}

TEST(MarkPixelsTest, WidthGrowsAroundTheLine)
{
    EXPECT_EQ(MarkPixels({30, 40}, {56, 40}, 3), QList<QRect> {QRect(29, 39, 29, 3)});
    EXPECT_EQ(MarkPixels({30, 40}, {56, 40}, 2), QList<QRect> {QRect(30, 40, 28, 2)});
}

TEST(MarkPixelsTest, SlantedMarkIsOneConnectedPixelPerStep)
{
    const QList<QRect> pixels = MarkPixels({0, 0}, {10, 4});
    ASSERT_EQ(pixels.size(), 11);
    EXPECT_EQ(CoveredCount(pixels, {0, 0}), 1);
    EXPECT_EQ(CoveredCount(pixels, {10, 4}), 1);
    for (qsizetype i = 1; i < pixels.size(); ++i) {
        EXPECT_EQ(pixels[i].x() - pixels[i - 1].x(), 1);
        EXPECT_LE(pixels[i].y() - pixels[i - 1].y(), 1);
        EXPECT_GE(pixels[i].y(), pixels[i - 1].y());
    }
}

TEST(SelectionGeometryTest, SpannedFromKeepsTheAnchorCornerOnEverySide)
{
    const QSize size(30, 40);
    EXPECT_EQ(SpannedFrom({100, 100}, {150, 120}, size), QRect(100, 100, 30, 40));
    EXPECT_EQ(SpannedFrom({100, 100}, {50, 120}, size), QRect(70, 100, 30, 40));
    EXPECT_EQ(SpannedFrom({100, 100}, {150, 20}, size), QRect(100, 60, 30, 40));
    EXPECT_EQ(SpannedFrom({100, 100}, {50, 20}, size), QRect(70, 60, 30, 40));
}

TEST(SelectionGeometryTest, PartAtFindsTheHandlesTheInsideAndTheOutside)
{
    // A band from (100, 50) to (200, 170).
    const QRect band(100, 50, 100, 120);
    const struct
    {
        QPoint at;
        SelectionPart part;
    } cases[] = {
        {{100, 50}, SelectionPart::TopLeft},      {{95, 45}, SelectionPart::TopLeft},
        {{206, 44}, SelectionPart::TopRight},     {{100, 170}, SelectionPart::BottomLeft},
        {{204, 175}, SelectionPart::BottomRight}, {{150, 100}, SelectionPart::Inside},
        {{101, 100}, SelectionPart::Inside},      {{93, 100}, SelectionPart::Outside},
        {{150, 180}, SelectionPart::Outside},     {{207, 50}, SelectionPart::Outside},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PartAt(band, c.at, 6), c.part) << c.at.x() << "," << c.at.y();
    EXPECT_EQ(PartAt(QRect(), {0, 0}, 6), SelectionPart::Outside);
}

TEST(SelectionGeometryTest, OppositeCornerOfEachHandle)
{
    const QRect r(10, 20, 30, 40);
    EXPECT_EQ(OppositeCorner(r, SelectionPart::TopLeft), QPoint(40, 60));
    EXPECT_EQ(OppositeCorner(r, SelectionPart::TopRight), QPoint(10, 60));
    EXPECT_EQ(OppositeCorner(r, SelectionPart::BottomLeft), QPoint(40, 20));
    EXPECT_EQ(OppositeCorner(r, SelectionPart::BottomRight), QPoint(10, 20));
}

TEST(SelectionGeometryTest, MovedInsideStopsAtThePicturesEdges)
{
    const QSize picture(400, 300);
    const QRect s(100, 100, 50, 60);
    EXPECT_EQ(MovedInside(s, {7, -3}, picture), QRect(107, 97, 50, 60));
    EXPECT_EQ(MovedInside(s, {-500, 0}, picture), QRect(0, 100, 50, 60));
    EXPECT_EQ(MovedInside(s, {500, 500}, picture), QRect(350, 240, 50, 60));
}

TEST(WheelZoomTest, StepsByATenthOfTheZoomAtLeastOnePercentWithinTheRange)
{
    const struct
    {
        int percent;
        double steps;
        int expected;
    } cases[] = {
        {100, 1, 110},   {100, -1, 91},   {100, 2, 121}, {5, 1, 6},       {5, -1, 4}, {2, -1, 2},
        {6500, 1, 6500}, {6000, 1, 6500}, {100, 0, 100}, {100, 0.1, 101}, // 100 x 1.1^0.1 = 100.96
        {10, 0.1, 11}, // 10.1 rounds back to 10: at least one percent
    };
    for (const auto& c : cases)
        EXPECT_EQ(WheelZoom(c.percent, c.steps), c.expected) << c.percent << " " << c.steps;
}

} // namespace
