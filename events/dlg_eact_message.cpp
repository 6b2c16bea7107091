#include "events/dlg_eact_message.h"

#include "base/paths.h"
#include "base/report.h"
#include "events/name_lists.h"
#include "media/image_table.h"
#include "model/gvalinfo.h"
#include "resources/events_ids.h"

void DrawSymbolPreview(cDib* dib, int n) {
    if (!dib) return;
    dib->Fill(RGB(0, 0, 0));
    int sx = 0, sy = 0;
    if (!SymbolSheet.m_hDC || !SymbolCell(n, &sx, &sy)) return;
    dib->StretchBlt(0, 0, 32, 32, &SymbolSheet, sx, sy, 16, 16, 0);
}

DLG_EACT_MESSAGE::DLG_EACT_MESSAGE(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                   const CTRL_CLASS* placeRef)
    : DLG_EACT_BASE(context, parent, wndList, placeRef) {
    SetInstance(this);
}

DLG_EACT_MESSAGE::~DLG_EACT_MESSAGE() {
    if (DLG_STATIC<DLG_EACT_MESSAGE>::s_pInstance == this) DLG_STATIC<DLG_EACT_MESSAGE>::s_pInstance = nullptr;
}

void DLG_EACT_MESSAGE::OnRenamed() {
    ReportSave(SaveGValInfoFile(g_GValInfo, g_PathTable.GValInfo), g_PathTable.GValInfo);
}

void DLG_EACT_MESSAGE::OnPaint() {
    CTRL_PICTURE_CLASS* picture = Picture(IDC_MSG_SYMBOL_PREVIEW);
    if (!picture || !picture->m_hWnd || !picture->Surface()) return;
    CTRL_COMBO_CLASS<int>* combo = Combo(IDC_MSG_SYMBOL);
    DrawSymbolPreview(picture->Surface(), combo && combo->m_hWnd ? combo->GetValue() : -1);
    picture->Present();
}
