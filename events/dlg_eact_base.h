// The frame of every action dialog: binds the dialog to the one action being
// edited, sizes its parameters to its kind, builds the kind's controls from
// its form (events/action_forms.h), gives OK and Cancel their meaning and
// re-runs the kind's enabling rules after every change. It also does what
// the forms say of several kinds: a skill combo follows its skill-list
// combo, a "_" button renames the common variable its combo shows. A kind
// with behaviour of its own (a preview, a picker, a refusal) derives from it.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "events/action_forms.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

// What the chooser hands every kind dialog.
struct EACT_CONTEXT {
    cEventAct* action = nullptr;  // an element of the event dialog's working copy
    int newAction = 0;            // just inserted: the kind's new-action values are written
    int startEvent = 0;           // the start event is edited
};

class DLG_EACT_BASE : public DLG_CLASS {
public:
    enum { LOCALS = 4 };

    DLG_EACT_BASE(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // The kind's enabling rules; the form's rules unless a kind overrides it.
    virtual void UpdateControls();
    // OK stores only when this says so (a kind may refuse and say why).
    virtual int CanStore() { return 1; }
    // After a common variable was renamed from this dialog.
    virtual void OnRenamed() {}

    // The value control `id` shows now; 0 when it shows none (a combo without a row).
    int ShownValue(unsigned short id, int* value);
    // Enables or disables control `id` (a numeric edit with its spin).
    void EnableItem(unsigned short id, int flag);
    CTRL_COMBO_CLASS<int>* Combo(unsigned short id);
    CTRL_EDITVAL_CLASS<int>* NumberEdit(unsigned short id);
    CTRL_PICTURE_CLASS* Picture(unsigned short id);
    // The rows a combo shows (null for a word-table combo).
    VECTOR_CLASS<std::string>* Rows(unsigned short id);

    cEventAct* m_lpAction;
    const EACT_FORM& m_Form;
    int m_bNewAction;
    int m_bStartEvent;
    int m_Locals[LOCALS] = {};
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Edits;
    std::vector<CTRL_EDITSTR_CLASS> m_Texts;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;
    std::vector<CTRL_PICTURE_CLASS> m_Pictures;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;
    std::vector<CTRL_LABEL_CLASS> m_Labels;
    // One row list per row-sourced combo, kept where the combos point; for a
    // skill combo also the list its rows are of.
    std::deque<VECTOR_CLASS<std::string>> m_Rows;
    std::vector<unsigned short> m_RowIds;
    std::vector<int> m_RowsOfList;
    // The int parameters as they came. A value outside its control's range
    // shows as the nearest valid one (or as no row) and is stored only once
    // the user has edited the control.
    VECTOR_CLASS<int> m_OpenedInts;

private:
    void DescribeCtrls();
    void NoteShownValues();
    void StoreEditedValues();
    void FollowSkillLists();
    void RenameFrom(const EACT_CTRL& button);
};

// The dialog of the kind the context's action now has: its own class for a
// kind with behaviour of its own, the frame for the others. Null for a kind
// without a dialog.
DLG_EACT_BASE* CreateEactDialog(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                const CTRL_CLASS* placeRef);
