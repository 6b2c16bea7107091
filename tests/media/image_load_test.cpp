#include <gtest/gtest.h>

#include <vector>

#include "media/dib.h"
#include "tests/media/bmp_fixture.h"
#include "tests/media/surfaces.h"
#include "tests/support/seams.h"
#include "tools/imagefile/image_file.h"

namespace {

typedef std::vector<std::string> Messages;

// A PNG of one row of pixels given as bytes in the file's sample order.
bool WriteRow(const char* path, int colorType, int depth, std::vector<uint8_t> samples, int width,
              cPngLayout layout = cPngLayout()) {
    layout.nWidth = width;
    layout.nHeight = 1;
    layout.nColorType = colorType;
    layout.nBitDepth = depth;
    layout.pPixels = samples.data();
    layout.nStride = samples.size();
    return WritePng(path, layout) == 1;
}

class ImageLoad : public ::testing::Test {
protected:
    void SetUp() override {
        SetTransparentColor(0, 0, 0, 0);
        FolderCreate("image");
    }
    void TearDown() override { SetTransparentColor(0, 0, 0, 0); }
    // The message boxes shown since the last call.
    Messages TakeMessages() {
        Messages texts = m_Boxes.Texts();
        m_Boxes.Reset();
        return texts;
    }
    ScratchFolder m_Folder{"image_load"};
    ScopedBoxes m_Boxes;
};

TEST_F(ImageLoad, RgbaPngKeepsBlackOpaqueAndMasksTransparentPixels) {
    ASSERT_TRUE(WriteRow("rgba.png", 6, 8, {0, 0, 0, 255, 50, 60, 70, 0, 10, 20, 30, 255, 100, 110, 120, 128}, 4));
    cDib dib;
    ASSERT_EQ(1, dib.LoadImageFile("rgba.png", 24, 1));
    EXPECT_EQ(1, dib.m_bAlphaSource);
    const uint32_t pixels[] = {0x000001, 0x000000, 0x0A141E, 0x646E78};
    const uint32_t masks[] = {0, 0xFFFFFF, 0, 0};
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(pixels[x], SurfacePixel(dib, x, 0)) << x;
        EXPECT_EQ(masks[x], SurfaceMask(dib, x, 0)) << x;
    }
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ImageLoad, PngKinds) {
    const uint8_t palette[] = {200, 100, 50, 1, 2, 3};
    const uint8_t alphas[] = {0, 255};
    struct {
        const char* name;
        int colorType, depth;
        std::vector<uint8_t> samples;
        cPngLayout extra;
        int alphaSource;
        std::vector<uint32_t> expected;  // two pixels
    } cases[] = {
        {"grey", 0, 8, {7, 200}, {}, 0, {0x070707, 0xC8C8C8}},
        {"grey 2 bits", 0, 2, {0x30}, {}, 0, {0x000000, 0xFFFFFF}},
        {"grey and alpha", 4, 8, {9, 255, 9, 0}, {}, 1, {0x090909, 0}},
        {"palette",
         3,
         8,
         {0, 1},
         [&] {
             cPngLayout s;
             s.pPalette = palette;
             s.nPaletteCount = 2;
             return s;
         }(),
         0,
         {0xC86432, 0x010203}},
        {"palette with tRNS",
         3,
         8,
         {0, 1},
         [&] {
             cPngLayout s;
             s.pPalette = palette;
             s.nPaletteCount = 2;
             s.pTrns = alphas;
             s.nTrnsCount = 2;
             return s;
         }(),
         1,
         {0, 0x010203}},
        {"RGB with tRNS colour",
         2,
         8,
         {200, 100, 50, 4, 5, 6},
         [] {
             cPngLayout s;
             s.nTrnsCount = 1;
             s.trnsColor[0] = 200, s.trnsColor[1] = 100, s.trnsColor[2] = 50;
             return s;
         }(),
         1,
         {0, 0x040506}},
        {"16-bit RGB",
         2,
         16,
         {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0, 0, 0, 0, 0xFF, 0xFF},
         {},
         0,
         {0x12569A, 0x0000FF}},
    };
    for (auto& c : cases) {
        ASSERT_TRUE(WriteRow("kind.png", c.colorType, c.depth, c.samples, 2, c.extra)) << c.name;
        cDib dib;
        ASSERT_EQ(1, dib.LoadImageFile("kind.png", 24, 1)) << c.name;
        EXPECT_EQ(c.alphaSource, dib.m_bAlphaSource) << c.name;
        EXPECT_EQ(24, dib.m_nBpp);
        for (int x = 0; x < 2; ++x) EXPECT_EQ(c.expected[x], SurfacePixel(dib, x, 0)) << c.name;
    }
    EXPECT_TRUE(TakeMessages().empty());
}

