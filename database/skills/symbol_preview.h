// The symbol previews of the skill pages and their dialogs.
#pragma once

#include "ui/ctrl_picture.h"

// Draws symbol `symbol` of the symbol sheet over the whole of `picture`
// (black where the sheet has no such symbol) and shows it.
void DrawSymbolPreview(CTRL_PICTURE_CLASS& picture, int symbol);
