#include "media/bmp_format.h"

#include <cstring>

namespace {

uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

const size_t kFileHeader = 14;
const uint32_t kInfoHeader = 40;
const uint32_t kRgb = 0, kBitFields = 3;

}  // namespace

int ParseBmpHeader(const uint8_t* data, size_t size, cBmpInfo* info) {
    *info = cBmpInfo();
    if (size < kFileHeader || data[0] != 'B' || data[1] != 'M') return BMP_NOT_BITMAP;
    if (size < kFileHeader + kInfoHeader) return BMP_INVALID;
    const uint8_t* h = data + kFileHeader;
    const uint32_t headerSize = U32(h);
    // The old 12-byte core header has another layout; it is not read.
    if (headerSize < kInfoHeader || headerSize > size - kFileHeader) return BMP_INVALID;
    info->nBitCount = U16(h + 14);
    if (info->nBitCount != 8 && info->nBitCount != 24 && info->nBitCount != 32) return BMP_BAD_DEPTH;

    const int32_t width = static_cast<int32_t>(U32(h + 4));
    const int32_t height = static_cast<int32_t>(U32(h + 8));
    if (width <= 0 || height == 0 || height == INT32_MIN) return BMP_INVALID;
    info->nWidth = width;
    info->bTopDown = height < 0;
    info->nHeight = height < 0 ? -height : height;

    const uint32_t compression = U32(h + 16);
    if (compression == kBitFields && info->nBitCount == 32) {
        // Only the plain layout written as bit fields: red, green, blue bytes
        // in the usual places. The masks follow a 40-byte header.
        if (size < kFileHeader + kInfoHeader + 12) return BMP_INVALID;
        const uint8_t* m = h + kInfoHeader;
        if (U32(m) != 0x00FF0000 || U32(m + 4) != 0x0000FF00 || U32(m + 8) != 0x000000FF) return BMP_INVALID;
    } else if (compression != kRgb) {
        return BMP_INVALID;
    }

    uint64_t paletteBytes = 0;
    if (info->nBitCount == 8) {
        const uint32_t used = U32(h + 32);
        if (used > 256) return BMP_INVALID;
        info->nPaletteCount = used ? static_cast<int>(used) : 256;
        info->nPaletteOffset = static_cast<uint32_t>(kFileHeader + headerSize);
        paletteBytes = 4ull * info->nPaletteCount;
        if (info->nPaletteOffset + paletteBytes > size) return BMP_INVALID;
    }

    const uint32_t offBits = U32(data + 10);
    info->nPixelOffset = offBits ? offBits : static_cast<uint32_t>(kFileHeader + headerSize + paletteBytes);
    const uint64_t stride = ((static_cast<uint64_t>(width) * info->nBitCount + 31) / 32) * 4;
    const uint64_t end = info->nPixelOffset + stride * info->nHeight;
    if (stride > UINT32_MAX || end > size) return BMP_INVALID;
    info->nFileStride = static_cast<uint32_t>(stride);
    return BMP_OK;
}

void DecodeBmpPixels(const uint8_t* data, const cBmpInfo& info, uint8_t* dst, ptrdiff_t dstStride) {
    uint8_t palette[256][3] = {};  // indexes beyond the palette's count read black
    const uint8_t* pal = data + info.nPaletteOffset;
    for (int i = 0; i < info.nPaletteCount; ++i) std::memcpy(palette[i], pal + 4 * i, 3);

    for (int y = 0; y < info.nHeight; ++y) {
        const int fileRow = info.bTopDown ? y : info.nHeight - 1 - y;
        const uint8_t* s = data + info.nPixelOffset + static_cast<size_t>(fileRow) * info.nFileStride;
        uint8_t* d = dst + y * dstStride;
        switch (info.nBitCount) {
        case 8:
            for (int x = 0; x < info.nWidth; ++x) std::memcpy(d + 3 * x, palette[s[x]], 3);
            break;
        case 24: std::memcpy(d, s, static_cast<size_t>(info.nWidth) * 3); break;
        case 32:
            for (int x = 0; x < info.nWidth; ++x) std::memcpy(d + 3 * x, s + 4 * x, 3);
            break;
        }
    }
}
