// The project's image sheets as surfaces, and the drawing of one cell of them.
#pragma once

#include "media/dib.h"

// Entries of the image table; the sheets of one kind follow each other.
enum {
    IMG_MAPCHIP = 0,            // map chips, 32-pixel cells, 8 per row
    IMG_MAPCHARA = 1,           // characters on the map (masked)
    IMG_CHARACTER1 = 2,         // character sheets 1-8: 48-pixel cells, 20 rows
    IMG_CHARACTER_COLOR1 = 10,  // colour layers of the character sheets
    IMG_EVENT = 18,             // event graphics (masked)
    IMG_WORLDBACK = 19,         // world-map background
    IMG_WORLDMAPCHIP = 20,      // world-map chips, 32-pixel cells, 8 per row
    IMG_WORLDEVENT = 21,        // world-event graphics (masked)
    IMG_SYMBOL = 22,            // 16-pixel symbols (masked)
    IMG_EFFECT1 = 23,           // effect sheets 1-8: 64-pixel cells, 16 rows
    IMG_ACCESSORY = 31,         // markers (masked)
    IMG_PICK_CHARA = 32,        // picker sheets, built at project opening
    IMG_PICK_EFFECT = 33,
    IMG_PICK_CHIP = 34,
    IMG_PICK_EVENT = 35,
    IMG_HSV48 = 36,  // recoloured character row (MakeHsvRow48)
    IMG_HSV64 = 37,  // recoloured effect row (MakeHsvRow64)
    IMAGE_TABLE_SIZE = 38,
};

enum {
    CHARA_SHEET_ROWS = 20,
    EFFECT_SHEET_ROWS = 16,
    SHEET_COUNT = 8,
    EVENT_CELLS_PER_COLUMN = 32,
};

// How each entry is loaded (entry 19's name is replaced at project opening).
extern cImageLoadParam g_ImageParam[IMAGE_TABLE_SIZE];
extern cDib g_ImageTable[IMAGE_TABLE_SIZE];

// The 16 x 16 symbols of "image\Symbol.*" (entry 22), numbered row by row
// from the top left.
extern cDib& SymbolSheet;
// The source corner of symbol n: column n mod (width / 16), row n / (width / 16);
// 0 when the sheet holds no such cell (a sheet narrower than one symbol holds none).
int SymbolCell(int n, int* sx, int* sy);

// The cell grid of map views: white lines every 32 pixels over (0, 0, w, h).
void DrawFrame32(cDib* dst, int width, int height);
// Cell `frame` of character graphic N (48 pixels) / effect graphic N (64
// pixels) at (x, y); nothing for N = 0 or a cell outside its sheet.
void DrawCell48Table(cDib* dst, int x, int y, int graphic, int frame);
void DrawCell64Table(cDib* dst, int x, int y, int graphic, int frame);
// Event graphic N through its mask, or shrunk to 16 x 16 (opaque) with `half`.
void DrawEventCell32(cDib* dst, int x, int y, int graphic, int half);

// Recoloured rows: graphic N's row shifted by hue (degrees), saturation and
// value (steps of 0-255) into the work surface (entries 36 and 37).
void MakeHsvRow48(cDib* work, int graphic, int hue, int saturation, int value);
void MakeHsvRow64(cDib* work, int graphic, int hue, int saturation, int value);
// `count` cells of entry 36 from cell `first`, and cell `frame` of entry 37.
void DrawHsvCell48(cDib* dst, int x, int y, int first, int count);
void DrawHsvCell64(cDib* dst, int x, int y, int frame);
