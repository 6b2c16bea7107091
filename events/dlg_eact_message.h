// The message action: the frame with the message's controls, a preview of
// the chosen "#P" symbol and the list of common variables to look up and
// rename (neither is stored in the action).
#pragma once

#include "events/dlg_eact_base.h"

class DLG_EACT_MESSAGE : public DLG_EACT_BASE {
public:
    DLG_EACT_MESSAGE(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                     const CTRL_CLASS* placeRef);
    ~DLG_EACT_MESSAGE() override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
};

// Asks for a new name of common variable `variable` ("変数名の入力", 12
// bytes) over `placeRef`; 1 when it was renamed. Variable 0 (none chosen)
// beeps and asks nothing. The name changes at once, whatever happens to the
// dialog that asked.
int RenameCommonVariable(DLG_CLASS* dlg, int variable, const CTRL_CLASS* placeRef);
// Draws symbol `n` of the symbol sheet, doubled, at the top left of a black
// `dib`; a missing or narrow sheet leaves it black.
void DrawSymbolPreview(cDib* dib, int n);
