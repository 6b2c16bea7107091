#include "media/dib.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "tests/media/surfaces.h"

namespace {

void SetPixelBgr(cDib& dib, int x, int y, uint32_t bgr) {
    BYTE* p = dib.Row(y) + x * (dib.m_nBpp / 8);
    p[0] = bgr & 255, p[1] = bgr >> 8 & 255, p[2] = bgr >> 16 & 255;
}
void SetMask(cDib& dib, int x, int y, bool transparent) {
    BYTE* p = dib.MaskRow(y) + x * (dib.m_nBpp / 8);
    p[0] = p[1] = p[2] = transparent ? 255 : 0;
}
// Every pixel its own colour, so that a misplaced copy shows.
void Pattern(cDib& dib, int tag) {
    GdiFlush();
    for (int y = 0; y < dib.m_nHeight; ++y)
        for (int x = 0; x < dib.m_nWidth; ++x) SetPixelBgr(dib, x, y, (x & 255) | (y & 255) << 8 | (tag & 255) << 16);
}

TEST(Dib, NewSurfaceIsWhiteAndItsMaskBlack) {
    for (int bpp : {24, 32}) {
        cDib dib;
        ASSERT_EQ(1, dib.Create(5, 3, bpp, 1)) << bpp;
        EXPECT_EQ(5, dib.m_nWidth);
        EXPECT_EQ(3, dib.m_nHeight);
        EXPECT_EQ(bpp == 24 ? 16 : 20, dib.GetStride());
        EXPECT_EQ(5, dib.m_Bitmap.bmWidth);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                EXPECT_EQ(0xFFFFFFu, SurfacePixel(dib, x, y)) << bpp;
                EXPECT_EQ(0u, SurfaceMask(dib, x, y)) << bpp;
            }
    }
    cDib none;
    EXPECT_EQ(0, none.Create(0, 4, 24, 0));
    EXPECT_FALSE(none.IsCreated());
}

TEST(Dib, RowsCountFromTheTopInBothLayouts) {
    for (int bpp : {24, 32}) {
        cDib dib;
        ASSERT_TRUE(dib.Create(4, 4, bpp, 0));
        SetPixelV(dib.m_hDC, 1, 0, RGB(10, 20, 30));
        EXPECT_EQ(0x0A141Eu, SurfacePixel(dib, 1, 0)) << bpp;  // red 10, green 20, blue 30
        EXPECT_EQ(nullptr, dib.Row(4));
        EXPECT_EQ(nullptr, dib.Row(-1));
    }
}

TEST(Dib, CreateAgainReplacesTheSurface) {
    cDib dib;
    ASSERT_TRUE(dib.Create(8, 8, 24, 1));
    ASSERT_TRUE(dib.Create(3, 2, 24, 0));
    EXPECT_EQ(3, dib.m_nWidth);
    EXPECT_EQ(nullptr, dib.m_hMaskDC);
    dib.Release();
    EXPECT_FALSE(dib.IsCreated());
    dib.Release();  // safe when empty
}

TEST(Dib, MaskedAndOpaqueCopies) {
    cDib src, dst;
    ASSERT_TRUE(src.Create(2, 1, 24, 1));
    SetPixelBgr(src, 0, 0, 0x112233);
    SetPixelBgr(src, 1, 0, 0x000000);  // transparent: black under a white mask
    SetMask(src, 1, 0, true);
    for (int opaque : {0, 1}) {
        ASSERT_TRUE(dst.Create(2, 1, 24, 0));
        dst.FillRgb(0x44, 0x55, 0x66);
        dst.Blt(0, 0, 2, 1, &src, 0, 0, opaque);
        EXPECT_EQ(0x112233u, SurfacePixel(dst, 0, 0));
        EXPECT_EQ(opaque ? 0u : 0x665544u, SurfacePixel(dst, 1, 0)) << opaque;
    }
    cDib plain;  // no mask: a plain copy whatever the flag says
    ASSERT_TRUE(plain.Create(1, 1, 24, 0));
    SetPixelBgr(plain, 0, 0, 0);
    dst.FillRgb(1, 2, 3);
    dst.Blt(1, 0, 1, 1, &plain, 0, 0, 0);
    EXPECT_EQ(0u, SurfacePixel(dst, 1, 0));
}

// The direct copy between surfaces must give exactly what the two GDI passes give.
TEST(Dib, DirectCopiesMatchGdi) {
    std::srand(7);
    for (int bpp : {24, 32}) {
        cDib src;
        ASSERT_TRUE(src.Create(37, 23, bpp, 1));
        Pattern(src, 1);
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 37; ++x) SetMask(src, x, y, (x * 7 + y * 3) % 5 == 0);
        for (int round = 0; round < 200; ++round) {
            const int x = std::rand() % 60 - 20, y = std::rand() % 40 - 12;
            const int w = std::rand() % 45 + 1, h = std::rand() % 30 + 1;
            const int sx = std::rand() % 50 - 8, sy = std::rand() % 34 - 6;
            const int opaque = std::rand() % 2;
            cDib fast, gdi;
            ASSERT_TRUE(fast.Create(31, 19, bpp, 0));
            ASSERT_TRUE(gdi.Create(31, 19, bpp, 0));
            Pattern(fast, 2);
            Pattern(gdi, 2);
            fast.Blt(x, y, w, h, &src, sx, sy, opaque);
            cDib::Blt(gdi.m_hDC, x, y, w, h, &src, sx, sy, opaque);
            GdiFlush();
            for (int py = 0; py < 19; ++py)
                for (int px = 0; px < 31; ++px)
                    ASSERT_EQ(SurfacePixel(gdi, px, py), SurfacePixel(fast, px, py))
                        << bpp << " bits: copy " << w << "x" << h << " from " << sx << "," << sy << " to " << x << ","
                        << y << " opaque " << opaque << " at " << px << "," << py;
        }
    }
}

