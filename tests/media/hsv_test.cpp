#include "media/hsv.h"

#include <gtest/gtest.h>

namespace {

TEST(Hsv, RgbToHsv) {
    const struct {
        int r, g, b, h, s, v;
    } cases[] = {
        {255, 0, 0, 0, 255, 255}, {0, 255, 0, 120, 255, 255}, {0, 0, 255, 240, 255, 255},  {255, 0, 255, 300, 255, 255},
        {0, 0, 0, 240, 255, 1},   {128, 128, 128, 0, 1, 128}, {255, 128, 0, 30, 255, 255}, {255, 0, 128, 330, 255, 255},
    };
    for (const auto& c : cases) {
        short h = -1, s = -1, v = -1;
        RgbToHsv(static_cast<unsigned char>(c.r), static_cast<unsigned char>(c.g), static_cast<unsigned char>(c.b), &h,
                 &s, &v);
        EXPECT_EQ(c.h, h) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(c.s, s) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(c.v, v) << c.r << "," << c.g << "," << c.b;
    }
}

TEST(Hsv, HsvToRgb) {
    const struct {
        int h, s, v, r, g, b;
    } cases[] = {
        {0, 0, 77, 77, 77, 77},       {120, 255, 255, 0, 255, 0},  {0, 255, 255, 255, 0, 0}, {240, 255, 255, 0, 0, 255},
        {300, 255, 255, 255, 0, 255}, {360, 255, 255, 11, 22, 33},  // outside the six sectors: untouched
        {-10, 255, 255, 11, 22, 33},
    };
    for (const auto& c : cases) {
        unsigned char r = 11, g = 22, b = 33;
        HsvToRgb(static_cast<short>(c.h), static_cast<short>(c.s), static_cast<short>(c.v), &r, &g, &b);
        EXPECT_EQ(c.r, r) << c.h;
        EXPECT_EQ(c.g, g) << c.h;
        EXPECT_EQ(c.b, b) << c.h;
    }
}

TEST(Hsv, SaturatedColoursSurviveTheRoundTrip) {
    // Truncation loses at most a few steps; pure hues come back exactly.
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 51) {
                short h, s, v;
                RgbToHsv(static_cast<unsigned char>(r), static_cast<unsigned char>(g), static_cast<unsigned char>(b),
                         &h, &s, &v);
                unsigned char r2 = 0, g2 = 0, b2 = 0;
                HsvToRgb(h, s, v, &r2, &g2, &b2);
                if (r + g + b == 0) continue;  // black reads as value 1
                EXPECT_NEAR(r, r2, 6) << r << "," << g << "," << b;
                EXPECT_NEAR(g, g2, 6) << r << "," << g << "," << b;
                EXPECT_NEAR(b, b2, 6) << r << "," << g << "," << b;
            }
}

}  // namespace
