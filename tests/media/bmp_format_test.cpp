#include "media/bmp_format.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/media/bmp_fixture.h"

namespace {

const uint8_t* Data(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

// Decodes a fixture and checks every pixel against what was written.
void ExpectDecodes(const cBmpFixture& f, const char* what) {
    const std::string bytes = f.Bytes();
    cBmpInfo info;
    ASSERT_EQ(BMP_OK, ParseBmpHeader(Data(bytes), bytes.size(), &info)) << what;
    const int rows = f.height < 0 ? -f.height : f.height;
    ASSERT_EQ(f.width, info.nWidth) << what;
    ASSERT_EQ(rows, info.nHeight) << what;
    const int stride = f.width * 3 + 5;  // any stride the caller likes
    std::vector<uint8_t> out(static_cast<size_t>(stride) * rows, 0xCD);
    DecodeBmpPixels(Data(bytes), info, out.data(), stride);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < f.width; ++x) {
            const uint8_t* p = &out[y * stride + x * 3];
            const uint32_t got = p[0] | (p[1] << 8) | (p[2] << 16);
            ASSERT_EQ(f.Expected(x, y), got) << what << " at " << x << "," << y;
        }
}

TEST(BmpFormat, EveryDepthWidthAndRowOrder) {
    for (int bits : {8, 24, 32})
        for (int width = 1; width <= 4; ++width)
            for (int height : {3, -3}) {
                cBmpFixture f;
                f.bitCount = bits;
                f.width = width;
                f.height = height;
                const std::string what =
                    std::to_string(bits) + " bits, " + std::to_string(width) + " x " + std::to_string(height);
                ExpectDecodes(f, what.c_str());
            }
}

TEST(BmpFormat, HeaderFieldsAreHonoured) {
    cBmpFixture gap;
    gap.gap = 10;  // pixels found through the data offset
    ExpectDecodes(gap, "gap before the pixels");
    cBmpFixture v5;
    v5.headerSize = 124;  // palette after the longer header
    v5.bitCount = 8;
    v5.width = 3;
    v5.height = 2;
    ExpectDecodes(v5, "124-byte header with palette");
    cBmpFixture small;
    small.bitCount = 8;
    small.paletteCount = 4;
    small.width = 4;
    ExpectDecodes(small, "4-entry palette");
    cBmpFixture noOffset;
    noOffset.zeroOffset = true;
    noOffset.bitCount = 8;
    noOffset.paletteCount = 16;
    ExpectDecodes(noOffset, "data offset 0");
}

TEST(BmpFormat, IndexBeyondThePaletteReadsBlack) {
    cBmpFixture f;
    f.bitCount = 8;
    f.paletteCount = 2;
    f.width = 1;
    std::string bytes = f.Bytes();
    bytes[bytes.size() - 4] = 9;  // index 9 of a 2-entry palette
    cBmpInfo info;
    ASSERT_EQ(BMP_OK, ParseBmpHeader(Data(bytes), bytes.size(), &info));
    uint8_t out[3] = {1, 1, 1};
    DecodeBmpPixels(Data(bytes), info, out, 3);
    EXPECT_EQ(0, out[0] | out[1] | out[2]);
}

TEST(BmpFormat, Refused) {
    // clang-format off
    struct {
        const char* name;
        cBmpFixture f;
        int expected;
        int bitCount;
    } cases[] = {
        {"16 bits", [] { cBmpFixture f; f.bitCount = 16; return f; }(), BMP_BAD_DEPTH, 16},
        {"RLE8", [] { cBmpFixture f; f.bitCount = 8; f.compression = 1; return f; }(), BMP_INVALID, 8},
        {"bit fields at 24 bits", [] { cBmpFixture f; f.compression = 3; return f; }(), BMP_INVALID, 24},
        {"core header", [] { cBmpFixture f; f.headerSize = 12; return f; }(), BMP_INVALID, 0},
        {"truncated pixels", [] { cBmpFixture f; f.width = 4; f.height = 4; f.truncate = 1; return f; }(), BMP_INVALID, 24},
        {"width 0", [] { cBmpFixture f; f.width = 0; return f; }(), BMP_INVALID, 24},
        {"height 0", [] { cBmpFixture f; f.height = 0; return f; }(), BMP_INVALID, 24},
        {"palette of 300", [] { cBmpFixture f; f.bitCount = 8; f.paletteCount = 300; return f; }(), BMP_INVALID, 8},
    };
    // clang-format on
    for (auto& c : cases) {
        const std::string bytes = c.f.Bytes();
        cBmpInfo info;
        EXPECT_EQ(c.expected, ParseBmpHeader(Data(bytes), bytes.size(), &info)) << c.name;
        if (c.expected == BMP_BAD_DEPTH) {
            EXPECT_EQ(c.bitCount, info.nBitCount) << c.name;
        }
    }
}

// Sizes and offsets that would take the decoder past the bytes are the
// fuzzer's (it checks every header the parser lets through); here the codes
// that choose the message.
TEST(BmpFormat, ShortOrForeignFiles) {
    cBmpFixture f;
    std::string bytes = f.Bytes();
    cBmpInfo info;
    EXPECT_EQ(BMP_NOT_BITMAP, ParseBmpHeader(Data(bytes), 1, &info));
    EXPECT_EQ(BMP_INVALID, ParseBmpHeader(Data(bytes), 30, &info));
    bytes[0] = 'P';
    EXPECT_EQ(BMP_NOT_BITMAP, ParseBmpHeader(Data(bytes), bytes.size(), &info));
}

}  // namespace
