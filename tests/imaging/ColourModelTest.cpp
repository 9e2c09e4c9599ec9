#include "ColourModel.h"

#include <gtest/gtest.h>

namespace {
struct Rgb
{
    double r, g, b;
};

struct Hsl
{
    double h, s, l;
};
} // namespace

TEST(ColourModel, MinimoAndMassimoTakeTheExtremes)
{
    EXPECT_EQ(Minimo(0.5, 0.2, 0.9), 0.2);
    EXPECT_EQ(Minimo(-1, 0, -2), -2);
    EXPECT_EQ(Minimo(0.3, 0.7, 0.5), 0.3);
    EXPECT_EQ(Massimo(0.5, 0.2, 0.9), 0.9);
    EXPECT_EQ(Massimo(3, 3, 1), 3);
    EXPECT_EQ(Massimo(0.3, 0.7, 0.5), 0.7);
}

TEST(ColourModel, RgbToHslExactValues)
{
    const struct
    {
        Rgb in;
        Hsl out;
    } cases[] = {
        {{255, 0, 0}, {0, 1, 0.5}},
        {{0, 0, 255}, {2.0 / 3.0, 1, 0.5}},
        {{0, 255, 0}, {0.33333333333333337, 1, 0.5}},
        // Red wins over green, green over blue when they share the maximum.
        {{255, 255, 0}, {0.16666666666666663, 1, 0.5}},
        {{0, 255, 255}, {0.5, 1, 0.5}},
        {{0, 0, 0}, {0, 0, 0}},
        {{255, 255, 255}, {0, 0, 1}},
        {{128, 128, 128}, {0, 0, 128 / 255.0}},
        {{37, 37, 37}, {0, 0, 37 / 255.0}},
    };
    for (const auto& c : cases) {
        const HslColour hsl = RgbToHsl(c.in.r, c.in.g, c.in.b);
        EXPECT_EQ(hsl.H, c.out.h) << c.in.r << " " << c.in.g << " " << c.in.b;
        EXPECT_EQ(hsl.S, c.out.s) << c.in.r << " " << c.in.g << " " << c.in.b;
        EXPECT_EQ(hsl.L, c.out.l) << c.in.r << " " << c.in.g << " " << c.in.b;
    }
    // 1/3 plus one unit in the last place, not the nearest double to 1/3.
    EXPECT_NE(RgbToHsl(0, 255, 0).H, 1.0 / 3.0);
}

TEST(ColourModel, HslToRgbExactValues)
{
    const struct
    {
        Hsl in;
        Rgb out;
    } cases[] = {
        {{0, 0, -1}, {255, 255, 255}},
        {{0, 0, 2}, {510, 510, 510}},
        {{0, 0.1, 128 / 255.0}, {140, 115, 115}},
        {{0, -0.1, 128 / 255.0}, {115, 140, 140}},
        {{0, 1, 0.5}, {255, 0, 0}},
        {{2.0 / 3.0, 1, 0.5}, {0, 0, 255}},
        {{0, 0, 0}, {0, 0, 0}},
        {{0, 0, 1}, {255, 255, 255}},
    };
    for (const auto& c : cases) {
        const RgbColour rgb = HslToRgb(c.in.h, c.in.s, c.in.l);
        EXPECT_EQ(rgb.R, c.out.r) << c.in.h << " " << c.in.s << " " << c.in.l;
        EXPECT_EQ(rgb.G, c.out.g) << c.in.h << " " << c.in.s << " " << c.in.l;
        EXPECT_EQ(rgb.B, c.out.b) << c.in.h << " " << c.in.s << " " << c.in.l;
    }
}

TEST(ColourModel, RoundTripTakesTheFloor)
{
    const struct
    {
        Rgb in;
        Rgb out;
    } cases[] = {
        {{0, 5, 5}, {0, 4, 5}},     {{200, 100, 50}, {200, 100, 49}},
        {{255, 0, 0}, {255, 0, 0}}, {{0, 0, 255}, {0, 0, 255}},
        {{0, 0, 0}, {0, 0, 0}},     {{255, 255, 255}, {255, 255, 255}},
    };
    for (const auto& c : cases) {
        const HslColour hsl = RgbToHsl(c.in.r, c.in.g, c.in.b);
        const RgbColour rgb = HslToRgb(hsl.H, hsl.S, hsl.L);
        EXPECT_EQ(rgb.R, c.out.r) << c.in.r << " " << c.in.g << " " << c.in.b;
        EXPECT_EQ(rgb.G, c.out.g) << c.in.r << " " << c.in.g << " " << c.in.b;
        EXPECT_EQ(rgb.B, c.out.b) << c.in.r << " " << c.in.g << " " << c.in.b;
    }
}

TEST(ColourModel, Hue2RgbWrapsAndPicksItsCase)
{
    const double third = 1.0 / 3.0;
    // H - 1/3 for H = 0 wraps to 0.6666666666666667, where 3t is exactly 2: the last case.
    EXPECT_EQ(0 - third + 1, 0.6666666666666667);
    EXPECT_EQ(Hue_2_RGB(0.2, 0.8, 0 - third), 0.2);
    const struct
    {
        double m1, m2, t, out;
    } cases[] = {
        {0, 1, 0.1, 0.6000000000000001}, // rising: 6t < 1
        {0.2, 0.8, 0.3, 0.8}, // 2t < 1
        {0.2, 0.8, 0.6, 0.43999999999999995}, // falling: 3t < 2
        {0.2, 0.8, 0.9, 0.2}, // otherwise m1
        {0.2, 0.8, 1.3, 0.8}, // above 1 wraps to 0.3
        {0.2, 0.8, -0.7, 0.8}, // below 0 wraps to 0.3
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hue_2_RGB(c.m1, c.m2, c.t), c.out) << c.t;
}
