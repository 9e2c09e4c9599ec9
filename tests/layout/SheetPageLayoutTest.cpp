#include "SheetPageLayout.h"

#include <gtest/gtest.h>

#include "LayoutExpectations.h"

namespace {
// The title's design size, with the passport caption.
constexpr TwipsSize DesignTitle {6510, 360};
} // namespace

TEST(SheetPageLayout, PlacesEveryControlAtStartSize)
{
    const SheetPageLayout page = LayoutSheetPage(11000, 8600, DesignTitle, 1);
    const ExpectedRect rects[] = {
        {"Image1(19)", page.Image1_19, 880, 6537, 2493.33, 649.78},
        {"Image1(16)", page.Image1_16, 4253.33, 6537, 2493.33, 649.78},
        {"Image1(18)", page.Image1_18, 7626.67, 6537, 2493.33, 649.78},
        {"LblFoto", page.LblFoto, 2245, 916, 6510, 360},
        {"ImgPassaporto2", page.ImgPassaporto2, 916.67, 3134.22, 1283.33, 1911.11},
        {"ImgCartaID2", page.ImgCartaID2, 916.67, 3134.22, 1283.33, 1911.11},
        {"ImgPatente2", page.ImgPatente2, 916.67, 3134.22, 2053.33, 1337.78},
        {"ImgEditFotoGruppo", page.ImgEditFotoGruppo, 3666.67, 1605.33, 6673.33, 4586.67},
    };
    for (const auto& e : rects)
        ExpectNear(e);

    const ExpectedWhole rounded[] = {
        {"ButtonGap", page.Image1_19.Left, 880},      {"Image1(19).Top", page.Image1_19.Top, 6537},
        {"Image1(16).Top", page.Image1_16.Top, 6537}, {"Image1(18).Top", page.Image1_18.Top, 6537},
        {"LblFoto.Left", page.LblFoto.Left, 2245},    {"LblFoto.Top", page.LblFoto.Top, 916},
    };
    for (const auto& e : rounded)
        ExpectExact(e);
    EXPECT_NEAR(11000 - (double(page.Image1_18.Left) + page.Image1_18.Width), 880, Hundredth);
}

TEST(SheetPageLayout, SpreadsTheButtonsOverALargerWindow)
{
    const SheetPageLayout page = LayoutSheetPage(15360, 11520, DesignTitle, 1);
    const ExpectedRect rects[] = {
        {"Image1(19)", page.Image1_19, 1229, 8756, 3481.6, 870.4},
        {"Image1(16)", page.Image1_16, 5939.6, 8756, 3481.6, 870.4},
        {"Image1(18)", page.Image1_18, 10650.2, 8756, 3481.6, 870.4},
    };
    for (const auto& e : rects)
        ExpectNear(e);
    EXPECT_EQ(page.Image1_19.Left, 1229);
    EXPECT_EQ(page.Image1_19.Top, 8756);
}

TEST(SheetPageLayout, ShowsTheChosenDocumentsSampleAndCaption)
{
    const struct
    {
        int16_t kind;
        std::optional<SheetDocument> document;
    } cases[] = {
        {1, SheetDocument {SheetSample::ImgPassaporto2, "FOTO DIMENSIONATE PER IL PASSAPORTO"}},
        {2, SheetDocument {SheetSample::ImgCartaID2, "FOTO DIMENSIONATE PER LA CARTA D'IDENTITA'"}},
        {3, SheetDocument {SheetSample::ImgPatente2, "FOTO DIMENSIONATE PER LA PATENTE"}},
        {0, std::nullopt},
        {4, std::nullopt},
        {-1, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayoutSheetPage(11000, 8600, DesignTitle, c.kind).Document, c.document) << c.kind;
}

TEST(SheetPageLayout, TitleIsPlacedWithTheCaptionItHadBefore)
{
    // Choosing the driving licence after the passport: the title is still centred for the
    // passport caption's size, and only then gets the new caption.
    const SheetPageLayout page = LayoutSheetPage(11000, 8600, DesignTitle, 3);
    EXPECT_EQ(page.LblFoto.Left, 2245);
    EXPECT_EQ(page.LblFoto.Width, DesignTitle.Width);
    ASSERT_TRUE(page.Document);
    EXPECT_EQ(page.Document->Caption, QStringLiteral("FOTO DIMENSIONATE PER LA PATENTE"));
}
