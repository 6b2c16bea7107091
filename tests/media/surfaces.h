// Pixels of a surface as 0xRRGGBB (blue in the low byte of the surface row,
// red in the high byte here), for the drawing tests.
#pragma once

#include <windows.h>

#include <cstdint>

#include "media/dib.h"

inline uint32_t SurfacePixel(const cDib& dib, int x, int y) {
    GdiFlush();
    const BYTE* p = dib.Row(y) + x * (dib.m_nBpp / 8);
    return p[2] << 16 | p[1] << 8 | p[0];
}

inline uint32_t SurfaceMask(const cDib& dib, int x, int y) {
    GdiFlush();
    const BYTE* p = dib.MaskRow(y) + x * (dib.m_nBpp / 8);
    return p[2] << 16 | p[1] << 8 | p[0];
}
