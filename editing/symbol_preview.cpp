#include "editing/symbol_preview.h"

#include "media/image_table.h"

void DrawSymbolPreview(CTRL_PICTURE_CLASS* picture, int n) {
    if (!picture || !picture->m_hWndDC || !picture->Surface()) return;
    cDib* surface = picture->Surface();
    surface->Fill(RGB(0, 0, 0));
    int sx = 0, sy = 0;
    if (SymbolCell(n, &sx, &sy))
        surface->StretchBlt(0, 0, surface->m_nWidth, surface->m_nHeight, &SymbolSheet, sx, sy, 16, 16, 0);
    picture->Present();
}
