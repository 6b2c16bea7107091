#include "events/dlg_eact_message.h"

#include "base/paths.h"
#include "base/report.h"
#include "editing/symbol_preview.h"
#include "events/name_lists.h"
#include "model/gvalinfo.h"
#include "resources/events_ids.h"

DLG_EACT_MESSAGE::DLG_EACT_MESSAGE(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                   const CTRL_CLASS* placeRef)
    : DLG_EACT_BASE(context, parent, wndList, placeRef) {
    SetInstance(this);
}

void DLG_EACT_MESSAGE::OnRenamed() {
    ReportSave(SaveGValInfoFile(g_GValInfo, g_PathTable.GValInfo), g_PathTable.GValInfo);
}

void DLG_EACT_MESSAGE::OnPaint() {
    CTRL_COMBO_CLASS<int>* combo = Combo(IDC_MSG_SYMBOL);
    DrawSymbolPreview(Picture(IDC_MSG_SYMBOL_PREVIEW), combo && combo->m_hWnd ? combo->GetValue() : -1);
}