// Adam7 rows arrive in seven passes; every pixel must still land in its place.
TEST_F(ImageLoad, InterlacedPng) {
    const struct { int colorType, width, height; } cases[] = {{2, 13, 11}, {6, 9, 10}, {2, 1, 1}};
    for (const auto& c : cases) {
        const int channels = c.colorType == 6 ? 4 : 3;
        std::vector<uint8_t> samples;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                samples.insert(samples.end(), {static_cast<uint8_t>(x * 16 + 1), static_cast<uint8_t>(y * 16 + 1), 77});
                if (channels == 4) samples.push_back(255);
            }
        cPngLayout layout;
        layout.nWidth = c.width;
        layout.nHeight = c.height;
        layout.nColorType = c.colorType;
        layout.pPixels = samples.data();
        layout.nStride = static_cast<size_t>(c.width) * channels;
        layout.bInterlace = 1;
        ASSERT_EQ(1, WritePng("adam7.png", layout));
        cDib dib;
        ASSERT_EQ(1, dib.LoadImageFile("adam7.png", 24, 0)) << c.width;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_EQ(static_cast<uint32_t>((x * 16 + 1) << 16 | (y * 16 + 1) << 8 | 77), SurfacePixel(dib, x, y))
                    << c.width << "x" << c.height << " at " << x << "," << y;
    }
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ImageLoad, FileGammaIsApplied) {
    cPngLayout linear;
    linear.fGamma = 1.0;
    ASSERT_TRUE(WriteRow("gamma.png", 0, 8, {128}, 1, linear));
    cDib dib;
    ASSERT_EQ(1, dib.LoadImageFile("gamma.png", 24, 0));
    EXPECT_NEAR(186, static_cast<int>(SurfacePixel(dib, 0, 0) & 255), 2);
}

TEST_F(ImageLoad, TransparentColourOfOpaqueSources) {
    SetTransparentColor(255, 0, 255, 0);  // magenta: blue, green, red
    ASSERT_TRUE(WriteRow("key.png", 2, 8, {255, 0, 255, 1, 2, 3}, 2));
    cBmpFixture bmp;
    bmp.width = 2;
    std::string bytes = bmp.Bytes();
    bytes[54] = '\xFF', bytes[55] = 0, bytes[56] = '\xFF';  // pixel 0 magenta
    WriteFileBytes("key.bmp", bytes);
    for (const char* name : {"key.png", "key.bmp"}) {
        cDib masked, plain;
        ASSERT_EQ(1, masked.LoadImageFile(name, 24, 1)) << name;
        EXPECT_EQ(0u, SurfacePixel(masked, 0, 0)) << name;
        EXPECT_EQ(0xFFFFFFu, SurfaceMask(masked, 0, 0)) << name;
        EXPECT_EQ(0u, SurfaceMask(masked, 1, 0)) << name;
        ASSERT_EQ(1, plain.LoadImageFile(name, 24, 0)) << name;
        EXPECT_EQ(0xFF00FFu, SurfacePixel(plain, 0, 0)) << name;
        EXPECT_EQ(nullptr, plain.m_pMaskBits);
    }
}

