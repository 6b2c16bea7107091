#include "events/dlg_eact_eventpic.h"

#include "media/image_table.h"
#include "resources/event_actions_ids.h"
#include "ui/dlg_selectgraphic.h"

namespace {

enum { EVENT_CELL_LAST = 511 };

// The number typed in the edit as the picker takes it; -1 when it is none
// or outside the sheet.
int TypedCell(HWND dlg, int editId) {
    BOOL ok = FALSE;
    const int cell = static_cast<int>(GetDlgItemInt(dlg, editId, &ok, FALSE));
    return ok && cell >= 0 && cell <= EVENT_CELL_LAST ? cell : -1;
}

}  // namespace

void DrawEventGraphicPreview(CTRL_PICTURE_CLASS* picture, HWND dlg, int editId) {
    if (!picture || !picture->m_hWnd || !picture->Surface()) return;
    picture->Surface()->Fill(RGB(0, 0, 0));
    // The edit keeps what it shows within 0 to 511 as it is typed; the
    // drawer has no cell for 0 or without a sheet.
    BOOL ok = FALSE;
    const int cell = static_cast<int>(GetDlgItemInt(dlg, editId, &ok, TRUE));
    if (ok) DrawEventCell32(picture->Surface(), 0, 0, cell, 0);
    picture->Present();
}

DLG_EACT_CHANGEEVENTPIC::DLG_EACT_CHANGEEVENTPIC(const EACT_CONTEXT& context, WND_CLASS* parent,
                                                 WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef)
    : DLG_EACT_BASE(context, parent, wndList, placeRef) {
    SetInstance(this);
}

// "一覧": the clicked cell goes into the edit; the action takes it only on OK.
int DLG_EACT_CHANGEEVENTPIC::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != IDC_EVPIC_PICK) return DLG_EACT_BASE::OnCommand(wParam, lParam);
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    CTRL_EDITVAL_CLASS<int>* edit = NumberEdit(IDC_EVPIC_GRAPHIC);
    int cell = TypedCell(m_hWnd, IDC_EVPIC_GRAPHIC);
    if (cell < 0) cell = 0;
    if (edit && SelectEventGraphic(&cell, this, FindCtrl(m_Buttons, IDC_EVPIC_PICK))) edit->ShowValue(cell);
    return 1;
}

void DLG_EACT_CHANGEEVENTPIC::OnPaint() {
    if (m_bCreated) DrawEventGraphicPreview(Picture(IDC_EVPIC_PREVIEW), m_hWnd, IDC_EVPIC_GRAPHIC);
}
