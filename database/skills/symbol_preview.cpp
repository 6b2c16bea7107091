#include "database/skills/symbol_preview.h"

#include "media/image_table.h"

void DrawSymbolPreview(CTRL_PICTURE_CLASS& picture, int symbol) {
    cDib* surface = picture.Surface();
    if (!surface) return;
    surface->Fill(RGB(0, 0, 0));
    int sx, sy;
    if (SymbolCell(symbol, &sx, &sy))
        surface->StretchBlt(0, 0, surface->m_nWidth, surface->m_nHeight, &SymbolSheet, sx, sy, 16, 16, 0);
    picture.Present();
}
