// DrawDemo <project folder> <out.png>: loads the image table from a project
// and draws a sample of everything the drawing services offer into one
// picture: map chips, masked map characters, events at full and half size,
// the grid, character and effect cells, recoloured rows and text.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "media/image_table.h"
#include "tools/imagefile/image_file.h"

namespace {

int SaveSurface(const cDib& dib, const char* path) {
    GdiFlush();
    std::vector<uint8_t> rgb(static_cast<size_t>(dib.m_nWidth) * dib.m_nHeight * 3);
    for (int y = 0; y < dib.m_nHeight; ++y) {
        const BYTE* s = dib.Row(y);
        uint8_t* d = &rgb[static_cast<size_t>(y) * dib.m_nWidth * 3];
        for (int x = 0; x < dib.m_nWidth; ++x, s += dib.m_nBpp / 8, d += 3) d[0] = s[2], d[1] = s[1], d[2] = s[0];
    }
    cPngLayout layout;
    layout.nWidth = dib.m_nWidth;
    layout.nHeight = dib.m_nHeight;
    layout.pPixels = rgb.data();
    layout.nStride = static_cast<size_t>(dib.m_nWidth) * 3;
    return WritePng(path, layout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || !SetCurrentDirectoryA(argv[1])) {
        std::fprintf(stderr, "usage: DrawDemo <project folder> <out.png>\n");
        return 2;
    }
    SetTransparentColor(0, 0, 0, 0);
    for (int i = 0; i < IMAGE_TABLE_SIZE; ++i)
        if (!g_ImageTable[i].LoadImage(&g_ImageParam[i])) return 1;

    cDib view;
    view.Create(640, 480, 24, 0);
    view.Fill(0);
    // A map of 8 x 6 cells, characters standing on some, events on others.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const int g = (x + y * 8) % 24;
            view.Blt(x * 32, y * 32, 32, 32, &g_ImageTable[IMG_MAPCHIP], g % 8 * 32, g / 8 * 32, 0);
        }
    for (int i = 0; i < 5; ++i) {
        const int g = 1 + i * 7;
        view.Blt(32 + i * 32, 64, 32, 32, &g_ImageTable[IMG_MAPCHARA], g / 20 * 64 + 32, g % 20 * 32, 0);
        DrawEventCell32(&view, 32 + i * 32, 128, 1 + i, 0);
        DrawEventCell32(&view, 32 + i * 32 + 15, 160 + 1, 1 + i, 1);
    }
    view.Blt(0, 0, 32, 32, &g_ImageTable[IMG_ACCESSORY], 0, 64, 0);
    DrawFrame32(&view, 256, 192);
    view.SetPen(PS_SOLID, 2, RGB(0x80, 0, 0xFF));
    view.Line(64, 96, 64, 32);
    view.SetGdiObject();

    // Character cells, a recoloured row and effect cells.
    for (int f = 0; f < 4; ++f) DrawCell48Table(&view, 280 + f * 48, 8, 21, f);
    MakeHsvRow48(&g_ImageTable[IMG_HSV48], 21, 180, 0, 0);
    DrawHsvCell48(&view, 280, 64, 0, 4);
    for (int f = 0; f < 5; ++f) DrawCell64Table(&view, 280 + f * 64, 120, 17, f * 3);
    MakeHsvRow64(&g_ImageTable[IMG_HSV64], 17, 120, 0, -40);
    for (int f = 0; f < 5; ++f) DrawHsvCell64(&view, 280 + f * 64, 190, f * 3);

    view.CreateFont("ＭＳ ゴシック", 0, 12);
    view.TextOut(8, 272, "描画サービス 確認\n二行目は20ピクセル下", RGB(255, 255, 0), TRANSPARENT);
    view.TextPrintf(8, 320, "map %d x %d  symbols %d", 8, 6,
                    (g_ImageTable[IMG_SYMBOL].m_nWidth / 16) * (g_ImageTable[IMG_SYMBOL].m_nHeight / 16));
    view.StretchBlt(8, 344, 128, 64, &g_ImageTable[IMG_SYMBOL], 0, 0, 128, 64, 0);
    view.Blt(160, 344, 64, 128, &g_ImageTable[IMG_WORLDEVENT], 0, 0, 0);
    view.StretchBlt(240, 272, 256, 192, &g_ImageTable[IMG_WORLDBACK], 0, 0, 1024, 768, 1);
    for (int i = 0; i < 6; ++i) view.Blt(256 + i * 32, 300, 32, 32, &g_ImageTable[IMG_WORLDMAPCHIP], i % 8 * 32, 0, 0);
    return SaveSurface(view, argv[2]) ? 0 : 1;
}
