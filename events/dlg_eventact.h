// The action kind chooser "イベントのアクション": one button per kind. A
// button gives the action its kind and opens the kind's dialog; editing an
// existing action skips the buttons and opens its kind's dialog at once.
#pragma once

#include <vector>

#include "events/dlg_eact_base.h"
#include "ui/dlg_record.h"

class DLG_EVENTACT : public DLG_RECORD_CLASS {
public:
    // `placeRef`: the event dialog's action list, over which the chooser and
    // the kind dialogs are centred.
    DLG_EVENTACT(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

    // Whether the chooser offers `kind` (a button, allowed in this mode).
    static int Offers(int kind, int startEvent);

    EACT_CONTEXT m_Context;
    const CTRL_CLASS* m_pPlaceRef;
    DLG_EACT_BASE* m_lpKindDlg = nullptr;  // while a kind's dialog is open

protected:
    void AttachCtrls() override;
    // The kinds' names on their buttons; an existing action goes straight to its kind's dialog.
    void OnCtrlsShown() override;

private:
    int OpenKindDialog();
};
