// The action kind chooser "イベントのアクション": one button per kind. A
// button gives the action its kind and opens the kind's dialog; editing an
// existing action skips the buttons and opens its kind's dialog at once.
#pragma once

#include <vector>

#include "events/dlg_eact_base.h"

class DLG_EVENTACT : public DLG_CLASS {
public:
    // `placeRef`: the event dialog's action list, over which the chooser and
    // the kind dialogs are centred.
    DLG_EVENTACT(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }
    void OnPaint() override;

    // Whether the chooser offers `kind` (a button, allowed in this mode).
    static int Offers(int kind, int startEvent);

    EACT_CONTEXT m_Context;
    const CTRL_CLASS* m_pPlaceRef;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;
    DLG_EACT_BASE* m_lpKindDlg = nullptr;  // while a kind's dialog is open

private:
    int OpenKindDialog();
};
