// Bitmap files built byte by byte, with every header field under the test's control.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct cBmpFixture {
    int width = 1;
    int height = 1;  // negative: top-down
    int bitCount = 24;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    int paletteCount = 0;     // 8 bits: entries written (biClrUsed); 0 writes 256
    uint32_t gap = 0;         // bytes between palette and pixels (honoured through bfOffBits)
    bool zeroOffset = false;  // bfOffBits 0
    size_t truncate = 0;      // bytes cut from the end

    // Pixel (x, y) from the top, as 0xRRGGBB; 8-bit files hold index (x + 3y) % count
    // with palette entry i = Palette8(i).
    static uint32_t Pixel(int x, int y) { return ((x * 40 + 7) << 16) | ((y * 50 + 3) << 8) | (x * 9 + y); }
    static uint32_t Palette8(int i) { return (i & 255) << 16 | ((255 - i) & 255) << 8 | (i * 7 & 255); }
    int Index8(int x, int y) const { return (x + 3 * y) % (paletteCount ? paletteCount : 256); }
    uint32_t Expected(int x, int y) const { return bitCount == 8 ? Palette8(Index8(x, y)) : Pixel(x, y); }

    std::string Bytes() const;
};
