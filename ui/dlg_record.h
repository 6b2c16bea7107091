// The frame of the small modal record dialogs: it holds the typed control
// families, which a dialog fills in its constructor (one line per control),
// binds and shows them when the dialog opens, and gives OK, Cancel, Esc and
// the close box their usual meaning. A dialog declares only its controls and
// its own behaviour:
//   class DLG_FOO : public DLG_RECORD_CLASS {
//       DLG_FOO(WND_CLASS* parent, WND_LIST_CLASS* wndList, cFoo* foo)
//           : DLG_RECORD_CLASS(IDD_FOO, parent, WND_MODE_DIALOG, wndList) {
//           SetInstance(this);
//           m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({1001, &foo->nLevel, 1, 99, 1002, 1}));
//       }
//   };
#pragma once

#include <vector>

#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

class DLG_RECORD_CLASS : public DLG_CLASS {
public:
    using DLG_CLASS::DLG_CLASS;

    // Binds the families in the order below, shows the record, then counts
    // the dialog as created.
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override { return ModalOnCommand(wParam, lParam); }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }

    // Refreshed and stored family by family, in this order.
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Edits;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_PICTURE_CLASS> m_Pictures;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;

protected:
    // Binds the families, in the order above.
    void AddFamilies();
    // Once the window exists, before the families: the dialog's lists and
    // controls of other kinds, items it hides.
    virtual void AttachCtrls() {}
    // After the controls first showed the record, before the dialog counts
    // as created: enable states, corrections of what a control could not show.
    virtual void OnCtrlsShown() {}
};
