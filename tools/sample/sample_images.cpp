// The sample project's pictures: every sheet of the image table and the
// editor's tool-bar bitmaps. Simple but readable: numbered cells, distinct
// colours, and black (the default transparent colour) behind every graphic
// that is drawn through a mask or recoloured.
#include "tools/sample/sample_images.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "media/hsv.h"
#include "tools/imagefile/image_file.h"

namespace {

const uint32_t kKey = 0x000000;  // transparent colour
const uint32_t kInk = 0x202020;  // outlines: dark, but never the key
const uint32_t kWhite = 0xFFFFFF;
const uint32_t kButtonFace = 0xC0C0C0;

uint32_t Hsv(int hue, int saturation, int value) {
    unsigned char r = 0, g = 0, b = 0;
    HsvToRgb(static_cast<short>(((hue % 360) + 360) % 360), static_cast<short>(saturation), static_cast<short>(value),
             &r, &g, &b);
    return (r << 16) | (g << 8) | b;
}

struct cWriter {
    std::string root;
    int failures = 0;

    void Png(const char* name, const cPicture& picture) {
        if (!WritePicturePng((root + "\\" + name).c_str(), picture)) Fail(name);
    }
    void Bmp(const char* name, const cPicture& picture) {
        if (!WritePictureBmp((root + "\\" + name).c_str(), picture)) Fail(name);
    }
    void Fail(const char* name) {
        std::fprintf(stderr, "MakeSample: cannot write %s\\%s\n", root.c_str(), name);
        ++failures;
    }
};

// Map chips: 8 per row, 32 rows; hue by row, brightness by column.
cPicture MapChips() {
    cPicture p(256, 1024);
    for (int g = 0; g < 256; ++g) {
        const int x = g % 8 * 32, y = g / 8 * 32;
        p.FillRect(x, y, 32, 32, Hsv(g / 8 * 37, 150, 255 - g % 8 * 18));
        p.Frame(x, y, 32, 32, Hsv(g / 8 * 37, 200, 120));
        p.Number(x + 3, y + 3, g, 2, kInk);
    }
    return p;
}

// A small figure for character cells: head, body and a bob by frame.
void Figure(cPicture& p, int x, int y, int size, uint32_t body, uint32_t head, int frame) {
    const int bob = (frame % 4 == 1) ? -size / 16 : (frame % 4 == 3) ? size / 16 : 0;
    const int cx = x + size / 2;
    p.Disc(cx, y + size * 3 / 10 + bob, size / 6, head);
    p.FillRect(cx - size / 5, y + size * 9 / 20 + bob, size * 2 / 5, size * 2 / 5, body);
    p.Frame(cx - size / 5, y + size * 9 / 20 + bob, size * 2 / 5, size * 2 / 5, kInk);
}

// Characters on the map: columns of 64 pixels with 20 cells of 32; the
// editor draws the right half of each column.
cPicture MapChara() {
    cPicture p(512, 640, kKey);
    for (int g = 1; g < 160; ++g) {
        const int x = g / 20 * 64, y = g % 20 * 32;
        for (int half = 0; half < 2; ++half) {
            Figure(p, x + half * 32, y, 32, Hsv(g * 23, 200, 230), 0xF0C8A0, half);
            p.Number(x + half * 32 + 1, y + 1, g, 1, kWhite);
        }
    }
    return p;
}

// Character sheet `sheet` (1-8): 20 rows of graphics, 20 frames of 48 pixels.
// The colour layer marks the body only, so that recolouring leaves the head.
cPicture Character(int sheet, bool layer) {
    cPicture p(960, 960, kKey);
    for (int row = 0; row < 20; ++row) {
        const int g = (sheet - 1) * 20 + row;
        if (g == 0) continue;  // graphic 0 means none
        for (int f = 0; f < 20; ++f) {
            const int x = f * 48, y = row * 48;
            const uint32_t body = Hsv(g * 23, 200, 230);
            if (layer) {
                Figure(p, x, y, 48, body, kKey, f);
                continue;
            }
            Figure(p, x, y, 48, body, 0xF0C8A0, f);
            p.Number(x + 2, y + 2, g, 1, kWhite);
            p.Number(x + 34, y + 40, f, 1, 0xA0A0A0);
        }
    }
    return p;
}

// Effect sheet `sheet` (1-8): 16 rows of graphics, 16 frames of 64 pixels:
// a ring that grows frame by frame.
cPicture Effect(int sheet) {
    cPicture p(1024, 1024, kKey);
    for (int row = 0; row < 16; ++row) {
        const int g = (sheet - 1) * 16 + row;
        if (g == 0) continue;
        for (int f = 0; f < 16; ++f) {
            const int x = f * 64, y = row * 64, radius = 4 + f * 27 / 15;
            const uint32_t color = Hsv(g * 29, 220, 255);
            p.Disc(x + 32, y + 32, radius, color);
            if (radius > 6) p.Disc(x + 32, y + 32, radius - 4, Hsv(g * 29, 90, 255));
            p.Number(x + 2, y + 2, g, 1, kWhite);
            p.Number(x + 50, y + 56, f, 1, 0x808080);
        }
    }
    return p;
}

// Event graphics: 16 columns of 64 pixels holding 32 cells of 32 (left half).
cPicture Events() {
    cPicture p(1024, 1024, kKey);
    for (int n = 1; n < 512; ++n) {
        const int x = n / 32 * 64, y = n % 32 * 32;
        for (int half = 0; half < 2; ++half) {
            const int cx = x + half * 32;
            p.FillRect(cx + 4, y + 8, 24, 20, Hsv(n * 41, 180, 220 - half * 40));
            p.Frame(cx + 4, y + 8, 24, 20, kInk);
            p.Number(cx + 6, y + 12, n, 1, kWhite);
        }
    }
    return p;
}

// World map background: sea with a few islands.
cPicture WorldBack() {
    cPicture p(1024, 1024);
    for (int y = 0; y < 1024; ++y) p.FillRect(0, y, 1024, 1, Hsv(205, 180, 120 + y / 16));
    static const int kIslands[][3] = {{200, 220, 110}, {620, 300, 150}, {400, 700, 130}, {820, 760, 90}};
    for (const auto& island : kIslands) {
        p.Disc(island[0], island[1], island[2], 0xD8C890);
        p.Disc(island[0], island[1], island[2] - 12, 0x60A048);
    }
    return p;
}

cPicture WorldChips() {
    cPicture p(256, 256);
    for (int g = 0; g < 64; ++g) {
        const int x = g % 8 * 32, y = g / 8 * 32;
        p.FillRect(x, y, 32, 32, Hsv(g * 47, 120, 230));
        p.Frame(x, y, 32, 32, kInk);
        p.Number(x + 3, y + 3, g, 2, kInk);
    }
    return p;
}

// World events: one graphic per row; column 0 not yet cleared, column 1 cleared.
cPicture WorldEvents() {
    cPicture p(64, 512, kKey);
    for (int g = 0; g < 16; ++g) {
        const int y = g * 32;
        for (int cleared = 0; cleared < 2; ++cleared) {
            const int x = cleared * 32;
            p.FillRect(x + 8, y + 4, 2, 26, kInk + 0x404040);
            p.FillRect(x + 10, y + 4, 16, 11, cleared ? 0x909090 : Hsv(g * 41, 220, 240));
            p.Frame(x + 10, y + 4, 16, 11, kInk);
            p.Number(x + 12, y + 19, g, 1, kWhite);
        }
    }
    return p;
}

// Symbols: 16 x 16 cells, 16 per row, 8 rows; a light tile with its number.
cPicture Symbols() {
    cPicture p(256, 128, kKey);
    for (int s = 0; s < 128; ++s) {
        const int x = s % 16 * 16, y = s / 16 * 16;
        p.FillRect(x + 1, y + 1, 14, 14, Hsv(s * 53, 110, 255));
        const int digits = s < 10 ? 1 : s < 100 ? 2 : 3;
        p.Number(x + 8 - (digits * 4 - 1) / 2, y + 5, s, 1, kInk);
    }
    return p;
}

// Markers in 32-pixel cells; the position marker is the cell at (0, 64).
cPicture Accessories() {
    cPicture p(128, 128, kKey);
    for (int c = 0; c < 16; ++c) {
        const int x = c % 4 * 32, y = c / 4 * 32;
        const uint32_t color = Hsv(c * 67, 220, 255);
        p.Frame(x + 2, y + 2, 28, 28, color);
        p.Frame(x + 3, y + 3, 26, 26, color);
        p.Number(x + 10, y + 11, c, 2, color);
    }
    return p;
}

cPicture Face(int n) {
    cPicture p(96, 96, Hsv(n * 90 + 30, 60, 240));
    p.Disc(48, 40, 34, Hsv(n * 90, 160, 150));  // hair
    p.Disc(48, 52, 30, 0xF0C8A0);
    p.FillRect(36, 46, 6, 6, kInk);
    p.FillRect(54, 46, 6, 6, kInk);
    p.FillRect(40, 66, 16, 3, 0xB04040);
    p.Number(4, 4, n, 2, kInk);
    return p;
}

cPicture Back(int n) {
    cPicture p(640, 480);
    for (int y = 0; y < 480; ++y) p.FillRect(0, y, 640, 1, Hsv(n * 120 + 200, 120, 255 - y / 4));
    p.Number(16, 16, n, 6, kWhite);
    return p;
}

// Tool-bar images: 16 x 15 each, side by side, on the button face colour.
cPicture ToolBar(int count) { return cPicture(count * 16, 15, kButtonFace); }

void PenIcons(cPicture& p) {
    for (int i = 0; i < 10; ++i) p.FillRect(3 + i, 12 - i, 2, 2, 0x2050C0);  // pen
    for (int i = 0; i < 12; ++i) p.Set(16 + 2 + i, 12 - i, kInk);            // line
    p.Frame(32 + 2, 2, 12, 11, kInk);                                        // rectangle
    p.FillRect(48 + 2, 2, 12, 11, 0x3090E0);                                 // fill
    p.Frame(48 + 2, 2, 12, 11, kInk);
}

void PaletteIcons(cPicture& p, bool withEnemies) {
    for (int i = 0; i < 4; ++i) p.FillRect(2 + i % 2 * 6, 2 + i / 2 * 6, 5, 5, Hsv(i * 90, 160, 220));
    int x = 16;
    if (withEnemies) {
        p.Disc(x + 8, 4, 3, 0xF0C8A0);
        p.FillRect(x + 4, 8, 8, 6, 0xC03030);
        x += 16;
    }
    p.FillRect(x + 7, 1, 3, 9, 0xE0A000);  // "!" of an event
    p.FillRect(x + 7, 12, 3, 2, 0xE0A000);
}

cPicture TestPlay() {
    cPicture p = ToolBar(1);
    for (int i = 0; i < 6; ++i) p.FillRect(4 + i, 2 + i, 1, 11 - 2 * i, 0x20A020);
    return p;
}

}  // namespace

