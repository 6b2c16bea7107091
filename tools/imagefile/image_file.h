// Writing PNG and BMP files, for the sample project, the tests and the
// benchmarks (the editor itself only reads images).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct cPngLayout {
    int nWidth = 0;
    int nHeight = 0;
    int nColorType = 2;  // libpng colour type: 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
    int nBitDepth = 8;
    const uint8_t* pPixels = nullptr;  // top row first, samples in file order (R, G, B)
    size_t nStride = 0;
    const uint8_t* pPalette = nullptr;  // palette: R, G, B per entry
    int nPaletteCount = 0;
    const uint8_t* pTrns = nullptr;     // palette: alpha per entry; grey/RGB: one 16-bit colour
    int nTrnsCount = 0;                 // entries, or 1 for a colour
    uint16_t trnsColor[3] = {0, 0, 0};  // grey in [0], or R, G, B
    double fGamma = 0;                  // gAMA chunk when non-zero
    int bInterlace = 0;                 // Adam7 interlacing
};

// 1 when the file was written.
int WritePng(const char* path, const cPngLayout& layout);

// A 24-bit picture in memory: rows of blue, green, red, top row first.
struct cPicture {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> pixels;  // nWidth * 3 per row, no padding

    cPicture(int width, int height, uint32_t rgb = 0);
    uint8_t* At(int x, int y) { return &pixels[(static_cast<size_t>(y) * nWidth + x) * 3]; }
    void Set(int x, int y, uint32_t rgb);
    uint32_t Get(int x, int y) const;
    void FillRect(int x, int y, int w, int h, uint32_t rgb);
    void Frame(int x, int y, int w, int h, uint32_t rgb);
    // Digits 0-9 from a 3 x 5 font, each pixel `scale` x `scale`.
    void Number(int x, int y, int value, int scale, uint32_t rgb);
    void Disc(int cx, int cy, int radius, uint32_t rgb);
};

// Written as 24-bit RGB PNG, or as an uncompressed 24-bit bottom-up BMP.
int WritePicturePng(const char* path, const cPicture& picture);
int WritePictureBmp(const char* path, const cPicture& picture);
