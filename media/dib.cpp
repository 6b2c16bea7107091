#include "media/dib.h"

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

cTransparentColor g_TransparentColor = {0, 0, 0, 0};

void SetTransparentColor(BYTE blue, BYTE green, BYTE red, BYTE spare) {
    g_TransparentColor.b = blue;
    g_TransparentColor.g = green;
    g_TransparentColor.r = red;
    g_TransparentColor.spare = spare;
}

cDib::~cDib() {
    SetGdiObject();
    Release();
    if (m_hFont) DeleteObject(m_hFont);
}

int cDib::CreateSection(const BITMAPINFO* info, HDC* dc, HBITMAP* bitmap, HGDIOBJ* old, BYTE** bits) {
    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!section) return 0;
    HDC memDC = CreateCompatibleDC(nullptr);
    if (!memDC) {
        DeleteObject(section);
        return 0;
    }
    *dc = memDC;
    *bitmap = section;
    *old = SelectObject(memDC, section);
    *bits = static_cast<BYTE*>(pixels);
    return 1;
}

int cDib::Create(int width, int height, int bpp, int mask) {
    // Rebuilding a surface must not leak the one it held.
    Release();
    if (width <= 0 || height <= 0) return 0;

    // Room for the largest header and a colour table, so that depths of 8
    // bits or less never make GDI read past the header.
    struct {
        BITMAPV5HEADER header;
        RGBQUAD colors[256];
    } info = {};
    if (bpp == 32) {
        BITMAPV5HEADER& h = info.header;
        h.bV5Size = sizeof(BITMAPV5HEADER);
        h.bV5Width = width;
        h.bV5Height = height;  // bottom-up
        h.bV5Planes = 1;
        h.bV5BitCount = 32;
        h.bV5Compression = BI_BITFIELDS;
        h.bV5RedMask = 0x00FF0000;
        h.bV5GreenMask = 0x0000FF00;
        h.bV5BlueMask = 0x000000FF;
        h.bV5AlphaMask = 0xFF000000;
    } else {
        auto* h = reinterpret_cast<BITMAPINFOHEADER*>(&info.header);
        h->biSize = sizeof(BITMAPINFOHEADER);
        h->biWidth = width;
        h->biHeight = -height;  // top-down
        h->biPlanes = 1;
        h->biBitCount = static_cast<WORD>(bpp);
        h->biCompression = BI_RGB;
        if (bpp > 0 && bpp <= 8) {
            // The colour table follows the 40-byte header directly.
            auto* table = reinterpret_cast<RGBQUAD*>(h + 1);
            const int count = 1 << bpp;
            for (int i = 0; i < count; ++i) {
                const BYTE level = static_cast<BYTE>(i * 255 / (count - 1));
                table[i] = RGBQUAD{level, level, level, 0};
            }
        }
    }
    const auto* bmi = reinterpret_cast<const BITMAPINFO*>(&info);
    if (!CreateSection(bmi, &m_hDC, &m_hBitmap, &m_hOldObj, &m_pBits)) return 0;
    if (mask && !CreateSection(bmi, &m_hMaskDC, &m_hMaskBitmap, &m_hMaskOldObj, &m_pMaskBits)) return 0;

    PatBlt(m_hDC, 0, 0, width, height, WHITENESS);
    m_nWidth = width;
    m_nHeight = height;
    m_nBpp = bpp;
    GetObjectA(m_hBitmap, sizeof(m_Bitmap), &m_Bitmap);
    return 1;
}

void cDib::FreeSection(HDC* dc, HBITMAP* bitmap, HGDIOBJ* old, BYTE** bits) {
    if (!*dc) return;
    SelectObject(*dc, *old);
    DeleteObject(*bitmap);
    DeleteDC(*dc);
    *dc = nullptr;
    *bitmap = nullptr;
    *old = nullptr;
    *bits = nullptr;
}

void cDib::Release() {
    FreeSection(&m_hDC, &m_hBitmap, &m_hOldObj, &m_pBits);
    FreeSection(&m_hMaskDC, &m_hMaskBitmap, &m_hMaskOldObj, &m_pMaskBits);
}

int cDib::GetStride() const { return ((m_nWidth * m_nBpp + 31) / 32) * 4; }

BYTE* cDib::Row(int y) const {
    if (!m_pBits || y < 0 || y >= m_nHeight) return nullptr;
    const int memRow = m_nBpp == 32 ? m_nHeight - 1 - y : y;
    return m_pBits + static_cast<size_t>(memRow) * GetStride();
}

