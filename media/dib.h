// Off-screen surfaces: 24-bit (or 32-bit) DIB sections selected into memory
// device contexts, with an optional mask that makes copies transparent.
#pragma once

#include <windows.h>

// How a surface is made or loaded (one per image of the image table).
struct cImageLoadParam {
    char szFileName[MAX_PATH];  // "E" = empty surface; extension "*" = png, else bmp
    int nBpp;                   // depth of the surface; 24 in every block
    int bMask;                  // build a mask from the transparent pixels
    int nReserved1;
    int nReserved2;
    int nWidth;  // size of an empty surface ("E" only)
    int nHeight;
    int bOptional;  // a file found neither as png nor as bmp is no error
};

class cDib {
public:
    // The first field is the device context: window classes wrap a paint DC
    // the same way to be the destination of Blt (see the HDC forms below).
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldObj = nullptr;
    BITMAP m_Bitmap = {};
    BYTE* m_pBits = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBpp = 24;
    HFONT m_hFont = nullptr;
    int m_bAlphaSource = 0;  // last PNG loaded had an alpha channel
    HDC m_hMaskDC = nullptr;
    HBITMAP m_hMaskBitmap = nullptr;
    HGDIOBJ m_hMaskOldObj = nullptr;
    BYTE* m_pMaskBits = nullptr;
    HPEN m_hPen = nullptr;
    HGDIOBJ m_hOldPen = nullptr;

    cDib() = default;
    ~cDib();
    cDib(const cDib&) = delete;
    cDib& operator=(const cDib&) = delete;

    int Create(int width, int height, int bpp, int mask);
    void Release();

    int Blt(int x, int y, int w, int h, const cDib* src, int sx, int sy, int opaque);
    int StretchBlt(int x, int y, int w, int h, const cDib* src, int sx, int sy, int sw, int sh, int opaque);
    // The same copies into any device context (a window's paint DC); always through GDI.
    static int Blt(HDC dst, int x, int y, int w, int h, const cDib* src, int sx, int sy, int opaque);
    static int StretchBlt(HDC dst, int x, int y, int w, int h, const cDib* src, int sx, int sy, int sw, int sh,
                          int opaque);

    HFONT CreateFont(const char* face, int charWidth, int charHeight);
    void TextOut(int x, int y, const char* text, COLORREF color, int bkMode);
    void TextPrintf(int x, int y, const char* format, ...);
    int SetPen(int style, int width, COLORREF color);
    void SetGdiObject();
    void Line(int x, int y, int w, int h);
    void Grid(int x, int y, int w, int h, int cellW, int cellH, COLORREF color);
    void Fill(COLORREF color);
    void FillRgb(BYTE blue, BYTE green, BYTE red);

    // Loaders (image_load.cpp). Every failure shows one message that names
    // the file, but for an optional image that is missing.
    int LoadImage(const cImageLoadParam* param);
    int LoadImageFile(const char* fileName, int bpp, int mask);
    int LoadPng(const char* fileName, const cImageLoadParam* param, int report);
    int LoadBmp(const char* fileName, const cImageLoadParam* param, int report);

    // Direct pixel access. Rows are addressed top to bottom whatever the
    // surface's memory order; nullptr outside the surface.
    int IsCreated() const { return m_hDC != nullptr && m_pBits != nullptr; }
    int GetStride() const;
    BYTE* Row(int y) const;
    BYTE* MaskRow(int y) const;

private:
    int CreateSection(const BITMAPINFO* info, HDC* dc, HBITMAP* bitmap, HGDIOBJ* old, BYTE** bits);
    // Frees what CreateSection made and empties the four; nothing without a DC.
    static void FreeSection(HDC* dc, HBITMAP* bitmap, HGDIOBJ* old, BYTE** bits);
    int BuildMask();
};

// The program's one colour key, bytes blue, green, red (the fourth is carried along).
struct cTransparentColor {
    BYTE b, g, r, spare;
};
extern cTransparentColor g_TransparentColor;

void SetTransparentColor(BYTE blue, BYTE green, BYTE red, BYTE spare);
inline bool IsTransparentPixel(const BYTE* bgr) {
    return bgr[0] == g_TransparentColor.b && bgr[1] == g_TransparentColor.g && bgr[2] == g_TransparentColor.r;
}
inline COLORREF TransparentColorRef() { return RGB(g_TransparentColor.r, g_TransparentColor.g, g_TransparentColor.b); }
