#include "GreyMeasures.h"

#include <algorithm>

#include <gtest/gtest.h>

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

TEST(CrownAtHairEdge, FindsTheHairsTopOnAPlainBackgroundOnly)
{
    // A 200 x 300 picture: the background down to the hair's top, the hair down to row 120, the
    // forehead's skin below. The eyes at row 150, the chin 80 below them.
    HeadMeasures head;
    head.centreX = 100;
    head.eyeLine = 150;
    head.chin = 230;
    head.faceWidth = 100;
    const auto picture = [](int hairTop, int background, int hair, bool striped = false) {
        QImage grey(200, 300, QImage::Format_Grayscale8);
        for (int y = 0; y < grey.height(); ++y) {
            const int wall = striped && y % 6 < 3 ? background - 60 : background;
            std::fill_n(grey.scanLine(y), grey.width(), y < hairTop ? wall : y < 120 ? hair : 170);
        }
        return grey;
    };
    const struct
    {
        const char* what;
        QImage grey;
        std::optional<double> crown;
    } cases[] = {
        {"dark hair on a light wall", picture(50, 200, 60), 50},
        {"light hair on a dark wall", picture(40, 20, 120), 40},
        {"a striped wall", picture(50, 200, 60, true), std::nullopt},
        {"hair as light as the wall", picture(50, 200, 195), std::nullopt},
        {"hair as light as the skin", picture(50, 60, 172), std::nullopt},
        {"hair reaching the picture's top", picture(0, 200, 60), std::nullopt},
        {"no crown so far above the eyes", picture(15, 200, 60), std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<double> crown = CrownAtHairEdge(c.grey, head);
        ASSERT_EQ(crown.has_value(), c.crown.has_value()) << c.what;
        if (crown) {
            EXPECT_NEAR(*crown, *c.crown, 1) << c.what;
        }
    }
}
