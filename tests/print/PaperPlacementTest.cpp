#include "PaperPlacement.h"

#include <ostream>

#include <gtest/gtest.h>

void PrintTo(const PaperPlacement& p, std::ostream* out)
{
    *out << (p.rotated ? "turned " : "") << p.target.width() << " x " << p.target.height() << " at "
         << p.target.left() << ", " << p.target.top();
}

TEST(PlaceOnPaper, CentresTheSheetAtItsSizeAndTurnsItOnlyWhenItMustOrRefuses)
{
    // Inches; a 600 x 400 pixel sheet is 6 x 4.
    const QSizeF sheet(6, 4);
    const struct
    {
        const char* paper;
        QSizeF size;
        QRectF printable;
        std::optional<PaperPlacement> expected;
    } cases[] = {
        {"8 x 10 portrait", {8, 10}, {0, 0, 8, 10}, PaperPlacement {{1, 3, 6, 4}, false}},
        {"5 x 7 portrait, fits only turned",
         {5, 7},
         {0, 0, 5, 7},
         PaperPlacement {{0.5, 0.5, 4, 6}, true}},
        {"4 x 6 portrait, exactly", {4, 6}, {0, 0, 4, 6}, PaperPlacement {{0, 0, 4, 6}, true}},
        {"6 x 4 landscape, exactly", {6, 4}, {0, 0, 6, 4}, PaperPlacement {{0, 0, 6, 4}, false}},
        {"7 x 5 with a wide left margin",
         {7, 5},
         {0.75, 0, 6.25, 5},
         PaperPlacement {{0.75, 0.5, 6, 4}, false}},
        {"envelope 3.875 x 7.5", {3.875, 7.5}, {0, 0, 3.875, 7.5}, std::nullopt},
        {"6 x 4 with margins", {6, 4}, {0.125, 0.125, 5.75, 3.75}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceOnPaper(sheet, c.size, c.printable), c.expected) << c.paper;
}