TEST_F(ImageLoad, WildcardNameFallsBackToBitmap) {
    cImageLoadParam param = {"image\\MapChip.*", 24, 0, 0, 0, 0, 0, 0};
    cBmpFixture f;
    f.width = 3;
    WriteFileBytes("image\\MapChip.bmp", f.Bytes());
    cDib dib;
    EXPECT_EQ(1, dib.LoadImage(&param));
    EXPECT_EQ(3, dib.m_nWidth);
    EXPECT_TRUE(TakeMessages().empty());

    DeleteFileA("image\\MapChip.bmp");
    cDib missing;
    EXPECT_EQ(0, missing.LoadImage(&param));
    EXPECT_EQ(Messages{"image\\MapChip.png(または.bmp) が見つかりません！"}, TakeMessages());
    param.bOptional = 1;
    EXPECT_EQ(1, missing.LoadImage(&param));
    EXPECT_FALSE(missing.IsCreated());
    EXPECT_TRUE(TakeMessages().empty());

    // A PNG that exists but is broken shows its message, then the bitmap is
    // tried; without one, that message is all: the file is there.
    WriteFileBytes("image\\MapChip.png", "not a png at all");
    WriteFileBytes("image\\MapChip.bmp", f.Bytes());
    EXPECT_EQ(1, missing.LoadImage(&param));
    EXPECT_EQ(Messages{"image\\MapChip.png はpngファイルではありません！"}, TakeMessages());
    DeleteFileA("image\\MapChip.bmp");
    param.bOptional = 0;
    EXPECT_EQ(0, missing.LoadImage(&param));
    EXPECT_EQ(Messages{"image\\MapChip.png はpngファイルではありません！"}, TakeMessages());
}

TEST_F(ImageLoad, EmptySurface) {
    cImageLoadParam param = {"E", 24, 1, 0, 0, 96, 48, 0};
    cDib dib;
    ASSERT_EQ(1, dib.LoadImage(&param));
    EXPECT_EQ(96, dib.m_nWidth);
    EXPECT_EQ(48, dib.m_nHeight);
    EXPECT_EQ(0u, SurfaceMask(dib, 95, 47));
    param.nWidth = 0;
    EXPECT_EQ(0, dib.LoadImage(&param));
    EXPECT_EQ(Messages{"E が読み込めません！"}, TakeMessages());
}

// Each message once; which bitmaps the decoder refuses is its own test's.
TEST_F(ImageLoad, RefusedFiles) {
    const std::string bad = " が読み込めません！\nファイルが不正、もしくは対応していない形式です。";
    const std::string depth = "の読み込みに失敗しました！\n8bit,24bit,32bit以外のカラーには対応していません。";
    cBmpFixture four, rle;
    four.bitCount = 4;
    rle.bitCount = 8;
    rle.compression = 1;
    std::string png;
    {
        ASSERT_TRUE(WriteRow("good.png", 2, 8, {1, 2, 3}, 1));
        FILE* f = std::fopen("good.png", "rb");
        char buffer[256];
        png.assign(buffer, std::fread(buffer, 1, sizeof(buffer), f));
        std::fclose(f);
    }
    struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"four.bmp", four.Bytes(), "four.bmp (4bit)" + depth},
        {"rle.bmp", rle.Bytes(), "rle.bmp" + bad},
        {"upper.PNG", png, "upper.PNG はビットマップファイルではありません！"},
        {"cut.png", png.substr(0, png.size() / 2), "cut.png" + bad},
        {"short.png", "\x89PN", "short.png はpngファイルではありません！"},
    };
    for (auto& c : cases) {
        WriteFileBytes(c.name, c.bytes);
        cDib dib;
        EXPECT_EQ(0, dib.LoadImageFile(c.name, 24, 1)) << c.name;
        EXPECT_EQ(Messages{c.message}, TakeMessages()) << c.name;
    }
    cDib dib;
    EXPECT_EQ(0, dib.LoadImageFile("absent.bmp", 24, 0));
    EXPECT_EQ(Messages{"absent.bmp が読み込めません！"}, TakeMessages());

    // A bitmap the process has no memory for cannot be read; the program goes on.
    WriteFileBytes("whole.bmp", cBmpFixture().Bytes());
    const FileFaultHook old = SetFileFaultHook([](int step) { return step == FILE_FAULT_MEMORY ? 1 : 0; });
    EXPECT_EQ(0, dib.LoadImageFile("whole.bmp", 24, 0));
    SetFileFaultHook(old);
    EXPECT_EQ(Messages{"whole.bmp が読み込めません！"}, TakeMessages());
    EXPECT_EQ(1, dib.LoadImageFile("whole.bmp", 24, 0));
}

TEST_F(ImageLoad, OnlyTwentyFourBitSurfaces) {
    cBmpFixture f;
    WriteFileBytes("f.bmp", f.Bytes());
    cDib dib;
    EXPECT_EQ(0, dib.LoadImageFile("f.bmp", 32, 0));
    EXPECT_EQ(Messages{"24bitDIB以外には未対応！ f.bmp"}, TakeMessages());
}

}  // namespace