BYTE* cDib::MaskRow(int y) const {
    if (!m_pMaskBits || y < 0 || y >= m_nHeight) return nullptr;
    const int memRow = m_nBpp == 32 ? m_nHeight - 1 - y : y;
    return m_pMaskBits + static_cast<size_t>(memRow) * GetStride();
}

namespace {

// Clips a copy of w x h pixels from (sx, sy) of src to (x, y) of dst to both
// surfaces, keeping the two rectangles aligned; false when nothing is left.
bool ClipCopy(int& x, int& y, int& w, int& h, int& sx, int& sy, const cDib& dst, const cDib& src) {
    auto clipStart = [&](int& a, int& b, int& len) {
        const int lo = a < b ? a : b;
        if (lo < 0) {
            a -= lo;
            b -= lo;
            len += lo;
        }
    };
    clipStart(x, sx, w);
    clipStart(y, sy, h);
    if (w > dst.m_nWidth - x) w = dst.m_nWidth - x;
    if (w > src.m_nWidth - sx) w = src.m_nWidth - sx;
    if (h > dst.m_nHeight - y) h = dst.m_nHeight - y;
    if (h > src.m_nHeight - sy) h = src.m_nHeight - sy;
    return w > 0 && h > 0;
}

// dst = (dst AND mask) OR src over n bytes: the two GDI passes in one.
void MaskedRow(BYTE* dst, const BYTE* src, const BYTE* mask, int n) {
    int i = 0;
#ifdef __SSE2__
    for (; i + 16 <= n; i += 16) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_or_si128(_mm_and_si128(d, m), s));
    }
#endif
    for (; i + 4 <= n; i += 4) {
        uint32_t d, s, m;
        std::memcpy(&d, dst + i, 4);
        std::memcpy(&s, src + i, 4);
        std::memcpy(&m, mask + i, 4);
        d = (d & m) | s;
        std::memcpy(dst + i, &d, 4);
    }
    for (; i < n; ++i) dst[i] = static_cast<BYTE>((dst[i] & mask[i]) | src[i]);
}

}  // namespace

int cDib::Blt(int x, int y, int w, int h, const cDib* src, int sx, int sy, int opaque) {
    // Between surfaces of one depth the copy runs on the bits directly; it
    // gives what the GDI passes give, and map views copy thousands of cells.
    // A copy within one surface may overlap; GDI orders that one.
    if (src && src != this && m_pBits && src->m_pBits && m_nBpp == src->m_nBpp && (m_nBpp == 24 || m_nBpp == 32) &&
        w > 0 && h > 0) {
        GdiFlush();
        if (!ClipCopy(x, y, w, h, sx, sy, *this, *src)) return 1;
        const int bytes = m_nBpp / 8;
        const int n = w * bytes;
        // Rows run top to bottom; a bottom-up surface steps backwards in memory.
        const ptrdiff_t dstStep = Row(1) ? Row(1) - Row(0) : 0;
        const ptrdiff_t srcStep = src->Row(1) ? src->Row(1) - src->Row(0) : 0;
        BYTE* d = Row(y) + x * bytes;
        const BYTE* s = src->Row(sy) + sx * bytes;
        if (src->m_pMaskBits && !opaque) {
            const BYTE* m = src->MaskRow(sy) + sx * bytes;
            for (int row = 0; row < h; ++row, d += dstStep, s += srcStep, m += srcStep) MaskedRow(d, s, m, n);
        } else {
            for (int row = 0; row < h; ++row, d += dstStep, s += srcStep) std::memmove(d, s, n);
        }
        return 1;
    }
    return Blt(m_hDC, x, y, w, h, src, sx, sy, opaque);
}

int cDib::Blt(HDC dst, int x, int y, int w, int h, const cDib* src, int sx, int sy, int opaque) {
    if (!dst || !src || !src->m_hDC) return 0;
    if (src->m_hMaskDC && !opaque) {
        BitBlt(dst, x, y, w, h, src->m_hMaskDC, sx, sy, SRCAND);
        return BitBlt(dst, x, y, w, h, src->m_hDC, sx, sy, SRCPAINT);
    }
    return BitBlt(dst, x, y, w, h, src->m_hDC, sx, sy, SRCCOPY);
}