int WriteSampleImages(const std::string& root) {
    for (const char* folder : {"\\image", "\\image\\back", "\\image\\picture", "\\e_image"}) {
        const std::string path = root + folder;
        if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return 0;
    }
    cWriter out{root};
    char name[64];
    out.Png("image\\MapChip.png", MapChips());
    out.Png("image\\MapChara.png", MapChara());
    for (int k = 1; k <= 8; ++k) {
        std::snprintf(name, sizeof(name), "image\\Character%d.png", k);
        out.Png(name, Character(k, false));
        std::snprintf(name, sizeof(name), "image\\Effect%d.png", k);
        out.Png(name, Effect(k));
    }
    out.Png("image\\Character1_color.png", Character(1, true));
    out.Png("image\\Character2_color.png", Character(2, true));
    out.Png("image\\Event.png", Events());
    out.Png("image\\WorldBack.png", WorldBack());
    out.Png("image\\WorldMapChip.png", WorldChips());
    out.Png("image\\WorldEvent.png", WorldEvents());
    out.Png("image\\Symbol.png", Symbols());
    out.Png("image\\Accessory.png", Accessories());
    for (int n = 1; n <= 4; ++n) {
        std::snprintf(name, sizeof(name), "image\\picture\\Face%02d.png", n);
        out.Png(name, Face(n));
    }
    for (int n = 1; n <= 2; ++n) {
        std::snprintf(name, sizeof(name), "image\\back\\Back%02d.png", n);
        out.Png(name, Back(n));
    }

    cPicture pen = ToolBar(4);
    PenIcons(pen);
    out.Bmp("e_image\\ToolBar_Pen.bmp", pen);
    cPicture palette = ToolBar(3);
    PaletteIcons(palette, true);
    out.Bmp("e_image\\ToolBar_Palette.bmp", palette);
    cPicture world = ToolBar(2);
    PaletteIcons(world, false);
    out.Bmp("e_image\\ToolBar_WorldPalette.bmp", world);
    out.Bmp("e_image\\ToolBar_TestPlay.bmp", TestPlay());
    return out.failures == 0;
}
