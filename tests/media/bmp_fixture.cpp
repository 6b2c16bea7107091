#include "tests/media/bmp_fixture.h"

#include <algorithm>

namespace {

void Put32(std::string& s, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
}

}  // namespace

std::string cBmpFixture::Bytes() const {
    const int rows = height < 0 ? -height : height;
    const int entries = bitCount == 8 ? (paletteCount ? paletteCount : 256) : 0;
    const uint32_t stride = ((width * bitCount + 31) / 32) * 4;
    const uint32_t offBits = 14 + headerSize + entries * 4 + gap;
    // At least the 54 bytes the header fields below are written into.
    std::string s(std::max<size_t>(offBits + stride * rows, 54), '\0');
    s[0] = 'B';
    s[1] = 'M';
    Put32(s, 2, static_cast<uint32_t>(s.size()));
    Put32(s, 10, zeroOffset ? 0 : offBits);
    Put32(s, 14, headerSize);
    Put32(s, 18, static_cast<uint32_t>(width));
    Put32(s, 22, static_cast<uint32_t>(height));
    s[26] = 1;
    s[28] = static_cast<char>(bitCount);
    Put32(s, 30, compression);
    Put32(s, 46, static_cast<uint32_t>(paletteCount));
    for (int i = 0; i < entries; ++i) {
        const uint32_t c = Palette8(i);
        s[14 + headerSize + 4 * i] = static_cast<char>(c & 255);
        s[14 + headerSize + 4 * i + 1] = static_cast<char>(c >> 8 & 255);
        s[14 + headerSize + 4 * i + 2] = static_cast<char>(c >> 16 & 255);
    }
    for (int y = 0; y < rows; ++y) {
        const int fileRow = height < 0 ? y : rows - 1 - y;
        const size_t at = offBits + static_cast<size_t>(fileRow) * stride;
        for (int x = 0; x < width; ++x) {
            if (bitCount == 8) {
                s[at + x] = static_cast<char>(Index8(x, y));
                continue;
            }
            if (bitCount != 24 && bitCount != 32) continue;
            const uint32_t c = Pixel(x, y);
            const size_t p = at + static_cast<size_t>(x) * (bitCount / 8);
            s[p] = static_cast<char>(c & 255);
            s[p + 1] = static_cast<char>(c >> 8 & 255);
            s[p + 2] = static_cast<char>(c >> 16 & 255);
            if (bitCount == 32) s[p + 3] = static_cast<char>(0x80);
        }
        // Row padding is filled with junk that must never show.
        for (size_t p = at + static_cast<size_t>(width) * bitCount / 8; p < at + stride; ++p)
            s[p] = static_cast<char>(0xEE);
    }
    s.resize(s.size() - truncate);
    return s;
}
