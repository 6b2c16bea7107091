#include "media/image_table.h"

#include "media/hsv.h"

// {file, bpp, mask, -, -, width, height, optional}
// clang-format off
#define SHEET(name, mask, optional) {name, 24, mask, 0, 0, 0, 0, optional}
#define EMPTY(width, height) {"E", 24, 1, 0, 0, width, height, 0}
// clang-format on

cImageLoadParam g_ImageParam[IMAGE_TABLE_SIZE] = {
    SHEET("image\\MapChip.*", 0, 0),
    SHEET("image\\MapChara.*", 1, 0),
    SHEET("image\\Character1.*", 0, 0),
    SHEET("image\\Character2.*", 0, 1),
    SHEET("image\\Character3.*", 0, 1),
    SHEET("image\\Character4.*", 0, 1),
    SHEET("image\\Character5.*", 0, 1),
    SHEET("image\\Character6.*", 0, 1),
    SHEET("image\\Character7.*", 0, 1),
    SHEET("image\\Character8.*", 0, 1),
    SHEET("image\\Character1_color.*", 0, 1),
    SHEET("image\\Character2_color.*", 0, 1),
    SHEET("image\\Character3_color.*", 0, 1),
    SHEET("image\\Character4_color.*", 0, 1),
    SHEET("image\\Character5_color.*", 0, 1),
    SHEET("image\\Character6_color.*", 0, 1),
    SHEET("image\\Character7_color.*", 0, 1),
    SHEET("image\\Character8_color.*", 0, 1),
    SHEET("image\\Event.*", 1, 0),
    SHEET("image\\WorldBack.*", 0, 0),
    SHEET("image\\WorldMapChip.*", 0, 0),
    SHEET("image\\WorldEvent.*", 1, 0),
    SHEET("image\\Symbol.*", 1, 0),
    SHEET("image\\Effect1.*", 0, 0),
    SHEET("image\\Effect2.*", 0, 0),
    SHEET("image\\Effect3.*", 0, 0),
    SHEET("image\\Effect4.*", 0, 0),
    SHEET("image\\Effect5.*", 0, 0),
    SHEET("image\\Effect6.*", 0, 0),
    SHEET("image\\Effect7.*", 0, 0),
    SHEET("image\\Effect8.*", 0, 0),
    SHEET("image\\Accessory.*", 1, 0),
    EMPTY(768, 480),
    EMPTY(1024, 512),
    EMPTY(512, 512),
    EMPTY(2048, 512),
    EMPTY(960, 48),
    EMPTY(1024, 64),
};

#undef SHEET
#undef EMPTY

cDib g_ImageTable[IMAGE_TABLE_SIZE];
cDib& SymbolSheet = g_ImageTable[IMG_SYMBOL];

int SymbolCell(int n, int* sx, int* sy) {
    if (!SymbolSheet.IsCreated()) return 0;
    const int columns = SymbolSheet.m_nWidth / 16, rows = SymbolSheet.m_nHeight / 16;
    if (n < 0 || columns <= 0 || n / columns >= rows) return 0;
    *sx = n % columns * 16;
    *sy = n / columns * 16;
    return 1;
}

namespace {

// The sheet and source corner of cell (column, row) of `size` pixels of
// graphic N on sheets of `rows` rows; null when the cell lies outside it.
const cDib* CellSource(int firstEntry, int rows, int size, int graphic, int column, int* sx, int* sy) {
    if (graphic <= 0 || column < 0) return nullptr;
    const int sheet = graphic / rows;
    if (sheet >= SHEET_COUNT) return nullptr;
    const cDib* src = &g_ImageTable[firstEntry + sheet];
    *sx = column * size;
    *sy = (graphic % rows) * size;
    if (!src->IsCreated() || *sx + size > src->m_nWidth || *sy + size > src->m_nHeight) return nullptr;
    return src;
}

void DrawCell(cDib* dst, int x, int y, int firstEntry, int rows, int size, int graphic, int frame) {
    int sx = 0, sy = 0;
    const cDib* src = CellSource(firstEntry, rows, size, graphic, frame, &sx, &sy);
    if (dst && src) dst->Blt(x, y, size, size, src, sx, sy, 0);
}

// Shifts every non-transparent pixel of `lines` lines of `src` from line
// `srcY` into `work` from line 0.
void RecolourRows(cDib* work, const cDib& src, int srcY, int lines, int hue, int saturation, int value) {
    if (work->m_nBpp != 24 || src.m_nBpp != 24) return;
    GdiFlush();
    const int width = src.m_nWidth < work->m_nWidth ? src.m_nWidth : work->m_nWidth;
    for (int y = 0; y < lines && srcY + y < src.m_nHeight && y < work->m_nHeight; ++y) {
        const BYTE* s = src.Row(srcY + y);
        BYTE* d = work->Row(y);
        for (int x = 0; x < width; ++x, s += 3, d += 3) {
            if (IsTransparentPixel(s)) continue;
            short h, sat, val;
            RgbToHsv(s[2], s[1], s[0], &h, &sat, &val);
            int nh = (h + hue) % 360;
            if (nh < 0) nh += 360;
            int ns = sat + saturation, nv = val + value;
            ns = ns < 0 ? 0 : ns > 255 ? 255 : ns;
            nv = nv < 0 ? 0 : nv > 255 ? 255 : nv;
            BYTE r = s[2], g = s[1], b = s[0];
            HsvToRgb(static_cast<short>(nh), static_cast<short>(ns), static_cast<short>(nv), &r, &g, &b);
            d[0] = b, d[1] = g, d[2] = r;
        }
    }
}

}  // namespace

