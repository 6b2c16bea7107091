#include "media/image_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/media/surfaces.h"

namespace {

// Every pixel of a test sheet tells where it came from: blue x / 4, green
// y / 4 (both within 256 cells of 4 pixels), red the entry's tag.
uint32_t SheetPixel(int tag, int x, int y) {
    return static_cast<uint32_t>(tag) << 16 | (y / 4 & 255) << 8 | (x / 4 & 255);
}

void MakeSheet(int entry, int width, int height, int mask) {
    cDib& dib = g_ImageTable[entry];
    ASSERT_TRUE(dib.Create(width, height, 24, mask));
    GdiFlush();
    for (int y = 0; y < height; ++y) {
        BYTE* p = dib.Row(y);
        for (int x = 0; x < width; ++x, p += 3) {
            const uint32_t c = SheetPixel(entry, x, y);
            p[0] = c & 255, p[1] = c >> 8 & 255, p[2] = c >> 16 & 255;
        }
    }
}

class ImageTable : public ::testing::Test {
protected:
    void SetUp() override {
        for (cDib& dib : g_ImageTable) dib.Release();
        ASSERT_TRUE(m_Dst.Create(128, 128, 24, 0));
        m_Dst.Fill(RGB(9, 9, 9));
    }
    void TearDown() override {
        for (cDib& dib : g_ImageTable) dib.Release();
        SetTransparentColor(0, 0, 0, 0);
    }
    // The cell drawn at (x, y) came from (sx, sy) of entry `tag`.
    void ExpectCell(int x, int y, int size, int tag, int sx, int sy, const char* what) {
        for (int j = 0; j < size; j += 3)
            for (int i = 0; i < size; i += 3)
                ASSERT_EQ(SheetPixel(tag, sx + i, sy + j), SurfacePixel(m_Dst, x + i, y + j))
                    << what << " at " << i << "," << j;
    }
    bool Untouched() {
        for (int y = 0; y < m_Dst.m_nHeight; ++y)
            for (int x = 0; x < m_Dst.m_nWidth; ++x)
                if (SurfacePixel(m_Dst, x, y) != 0x090909) return false;
        return true;
    }
    cDib m_Dst;
};

TEST_F(ImageTable, Entries) {
    const struct {
        int index;
        const char* name;
        int mask, optional, width, height;
    } rows[] = {
        {0, "image\\MapChip.*", 0, 0, 0, 0},
        {1, "image\\MapChara.*", 1, 0, 0, 0},
        {2, "image\\Character1.*", 0, 0, 0, 0},
        {9, "image\\Character8.*", 0, 1, 0, 0},
        {10, "image\\Character1_color.*", 0, 1, 0, 0},
        {17, "image\\Character8_color.*", 0, 1, 0, 0},
        {18, "image\\Event.*", 1, 0, 0, 0},
        {19, "image\\WorldBack.*", 0, 0, 0, 0},
        {20, "image\\WorldMapChip.*", 0, 0, 0, 0},
        {21, "image\\WorldEvent.*", 1, 0, 0, 0},
        {22, "image\\Symbol.*", 1, 0, 0, 0},
        {23, "image\\Effect1.*", 0, 0, 0, 0},
        {30, "image\\Effect8.*", 0, 0, 0, 0},
        {31, "image\\Accessory.*", 1, 0, 0, 0},
        {32, "E", 1, 0, 768, 480},
        {33, "E", 1, 0, 1024, 512},
        {34, "E", 1, 0, 512, 512},
        {35, "E", 1, 0, 2048, 512},
        {36, "E", 1, 0, 960, 48},
        {37, "E", 1, 0, 1024, 64},
    };
    for (const auto& r : rows) {
        const cImageLoadParam& p = g_ImageParam[r.index];
        EXPECT_STREQ(r.name, p.szFileName) << r.index;
        EXPECT_EQ(24, p.nBpp) << r.index;
        EXPECT_EQ(r.mask, p.bMask) << r.index;
        EXPECT_EQ(r.optional, p.bOptional) << r.index;
        EXPECT_EQ(r.width, p.nWidth) << r.index;
        EXPECT_EQ(r.height, p.nHeight) << r.index;
    }
}

TEST_F(ImageTable, CharacterAndEffectCells) {
    for (int k = 0; k < 3; ++k) MakeSheet(IMG_CHARACTER1 + k, 960, 960, 0);
    MakeSheet(IMG_EFFECT1, 1024, 1024, 0);
    MakeSheet(IMG_EFFECT1 + 7, 1024, 1024, 0);
    DrawCell48Table(&m_Dst, 0, 0, 20, 0);  // sheet 2, row 0
    ExpectCell(0, 0, 48, IMG_CHARACTER1 + 1, 0, 0, "graphic 20");
    DrawCell48Table(&m_Dst, 48, 0, 19, 3);  // sheet 1, row 19, frame 3
    ExpectCell(48, 0, 48, IMG_CHARACTER1, 144, 19 * 48, "graphic 19");
    DrawCell48Table(&m_Dst, 0, 48, 41, 19);  // sheet 3, row 1, last frame
    ExpectCell(0, 48, 48, IMG_CHARACTER1 + 2, 19 * 48, 48, "graphic 41");
    DrawCell64Table(&m_Dst, 64, 64, 127, 15);  // sheet 8, row 15
    ExpectCell(64, 64, 64, IMG_EFFECT1 + 7, 15 * 64, 15 * 64, "effect 127");
    DrawCell64Table(&m_Dst, 0, 64, 1, 2);
    ExpectCell(0, 64, 64, IMG_EFFECT1, 128, 64, "effect 1");
}

TEST_F(ImageTable, CellsOutsideTheirSheetDrawNothing) {
    MakeSheet(IMG_CHARACTER1, 960, 960, 0);
    MakeSheet(IMG_CHARACTER1 + 7, 40, 960, 0);  // narrower than one cell
    MakeSheet(IMG_EFFECT1, 1024, 1024, 0);
    DrawCell48Table(&m_Dst, 0, 0, 0, 0);  // graphic 0 is none
    DrawCell48Table(&m_Dst, 0, 0, -1, 0);
    DrawCell48Table(&m_Dst, 0, 0, 1, -1);
    DrawCell48Table(&m_Dst, 0, 0, 1, 20);   // beyond the last frame
    DrawCell48Table(&m_Dst, 0, 0, 145, 0);  // the narrow sheet
    DrawCell48Table(&m_Dst, 0, 0, 160, 0);  // beyond the last sheet
    DrawCell48Table(&m_Dst, 0, 0, 30, 0);   // sheet 2 not loaded
    DrawCell64Table(&m_Dst, 0, 0, 0, 0);
    DrawCell64Table(&m_Dst, 0, 0, 128, 0);
    DrawCell64Table(&m_Dst, 0, 0, 3, 16);
    DrawCell64Table(&m_Dst, 0, 0, 3, INT_MAX / 32);
    DrawEventCell32(&m_Dst, 0, 0, 5, 0);  // no event sheet
    EXPECT_TRUE(Untouched());
}

TEST_F(ImageTable, EventCells) {
    MakeSheet(IMG_EVENT, 1024, 1024, 1);
    cDib& sheet = g_ImageTable[IMG_EVENT];
    // Cell 33 (64, 32): its left column transparent.
    for (int y = 32; y < 64; ++y) std::memset(sheet.MaskRow(y) + 64 * 3, 0xFF, 3);
    for (int y = 32; y < 64; ++y) std::memset(sheet.Row(y) + 64 * 3, 0, 3);
    DrawEventCell32(&m_Dst, 10, 10, 33, 0);
    EXPECT_EQ(0x090909u, SurfacePixel(m_Dst, 10, 20));
    EXPECT_EQ(SheetPixel(IMG_EVENT, 65, 42), SurfacePixel(m_Dst, 11, 20));
    // Half size: 16 x 16, opaque.
    DrawEventCell32(&m_Dst, 60, 60, 33, 1);
    EXPECT_EQ(0u, SurfacePixel(m_Dst, 60, 60));
    EXPECT_EQ(0x090909u, SurfacePixel(m_Dst, 76, 60));
    EXPECT_EQ(0x090909u, SurfacePixel(m_Dst, 60, 76));
    EXPECT_EQ(IMG_EVENT, static_cast<int>(SurfacePixel(m_Dst, 75, 75) >> 16));
    // The last cell of the sheet, and one past it.
    m_Dst.Fill(RGB(9, 9, 9));
    DrawEventCell32(&m_Dst, 0, 0, 16 * 32, 0);
    EXPECT_TRUE(Untouched());
    DrawEventCell32(&m_Dst, 0, 0, 16 * 32 - 1, 0);
    EXPECT_EQ(SheetPixel(IMG_EVENT, 15 * 64 + 5, 31 * 32 + 5), SurfacePixel(m_Dst, 5, 5));
}

TEST_F(ImageTable, SymbolCells) {
    EXPECT_EQ(&g_ImageTable[IMG_SYMBOL], &SymbolSheet);
    const struct {
        int width, height, n;
        int found, sx, sy;
    } cases[] = {
        {256, 128, 0, 1, 0, 0},   {256, 128, 17, 1, 16, 16}, {256, 128, 127, 1, 240, 112},
        {256, 128, 128, 0, 0, 0}, {256, 128, -1, 0, 0, 0},   {40, 40, 3, 1, 16, 16},
        {40, 40, 4, 0, 0, 0},     {8, 64, 0, 0, 0, 0},       {0, 0, 0, 0, 0, 0},
    };
    // A released sheet keeps its old size but holds no symbols.
    ASSERT_TRUE(SymbolSheet.Create(256, 128, 24, 1));
    for (const auto& c : cases) {
        SymbolSheet.Release();
        if (c.width) {
            ASSERT_TRUE(SymbolSheet.Create(c.width, c.height, 24, 1));
        }
        int sx = -7, sy = -7;
        ASSERT_EQ(c.found, SymbolCell(c.n, &sx, &sy)) << c.width << " " << c.n;
        if (c.found) {
            EXPECT_EQ(c.sx, sx) << c.width << " " << c.n;
            EXPECT_EQ(c.sy, sy) << c.width << " " << c.n;
        }
    }
}

TEST_F(ImageTable, Frame32) {
    cDib dib;
    ASSERT_TRUE(dib.Create(70, 40, 24, 0));
    dib.Fill(0);
    DrawFrame32(&dib, 64, 32);
    for (int x : {0, 32, 63, 64}) EXPECT_EQ(0xFFFFFFu, SurfacePixel(dib, x, 5)) << x;
    EXPECT_EQ(0u, SurfacePixel(dib, 1, 5));
    EXPECT_EQ(0xFFFFFFu, SurfacePixel(dib, 5, 31));
}

void PutPixel(cDib& dib, int x, int y, uint32_t rgb) {
    BYTE* p = dib.Row(y) + 3 * x;
    p[0] = rgb & 255, p[1] = rgb >> 8 & 255, p[2] = rgb >> 16 & 255;
}

TEST_F(ImageTable, ShiftRules) {
    SetTransparentColor(255, 0, 255, 0);
    ASSERT_TRUE(g_ImageTable[IMG_HSV64].LoadImage(&g_ImageParam[IMG_HSV64]));
    ASSERT_TRUE(g_ImageTable[IMG_EFFECT1].Create(64, 128, 24, 0));
    const struct {
        const char* what;
        uint32_t pixel;
        int hue, saturation, value;
        uint32_t expected;
    } cases[] = {
        {"hue 351 + 20 wraps to 11", 0xC80021, 20, 0, 0, 0xC82400},
        {"value 250 + 20 stops at 255", 0xFA0000, 0, 0, 20, 0xFF0000},
        {"saturation 25 - 30 stops at 0", 0xC8BEB4, 0, -30, 0, 0xC8C8C8},
        {"hue 199 - 40", 0x20A0E0, -40, 10, -10, 0x16D693},
        {"the transparent colour is never shifted", 0xFF00FF, 90, 50, 50, 0xFF00FF},
    };
    for (const auto& c : cases) {
        PutPixel(g_ImageTable[IMG_EFFECT1], 0, 64, c.pixel);  // graphic 1, frame 0
        MakeHsvRow64(&g_ImageTable[IMG_HSV64], 1, c.hue, c.saturation, c.value);
        EXPECT_EQ(c.expected, SurfacePixel(g_ImageTable[IMG_HSV64], 0, 0)) << c.what;
    }
}

TEST_F(ImageTable, HsvRow48WithAndWithoutColourLayer) {
    SetTransparentColor(0, 0, 0, 0);
    ASSERT_TRUE(g_ImageTable[IMG_HSV48].LoadImage(&g_ImageParam[IMG_HSV48]));
    cDib& work = g_ImageTable[IMG_HSV48];
    ASSERT_TRUE(g_ImageTable[IMG_CHARACTER1].Create(960, 960, 24, 0));
    cDib& sheet = g_ImageTable[IMG_CHARACTER1];
    sheet.Fill(0);
    // Graphic 3: row 3 of sheet 1. Two pixels of colour, the rest transparent.
    PutPixel(sheet, 5, 3 * 48 + 1, 0xC83232);
    PutPixel(sheet, 900, 3 * 48 + 47, 0x32C832);

    MakeHsvRow48(&work, 0, 90, 0, 0);  // graphic 0 leaves the work surface alone
    EXPECT_EQ(0xFFFFFFu, SurfacePixel(work, 5, 1));

    MakeHsvRow48(&work, 3, 90, 0, 0);
    EXPECT_EQ(0x7DC832u, SurfacePixel(work, 5, 1));
    EXPECT_EQ(0x327DC8u, SurfacePixel(work, 900, 47));
    EXPECT_EQ(0u, SurfacePixel(work, 6, 1));  // transparent stays as it was

    // With a colour layer only its pixels change, and take its colours.
    ASSERT_TRUE(g_ImageTable[IMG_CHARACTER_COLOR1].Create(960, 960, 24, 0));
    g_ImageTable[IMG_CHARACTER_COLOR1].Fill(0);
    PutPixel(g_ImageTable[IMG_CHARACTER_COLOR1], 900, 3 * 48 + 47, 0x3232C8);
    MakeHsvRow48(&work, 3, 90, 0, 0);
    EXPECT_EQ(0xC83232u, SurfacePixel(work, 5, 1));
    EXPECT_EQ(0xC8327Du, SurfacePixel(work, 900, 47));

    m_Dst.Fill(RGB(9, 9, 9));
    DrawHsvCell48(&m_Dst, 0, 0, 18, 2);  // frames 18 and 19
    EXPECT_EQ(0xC8327Du, SurfacePixel(m_Dst, 900 - 18 * 48, 47));
    m_Dst.Fill(RGB(9, 9, 9));
    DrawHsvCell48(&m_Dst, 0, 0, 20, 1);
    DrawHsvCell48(&m_Dst, 0, 0, -1, 1);
    EXPECT_TRUE(Untouched());
}

TEST_F(ImageTable, HsvRowOfAShortSheetStopsAtItsEnd) {
    ASSERT_TRUE(g_ImageTable[IMG_HSV48].LoadImage(&g_ImageParam[IMG_HSV48]));
    cDib& work = g_ImageTable[IMG_HSV48];
    // A sheet 1000 pixels wide (wider than the work surface) ending 10 lines into row 1.
    ASSERT_TRUE(g_ImageTable[IMG_CHARACTER1].Create(1000, 58, 24, 0));
    g_ImageTable[IMG_CHARACTER1].Fill(RGB(200, 50, 50));
    MakeHsvRow48(&work, 1, 120, 0, 0);
    EXPECT_EQ(0x32C832u, SurfacePixel(work, 959, 9));
    EXPECT_EQ(0u, SurfacePixel(work, 0, 10));  // the transparent fill below the sheet
}

// A graphic whose sheet is not there leaves the work row empty (the
// transparent fill), never the row of the graphic recoloured before.
TEST_F(ImageTable, HsvRowOfAMissingSheetIsEmpty) {
    SetTransparentColor(255, 0, 255, 0);
    for (int i : {IMG_HSV48, IMG_HSV64}) ASSERT_TRUE(g_ImageTable[i].LoadImage(&g_ImageParam[i]));
    ASSERT_TRUE(g_ImageTable[IMG_CHARACTER1].Create(960, 960, 24, 0));
    ASSERT_TRUE(g_ImageTable[IMG_EFFECT1].Create(1024, 1024, 24, 0));
    g_ImageTable[IMG_CHARACTER1].Fill(RGB(200, 50, 50));
    g_ImageTable[IMG_EFFECT1].Fill(RGB(200, 50, 50));
    typedef void (*MakeRow)(cDib*, int, int, int, int);
    const struct {
        MakeRow make;
        int work, shown, missing;
        const char* what;
    } cases[] = {
        {MakeHsvRow48, IMG_HSV48, 3, 45, "character sheet 3 not loaded"},
        {MakeHsvRow48, IMG_HSV48, 3, 170, "character graphic beyond the last sheet"},
        {MakeHsvRow64, IMG_HSV64, 1, 40, "effect sheet 3 not loaded"},
        {MakeHsvRow64, IMG_HSV64, 1, 130, "effect graphic beyond the last sheet"},
    };
    for (const auto& c : cases) {
        cDib& work = g_ImageTable[c.work];
        c.make(&work, c.shown, 0, 0, 0);
        ASSERT_EQ(0xC83232u, SurfacePixel(work, 5, 1)) << c.what;
        c.make(&work, c.missing, 0, 0, 0);
        for (int y = 0; y < work.m_nHeight; y += 7)
            for (int x = 0; x < work.m_nWidth; x += 13)
                ASSERT_EQ(0xFF00FFu, SurfacePixel(work, x, y)) << c.what << " at " << x << "," << y;
    }
}

TEST_F(ImageTable, HsvRow64) {
    SetTransparentColor(255, 0, 255, 0);
    ASSERT_TRUE(g_ImageTable[IMG_HSV64].LoadImage(&g_ImageParam[IMG_HSV64]));
    cDib& work = g_ImageTable[IMG_HSV64];
    ASSERT_TRUE(g_ImageTable[IMG_EFFECT1 + 1].Create(1024, 1024, 24, 0));
    cDib& sheet = g_ImageTable[IMG_EFFECT1 + 1];
    sheet.Fill(RGB(255, 0, 255));
    PutPixel(sheet, 130, 2 * 64 + 5, 0x20A0E0);  // graphic 18: sheet 2, row 2, frame 2
    MakeHsvRow64(&work, 18, -40, 10, -10);
    EXPECT_EQ(0x16D693u, SurfacePixel(work, 130, 5));
    EXPECT_EQ(0xFF00FFu, SurfacePixel(work, 131, 5));
    DrawHsvCell64(&m_Dst, 0, 0, 2);
    EXPECT_EQ(0x16D693u, SurfacePixel(m_Dst, 2, 5));
    m_Dst.Fill(RGB(9, 9, 9));
    DrawHsvCell64(&m_Dst, 0, 0, 16);
    MakeHsvRow64(&work, 200, 0, 0, 0);  // beyond the last sheet: nothing
    EXPECT_TRUE(Untouched());
}

}  // namespace