int cDib::StretchBlt(int x, int y, int w, int h, const cDib* src, int sx, int sy, int sw, int sh, int opaque) {
    return StretchBlt(m_hDC, x, y, w, h, src, sx, sy, sw, sh, opaque);
}

int cDib::StretchBlt(HDC dst, int x, int y, int w, int h, const cDib* src, int sx, int sy, int sw, int sh, int opaque) {
    if (!dst || !src || !src->m_hDC) return 0;
    if (src->m_hMaskDC && !opaque) {
        ::StretchBlt(dst, x, y, w, h, src->m_hMaskDC, sx, sy, sw, sh, SRCAND);
        return ::StretchBlt(dst, x, y, w, h, src->m_hDC, sx, sy, sw, sh, SRCPAINT);
    }
    return ::StretchBlt(dst, x, y, w, h, src->m_hDC, sx, sy, sw, sh, SRCCOPY);
}

HFONT cDib::CreateFont(const char* face, int charWidth, int charHeight) {
    // Each new font replaces the one held; text drawn earlier keeps its look.
    HFONT font = ::CreateFontA(charHeight, charWidth, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    if (font) {
        if (m_hFont) DeleteObject(m_hFont);
        m_hFont = font;
    }
    return font;
}

void cDib::TextOut(int x, int y, const char* text, COLORREF color, int bkMode) {
    if (!m_hDC || !text) return;
    SetTextColor(m_hDC, color);
    SetBkMode(m_hDC, bkMode);
    HGDIOBJ oldFont = m_hFont ? SelectObject(m_hDC, m_hFont) : nullptr;
    const char* piece = text;
    for (;;) {
        const char* end = std::strchr(piece, '\n');
        const int len = end ? static_cast<int>(end - piece) : static_cast<int>(std::strlen(piece));
        ::TextOutA(m_hDC, x, y, piece, len);
        if (!end) break;
        piece = end + 1;
        y += 20;
    }
    if (oldFont) SelectObject(m_hDC, oldFont);
}

void cDib::TextPrintf(int x, int y, const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    TextOut(x, y, buffer, 0xFFFFFF, TRANSPARENT);
}

int cDib::SetPen(int style, int width, COLORREF color) {
    SetGdiObject();
    if (!m_hDC) return 0;
    HPEN pen = CreatePen(style, width, color);
    if (!pen) return 0;
    m_hPen = pen;
    m_hOldPen = SelectObject(m_hDC, pen);
    if (style == PS_DOT) SetBkMode(m_hDC, TRANSPARENT);
    return 1;
}

void cDib::SetGdiObject() {
    if (!m_hPen) return;
    if (m_hDC && m_hOldPen) SelectObject(m_hDC, m_hOldPen);
    DeleteObject(m_hPen);
    m_hPen = nullptr;
    m_hOldPen = nullptr;
}

void cDib::Line(int x, int y, int w, int h) {
    if (!m_hDC) return;
    MoveToEx(m_hDC, x, y, nullptr);
    LineTo(m_hDC, x + w, y);
    LineTo(m_hDC, x + w, y + h);
    LineTo(m_hDC, x, y + h);
    LineTo(m_hDC, x, y);
}

void cDib::Grid(int x, int y, int w, int h, int cellW, int cellH, COLORREF color) {
    if (!m_hDC || cellW == 0 || cellH == 0) return;
    SetPen(PS_SOLID, 1, color);
    auto segment = [this](int x0, int y0, int x1, int y1) {
        MoveToEx(m_hDC, x0, y0, nullptr);
        LineTo(m_hDC, x1, y1);
    };
    for (int i = 0; i <= w / cellW; ++i) segment(x + i * cellW, y, x + i * cellW, y + h);
    segment(x + w - 1, y, x + w - 1, y + h);
    for (int j = 0; j <= h / cellH; ++j) segment(x, y + j * cellH, x + w, y + j * cellH);
    segment(x, y + h - 1, x + w, y + h - 1);
    SetGdiObject();
}

void cDib::Fill(COLORREF color) {
    // Callers may go on drawing with the pen Fill leaves selected.
    SetPen(PS_SOLID, 1, color);
    if (!m_hDC) return;
    HBRUSH brush = CreateSolidBrush(color);
    RECT all = {0, 0, m_nWidth, m_nHeight};
    FillRect(m_hDC, &all, brush);
    DeleteObject(brush);
}

void cDib::FillRgb(BYTE blue, BYTE green, BYTE red) { Fill(RGB(red, green, blue)); }
