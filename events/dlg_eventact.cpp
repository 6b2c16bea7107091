#include "events/dlg_eventact.h"

#include <new>

#include "resources/events_ids.h"

DLG_EVENTACT::DLG_EVENTACT(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                           const CTRL_CLASS* placeRef)
    : DLG_RECORD_CLASS(IDD_EVENTACT, parent, WND_MODE_DIALOG, wndList, placeRef, 1),
      m_Context(context),
      m_pPlaceRef(placeRef) {
    SetInstance(this);
    for (int kind = 0; kind < EACT_KIND_COUNT; ++kind)
        if (EactForm(kind).button) m_Buttons.push_back(CTRL_BUTTON_CLASS({EactForm(kind).button}));
}

int DLG_EVENTACT::Offers(int kind, int startEvent) {
    if (!EactForm(kind).button) return 0;
    return !startEvent || EventActKind(kind).bStartEvent;
}

void DLG_EVENTACT::AttachCtrls() { ShowWindow(GetDlgItem(m_hWnd, IDC_EVENTS_PICTURE), SW_HIDE); }

void DLG_EVENTACT::OnCtrlsShown() {
    for (int kind = 0; kind < EACT_KIND_COUNT; ++kind) {
        const WORD id = EactForm(kind).button;
        if (!id) continue;
        CTRL_BUTTON_CLASS* button = FindCtrl(m_Buttons, id);
        if (!button) continue;
        button->SetText(EventActKind(kind).strName);
        if (m_Context.startEvent && !Offers(kind, 1)) button->Enable(0);
    }
    if (!m_Context.newAction && m_Context.action) {
        if (const WORD id = EactForm(m_Context.action->Kind).button)
            SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
}

int DLG_EVENTACT::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam);
    if (!id || !m_Context.action) return 1;
    for (int kind = 0; kind < EACT_KIND_COUNT; ++kind) {
        if (EactForm(kind).button != id) continue;
        m_Context.action->Kind = kind;
        int result = 1;
        if (EactForm(kind).dialogId) {
            Enable(0);
            result = OpenKindDialog();
        }
        End(result);
        return 1;
    }
    return 1;
}

int DLG_EVENTACT::OpenKindDialog() {
    m_lpKindDlg = CreateEactDialog(m_Context, this, m_pWndList, m_pPlaceRef);
    return RunOwnedDialog(m_lpKindDlg);
}

void DLG_EVENTACT::OnPaint() {
    if (m_pParentObj) m_pParentObj->RedrawList();
}