void DrawFrame32(cDib* dst, int width, int height) {
    if (dst) dst->Grid(0, 0, width, height, 32, 32, 0xFFFFFF);
}

void DrawCell48Table(cDib* dst, int x, int y, int graphic, int frame) {
    DrawCell(dst, x, y, IMG_CHARACTER1, CHARA_SHEET_ROWS, 48, graphic, frame);
}

void DrawCell64Table(cDib* dst, int x, int y, int graphic, int frame) {
    DrawCell(dst, x, y, IMG_EFFECT1, EFFECT_SHEET_ROWS, 64, graphic, frame);
}

void DrawEventCell32(cDib* dst, int x, int y, int graphic, int half) {
    const cDib& sheet = g_ImageTable[IMG_EVENT];
    if (!dst || graphic <= 0 || !sheet.IsCreated()) return;
    const int sx = graphic / EVENT_CELLS_PER_COLUMN * 64;
    const int sy = graphic % EVENT_CELLS_PER_COLUMN * 32;
    if (sx + 32 > sheet.m_nWidth || sy + 32 > sheet.m_nHeight) return;
    if (half)
        dst->StretchBlt(x, y, 16, 16, &sheet, sx, sy, 32, 32, 1);
    else
        dst->Blt(x, y, 32, 32, &sheet, sx, sy, 0);
}

void MakeHsvRow48(cDib* work, int graphic, int hue, int saturation, int value) {
    if (!work || graphic <= 0) return;
    // A graphic whose sheet is missing (or beyond the last) leaves an empty
    // row, not the graphic shown before.
    work->Fill(TransparentColorRef());
    const int k = graphic / CHARA_SHEET_ROWS;
    if (k >= SHEET_COUNT) return;
    const cDib& sheet = g_ImageTable[IMG_CHARACTER1 + k];
    if (!sheet.IsCreated()) return;
    const int srcY = graphic % CHARA_SHEET_ROWS * 48;
    work->Blt(0, 0, sheet.m_nWidth, 48, &sheet, 0, srcY, 0);
    // The colour layer, where there is one, says which pixels take the shift.
    const cDib& layer = g_ImageTable[IMG_CHARACTER_COLOR1 + k];
    RecolourRows(work, layer.IsCreated() ? layer : sheet, srcY, 48, hue, saturation, value);
}

void MakeHsvRow64(cDib* work, int graphic, int hue, int saturation, int value) {
    if (!work || graphic <= 0) return;
    work->Fill(TransparentColorRef());
    const int k = graphic / EFFECT_SHEET_ROWS;
    if (k >= SHEET_COUNT) return;
    const cDib& sheet = g_ImageTable[IMG_EFFECT1 + k];
    if (!sheet.IsCreated()) return;
    RecolourRows(work, sheet, graphic % EFFECT_SHEET_ROWS * 64, 64, hue, saturation, value);
}

void DrawHsvCell48(cDib* dst, int x, int y, int first, int count) {
    const cDib& work = g_ImageTable[IMG_HSV48];
    if (!dst || first < 0 || count <= 0 || first * 48 >= work.m_nWidth) return;
    if (count > work.m_nWidth / 48) count = work.m_nWidth / 48;
    dst->Blt(x, y, count * 48, 48, &work, first * 48, 0, 0);
}

void DrawHsvCell64(cDib* dst, int x, int y, int frame) {
    const cDib& work = g_ImageTable[IMG_HSV64];
    if (!dst || frame < 0 || (frame + 1) * 64 > work.m_nWidth) return;
    dst->Blt(x, y, 64, 64, &work, frame * 64, 0, 0);
}
