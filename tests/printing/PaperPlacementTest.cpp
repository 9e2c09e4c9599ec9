#include "PaperPlacement.h"

#include <ostream>

#include <gtest/gtest.h>

void PrintTo(const PaperPlacement& p, std::ostream* out)
{
    *out << "source " << p.source.width() << " x " << p.source.height() << " at " << p.source.left()
         << ", " << p.source.top() << (p.rotated ? ", turned " : ", ") << p.target.width() << " x "
         << p.target.height() << " at " << p.target.left() << ", " << p.target.top();
}

namespace {
// A 600 x 400 pixel sheet (6 x 4 inches at 100 pixels per inch); paper in the same pixels.
constexpr QSize Sheet(600, 400);
const QRect WholeSheet(QPoint(0, 0), Sheet);
// Four passport copies in two rows with their cut marks.
const QRect PassportCopies(35, 41, 530, 318);

struct Case
{
    const char* paper;
    QRect kept;
    QSizeF size;
    QRectF printable;
    std::optional<PaperPlacement> expected;
};

void Check(const Case& c)
{
    EXPECT_EQ(PlaceOnPaper(Sheet, c.kept, c.size, c.printable), c.expected) << c.paper;
}
} // namespace

TEST(PlaceOnPaper, CentresAWholeSheetAtItsSizeAndTurnsItOnlyWhenItMustOrRefuses)
{
    const Case cases[] = {
        {"8 x 10 portrait",
         WholeSheet,
         {800, 1000},
         {0, 0, 800, 1000},
         PaperPlacement {WholeSheet, {100, 300, 600, 400}, false}},
        {"5 x 7 portrait, fits only turned",
         WholeSheet,
         {500, 700},
         {0, 0, 500, 700},
         PaperPlacement {WholeSheet, {50, 50, 400, 600}, true}},
        {"4 x 6 portrait, exactly",
         WholeSheet,
         {400, 600},
         {0, 0, 400, 600},
         PaperPlacement {WholeSheet, {0, 0, 400, 600}, true}},
        {"6 x 4 landscape, exactly",
         WholeSheet,
         {600, 400},
         {0, 0, 600, 400},
         PaperPlacement {WholeSheet, {0, 0, 600, 400}, false}},
        {"7 x 5 with a wide left margin",
         WholeSheet,
         {700, 500},
         {75, 0, 625, 500},
         PaperPlacement {WholeSheet, {75, 50, 600, 400}, false}},
        {"envelope 3.875 x 7.5", WholeSheet, {387.5, 750}, {0, 0, 387.5, 750}, std::nullopt},
        {"6 x 4 with margins", WholeSheet, {600, 400}, {12.5, 12.5, 575, 375}, std::nullopt},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(PlaceOnPaper, CutsOnlyTheBorderAroundWhatIsKeptEvenlyOnBothSides)
{
    const Case cases[] = {
        // Margins of 12 and 40 pixels at the sides and the foot: the sheet is turned, with 15
        // pixels of border left beside the copies at either end and 29 above and below them.
        {"4 x 6 portrait with margins",
         PassportCopies,
         {400, 600},
         {12, 0, 376, 560},
         PaperPlacement {{20, 12, 560, 376}, {12, 0, 376, 560}, true}},
        {"6 x 4 landscape with margins",
         PassportCopies,
         {600, 400},
         {12, 12, 576, 376},
         PaperPlacement {{12, 12, 576, 376}, {12, 12, 576, 376}, false}},
        // Only the height is cut; across, the whole width is centred as before.
        {"7 x 3.5 landscape",
         PassportCopies,
         {700, 350},
         {0, 0, 700, 350},
         PaperPlacement {{0, 25, 600, 350}, {50, 0, 600, 350}, false}},
        {"kept exactly as large as the printable area",
         PassportCopies,
         {600, 400},
         {35, 41, 530, 318},
         PaperPlacement {PassportCopies, {35, 41, 530, 318}, false}},
        // Kept copies off the sheet's centre: the cut cannot reach beyond the sheet's edge.
        {"copies near the left edge",
         QRect(5, 41, 530, 318),
         {560, 400},
         {0, 0, 560, 400},
         PaperPlacement {{0, 0, 560, 400}, {0, 0, 560, 400}, false}},
        {"one pixel too narrow either way",
         PassportCopies,
         {529, 529},
         {0, 0, 529, 529},
         std::nullopt},
        {"one pixel too low turned", PassportCopies, {400, 600}, {0, 0, 317, 600}, std::nullopt},
    };
    for (const Case& c : cases)
        Check(c);
}