TEST(Dib, CopyWithinOneSurface) {
    cDib dib;
    ASSERT_TRUE(dib.Create(8, 8, 24, 0));
    Pattern(dib, 3);
    const uint32_t before = SurfacePixel(dib, 0, 0);
    dib.Blt(1, 1, 6, 6, &dib, 0, 0, 0);
    EXPECT_EQ(before, SurfacePixel(dib, 1, 1));
    EXPECT_EQ(SurfacePixel(dib, 0, 5), SurfacePixel(dib, 1, 6));
}

TEST(Dib, StretchHalvesAndMirrors) {
    cDib src, dst;
    ASSERT_TRUE(src.Create(4, 2, 24, 0));
    Pattern(src, 4);
    ASSERT_TRUE(dst.Create(4, 2, 24, 0));
    dst.StretchBlt(0, 0, 2, 1, &src, 0, 0, 4, 2, 1);
    EXPECT_EQ(SurfacePixel(src, 0, 0), SurfacePixel(dst, 0, 0));
    dst.StretchBlt(3, 0, -4, 2, &src, 0, 0, 4, 2, 1);
    EXPECT_EQ(SurfacePixel(src, 0, 1), SurfacePixel(dst, 3, 1));
    EXPECT_EQ(SurfacePixel(src, 3, 1), SurfacePixel(dst, 0, 1));
}

// Which columns of row `y` (or rows of column `x`) are white.
std::vector<int> WhiteColumns(const cDib& dib, int y) {
    std::vector<int> xs;
    for (int x = 0; x < dib.m_nWidth; ++x)
        if (SurfacePixel(dib, x, y) == 0xFFFFFF) xs.push_back(x);
    return xs;
}
std::vector<int> WhiteRows(const cDib& dib, int x) {
    std::vector<int> ys;
    for (int y = 0; y < dib.m_nHeight; ++y)
        if (SurfacePixel(dib, x, y) == 0xFFFFFF) ys.push_back(y);
    return ys;
}

TEST(Dib, GridLines) {
    cDib dib;
    ASSERT_TRUE(dib.Create(80, 80, 24, 0));
    dib.Fill(0);
    dib.Grid(0, 0, 64, 64, 32, 32, 0xFFFFFF);
    EXPECT_EQ((std::vector<int>{0, 32, 63, 64}), WhiteColumns(dib, 10));
    EXPECT_EQ((std::vector<int>{0, 32, 63, 64}), WhiteRows(dib, 10));
    EXPECT_EQ(0u, SurfacePixel(dib, 10, 64 + 1));  // the lines end at y + height, not drawn
    EXPECT_EQ(nullptr, dib.m_hPen);                // the pen is released
    dib.Fill(0);
    dib.Grid(0, 0, 64, 64, 0, 32, 0xFFFFFF);
    EXPECT_TRUE(WhiteColumns(dib, 10).empty());
}

TEST(Dib, LineOutlineCoversWidthPlusOne) {
    cDib dib;
    ASSERT_TRUE(dib.Create(40, 40, 24, 0));
    dib.Fill(0);
    ASSERT_EQ(1, dib.SetPen(PS_SOLID, 1, RGB(255, 255, 255)));
    dib.Line(2, 3, 32, 32);
    EXPECT_EQ((std::vector<int>{2, 34}), WhiteColumns(dib, 20));
    EXPECT_EQ((std::vector<int>{3, 35}), WhiteRows(dib, 20));
    dib.SetGdiObject();
    EXPECT_EQ(nullptr, dib.m_hPen);
}

TEST(Dib, FillAndFillRgb) {
    cDib dib;
    ASSERT_TRUE(dib.Create(3, 3, 24, 0));
    dib.Fill(RGB(1, 2, 3));
    EXPECT_EQ(0x010203u, SurfacePixel(dib, 2, 2));
    EXPECT_NE(nullptr, dib.m_hPen);  // Fill leaves its pen selected
    dib.FillRgb(7, 8, 9);            // blue, green, red
    EXPECT_EQ(0x090807u, SurfacePixel(dib, 0, 1));
}

// Rows holding any pixel that is not black.
std::vector<int> InkedRows(const cDib& dib) {
    std::vector<int> rows;
    for (int y = 0; y < dib.m_nHeight; ++y)
        for (int x = 0; x < dib.m_nWidth; ++x)
            if (SurfacePixel(dib, x, y) != 0) {
                rows.push_back(y);
                break;
            }
    return rows;
}

TEST(Dib, TextLinesAreTwentyPixelsApart) {
    cDib dib;
    ASSERT_TRUE(dib.Create(60, 60, 24, 0));
    dib.CreateFont("ＭＳ ゴシック", 6, 12);
    dib.Fill(0);
    dib.TextOut(2, 5, "I", 0xFFFFFF, TRANSPARENT);
    const std::vector<int> one = InkedRows(dib);
    ASSERT_FALSE(one.empty());
    dib.Fill(0);
    dib.TextOut(2, 5, "I\nI", 0xFFFFFF, TRANSPARENT);
    std::vector<int> two = InkedRows(dib);
    std::vector<int> expected = one;
    for (int y : one) expected.push_back(y + 20);
    EXPECT_EQ(expected, two);
    dib.Fill(0);
    dib.TextPrintf(2, 25, "%d", 1);
    EXPECT_EQ(25 + (one.front() - 5), InkedRows(dib).front());
}

}  // namespace
