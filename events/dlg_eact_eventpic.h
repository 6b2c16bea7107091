// The event graphic action: the number of a cell of the event sheet, typed
// or picked from the sheet ("一覧"), with a preview of that cell.
#pragma once

#include "events/dlg_eact_base.h"

class DLG_EACT_CHANGEEVENTPIC : public DLG_EACT_BASE {
public:
    DLG_EACT_CHANGEEVENTPIC(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                            const CTRL_CLASS* placeRef);
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
};

// Paints `picture` black with the event cell whose number stands, as typed
// so far, in edit `editId` of `dlg`; 0, no number or a missing sheet leaves
// it black.
void DrawEventGraphicPreview(CTRL_PICTURE_CLASS* picture, HWND dlg, int editId);
