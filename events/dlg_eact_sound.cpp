#include "events/dlg_eact_sound.h"

#include "editing/preview_combos.h"
#include "resources/event_actions_ids.h"

DLG_EACT_PLAYSOUND::DLG_EACT_PLAYSOUND(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                       const CTRL_CLASS* placeRef)
    : DLG_EACT_BASE(context, parent, wndList, placeRef) {
    SetInstance(this);
}

int DLG_EACT_PLAYSOUND::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int result = DLG_EACT_BASE::OnCommand(wParam, lParam);
    if (result && LOWORD(wParam) == IDC_SOUND && HIWORD(wParam) == CBN_SELCHANGE)
        PlaySelectedSound(m_Combos, IDC_SOUND);
    return result;
}

DLG_EACT_CHANGEBGM::DLG_EACT_CHANGEBGM(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                       const CTRL_CLASS* placeRef)
    : DLG_EACT_BASE(context, parent, wndList, placeRef) {
    SetInstance(this);
}

int DLG_EACT_CHANGEBGM::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int result = DLG_EACT_BASE::OnCommand(wParam, lParam);
    if (result && LOWORD(wParam) == IDC_BGM_PLAY && HIWORD(wParam) == BN_CLICKED) PlaySelectedBgm(m_Combos, IDC_BGM);
    return result;
}
