// DrawBench: paints a full 64 x 64 map of 32-pixel cells with masked copies
// into one surface, again and again, and prints frames per second and the
// copy rate beside a plain memcpy of the same bytes. The exit code is 1 when
// a surface cannot be made or a frame or the copy did not come out as drawn.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "media/dib.h"

namespace {

const int kCells = 64, kCell = 32, kMap = kCells * kCell;

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / frequency.QuadPart;
}

// A masked sheet of 8 x 32 cells: each cell a coloured square on the key colour.
bool MakeSheet(cDib* sheet) {
    if (!sheet->Create(256, 1024, 24, 1)) return false;
    for (int y = 0; y < 1024; ++y) {
        BYTE* p = sheet->Row(y);
        BYTE* m = sheet->MaskRow(y);
        for (int x = 0; x < 256; ++x, p += 3, m += 3) {
            const bool inside = x % 32 >= 4 && x % 32 < 28 && y % 32 >= 4 && y % 32 < 28;
            p[0] = inside ? static_cast<BYTE>(x) : 0;
            p[1] = inside ? static_cast<BYTE>(y) : 0;
            p[2] = inside ? 200 : 0;
            m[0] = m[1] = m[2] = inside ? 0 : 255;
        }
    }
    return true;
}

// One map frame; `gdi` copies through the device contexts instead of the bits.
void PaintMap(cDib* map, const cDib* sheet, int frame, bool gdi) {
    for (int cy = 0; cy < kCells; ++cy)
        for (int cx = 0; cx < kCells; ++cx) {
            const int chip = (cx + cy * 7 + frame) & 255;
            const int sx = chip % 8 * kCell, sy = chip / 8 * kCell;
            if (gdi)
                cDib::Blt(map->m_hDC, cx * kCell, cy * kCell, kCell, kCell, sheet, sx, sy, 0);
            else
                map->Blt(cx * kCell, cy * kCell, kCell, kCell, sheet, sx, sy, 0);
        }
    if (gdi) GdiFlush();
}

// The last frame stands in the map, painted over black: a cell's inside holds
// its sheet colour (red 200), its border the black the mask let through.
bool Painted(const cDib& map) {
    const BYTE* inside = map.Row(kCell + 16) + (kCell + 16) * 3;
    const BYTE* border = map.Row(kCell) + kCell * 3;
    return inside[2] == 200 && border[2] == 0;
}

double MeasureFrames(cDib* map, const cDib* sheet, bool gdi, double seconds, int* frames) {
    const double start = Now();
    int n = 0;
    do PaintMap(map, sheet, n++, gdi);
    while (Now() - start < seconds);
    *frames = n;
    return n / (Now() - start);
}

}  // namespace

int main() {
    cDib map, sheet;
    if (!map.Create(kMap, kMap, 24, 0) || !MakeSheet(&sheet)) {
        std::fprintf(stderr, "DrawBench: cannot create the surfaces\n");
        return 1;
    }
    const double frameBytes = static_cast<double>(kCells) * kCells * kCell * kCell * 3;
    const double mb = 1024.0 * 1024.0;
    std::printf("map %d x %d cells of %d pixels, %.1f MB of cell pixels per frame\n", kCells, kCells, kCell,
                frameBytes / mb);

    int frames = 0;
    map.Fill(0);
    double fps = MeasureFrames(&map, &sheet, false, 2.0, &frames);
    bool painted = Painted(map);
    std::printf("masked copies (surface bits): %8.1f frames/s  %8.1f MB/s  (%d frames)\n", fps, fps * frameBytes / mb,
                frames);
    map.Fill(0);
    fps = MeasureFrames(&map, &sheet, true, 2.0, &frames);
    painted &= Painted(map);
    std::printf("masked copies (GDI passes):   %8.1f frames/s  %8.1f MB/s  (%d frames)\n", fps, fps * frameBytes / mb,
                frames);

    // Each copy follows a change of the source, so that none can be left out.
    std::vector<char> from(static_cast<size_t>(frameBytes), 1), to(from.size());
    const double start = Now();
    int copies = 0;
    do {
        from[copies % from.size()] = static_cast<char>(copies);
        std::memcpy(to.data(), from.data(), from.size());
        ++copies;
    } while (Now() - start < 2.0);
    const double rate = copies / (Now() - start);
    std::printf("memcpy of the same bytes:     %8.1f copies/s  %8.1f MB/s\n", rate, rate * frameBytes / mb);
    const bool copied = to == from;
    if (!painted) std::printf("DrawBench: the map was not painted as drawn\n");
    if (!copied) std::printf("DrawBench: the copy differs from its source\n");
    return painted && copied ? 0 : 1;
}
