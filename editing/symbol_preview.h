// The preview of a symbol chooser: the pages and dialogs that pick a symbol
// of the symbol sheet by its number (categories, slots, skills, enemies,
// lands, help texts) show the chosen one doubled in size.
#pragma once

#include "ui/ctrl_picture.h"

// Draws symbol `n` of the symbol sheet over the whole of `picture` on black
// (black alone for no symbol, n < 0, or a cell the sheet lacks) and shows it;
// nothing before the picture is attached.
void DrawSymbolPreview(CTRL_PICTURE_CLASS* picture, int n);
