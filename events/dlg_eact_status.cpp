#include "events/dlg_eact_status.h"

#include "base/report.h"
#include "events/event_words.h"
#include "resources/event_actions_ids.h"

unsigned short DLG_EACT_STATUS::s_wLastTargetStatus = DLG_EACT_STATUS::NO_STATUS;

namespace {

const unsigned short kValueEdits[] = {IDC_ST_CONST, IDC_ST_RANDOM_LOW, IDC_ST_RANDOM_HIGH};

}  // namespace

DLG_EACT_STATUS::DLG_EACT_STATUS(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                 const CTRL_CLASS* placeRef)
    : DLG_EACT_BASE(context, parent, wndList, placeRef) {
    SetInstance(this);
}

int DLG_EACT_STATUS::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam);
    const int result = DLG_EACT_BASE::OnCommand(wParam, lParam);
    if (result && (id == IDC_ST_TARGET_STATUS || id == IDC_ST_VALUE_STATUS) && HIWORD(wParam) == CBN_SELCHANGE)
        OnStatusChange(id);
    return result;
}

void DLG_EACT_STATUS::UpdateControls() {
    // The first run, while the dialog opens, takes the ranges of the statuses shown.
    if (!m_bCreated) {
        OnStatusChange(IDC_ST_TARGET_STATUS);
        OnStatusChange(IDC_ST_VALUE_STATUS);
    }
    ShowWindow(GetDlgItem(m_hWnd, IDC_ST_START_NOTE), m_bStartEvent ? SW_SHOW : SW_HIDE);
    DLG_EACT_BASE::UpdateControls();
}

void DLG_EACT_STATUS::OnStatusChange(unsigned short id) {
    int kind = -1, status = -1, valueKind = -1;
    // Only the target's status sets ranges; the value's has none to set.
    if (id != IDC_ST_TARGET_STATUS || !ShownValue(IDC_ST_TARGET, &kind) || kind != 0) return;
    if (!ShownValue(id, &status)) status = -1;
    ShownValue(IDC_ST_VALUE, &valueKind);
    if (status >= 0 && status < STATUS_ITEM_COUNT) {
        const cStatusOpInfo& item = g_StatusItem[status];
        for (unsigned short edit : kValueEdits) {
            const bool constant = edit == IDC_ST_CONST;
            if ((constant && valueKind == 0) || (!constant && valueKind == 1))
                if (CTRL_EDITVAL_CLASS<int>* e = NumberEdit(edit)) e->SetRange(item.nMin, item.nMax);
        }
    }
    // Another status than before: what the edits show goes into the new range.
    const unsigned short seen = static_cast<unsigned short>(status);
    if (m_bCreated && s_wLastTargetStatus != NO_STATUS && s_wLastTargetStatus != seen)
        for (unsigned short edit : kValueEdits)
            if (CTRL_EDITVAL_CLASS<int>* e = NumberEdit(edit)) e->ShowValue(e->ParseText());
    s_wLastTargetStatus = seen;
}

int DLG_EACT_STATUS::CanStore() {
    if (!m_bStartEvent) return 1;
    const char* refusal =
        StatusStartEventRefusal([this](unsigned short id, int* value) { return ShownValue(id, value); });
    if (!refusal) return 1;
    ErrorBoxPrintf("%s", refusal);
    return 0;
}
