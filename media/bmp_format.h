// Reading the Windows bitmap format from bytes in memory; no windows needed.
#pragma once

#include <cstddef>
#include <cstdint>

enum {
    BMP_OK = 0,
    BMP_NOT_BITMAP,  // no "BM" type field
    BMP_BAD_DEPTH,   // bit count other than 8, 24 or 32 (in nBitCount)
    BMP_INVALID,     // compressed, truncated or inconsistent
};

struct cBmpInfo {
    int nWidth = 0;
    int nHeight = 0;  // always positive; bTopDown tells the row order
    int nBitCount = 0;
    bool bTopDown = false;
    uint32_t nPaletteOffset = 0;
    int nPaletteCount = 0;
    uint32_t nPixelOffset = 0;
    uint32_t nFileStride = 0;  // bytes per file row, padded to 4
};

// Checks every header field the pixels are read by, so that
// DecodeBmpPixels never reads outside `data`.
int ParseBmpHeader(const uint8_t* data, size_t size, cBmpInfo* info);

// Writes the picture as rows of blue, green, red bytes, top row first, each
// `dstStride` bytes after the one before.
void DecodeBmpPixels(const uint8_t* data, const cBmpInfo& info, uint8_t* dst, ptrdiff_t dstStride);
