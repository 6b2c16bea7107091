#include "events/dlg_eact_base.h"

#include "editing/common_variable.h"
#include "editing/skill_combos.h"
#include "events/name_lists.h"
#include "resources/events_ids.h"

DLG_EACT_BASE::DLG_EACT_BASE(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                             const CTRL_CLASS* placeRef)
    : DLG_CLASS(EactForm(context.action->Kind).dialogId, parent, WND_MODE_DIALOG, wndList, placeRef, 1),
      m_lpAction(context.action),
      m_Form(EactForm(context.action->Kind)),
      m_bNewAction(context.newAction),
      m_bStartEvent(context.startEvent) {
    SetInstance(this);
    // Before any control points into the parameters: they do not move again.
    SizeActionParams(*m_lpAction);
    if (m_bNewAction) ApplyNewValues(m_Form, *m_lpAction);
    DescribeCtrls();
}

void DLG_EACT_BASE::DescribeCtrls() {
    for (int i = 0; i < m_Form.ctrlCount; ++i) {
        const EACT_CTRL& c = m_Form.ctrls[i];
        int* value = nullptr;
        if (c.bind == EACT_BIND_INT) value = &m_lpAction->Ints.At(static_cast<unsigned>(c.index));
        if (c.bind == EACT_BIND_LOCAL && c.index >= 0 && c.index < LOCALS) {
            m_Locals[c.index] = c.newValue;
            value = &m_Locals[c.index];
        }
        switch (c.type) {
        case EACT_CTRL_EDIT:
            m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({c.id, value, c.minimum, c.maximum, c.spin, 1}));
            break;
        case EACT_CTRL_TEXT:
            m_Texts.push_back(CTRL_EDITSTR_CLASS({c.id,
                                                  &m_lpAction->Strs.At(static_cast<unsigned>(c.index)),
                                                  0,
                                                  c.lineLen,
                                                  c.lines,
                                                  1,
                                                  {CTRL_EDITSTR_CLASS::LINE_FEEDS, 0, 0, 0}}));
            break;
        case EACT_CTRL_COMBO: {
            VECTOR_CLASS<std::string>* rows = nullptr;
            if (!c.words) {
                m_Rows.emplace_back();
                m_RowIds.push_back(c.id);
                m_RowsOfList.push_back(-1);
                rows = &m_Rows.back();
                if (c.rows == EACT_ROWS_SYMBOLS) {
                    FillNumberCombo(*rows);
                } else if (c.rows == EACT_ROWS_SKILLS) {
                    // The skills of the list the action names, whatever it is.
                    const EACT_CTRL* list = FindEactCtrl(m_Form, c.partner);
                    if (list && list->bind == EACT_BIND_INT)
                        m_RowsOfList.back() = m_lpAction->Ints.At(static_cast<unsigned>(list->index));
                    MakeSkillRows(*rows, m_RowsOfList.back());
                } else {
                    MakeNameRows(*rows, c.rows);
                }
            }
            m_Combos.push_back(CTRL_COMBO_CLASS<int>({c.id, value, c.words, rows, c.offset, nullptr}));
            break;
        }
        case EACT_CTRL_CHECK: m_Checks.push_back(CTRL_CHECK_CLASS<int>({c.id, value})); break;
        case EACT_CTRL_PICTURE: m_Pictures.push_back(CTRL_PICTURE_CLASS({c.id, c.width, c.height, c.x, c.y})); break;
        case EACT_CTRL_BUTTON: m_Buttons.push_back(CTRL_BUTTON_CLASS({c.id})); break;
        case EACT_CTRL_LABEL: m_Labels.push_back(CTRL_LABEL_CLASS({c.id})); break;
        default: break;
        }
    }
}

int DLG_EACT_BASE::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    ShowWindow(GetDlgItem(m_hWnd, IDC_EVENTS_PICTURE), SW_HIDE);
    AddCtrls(m_Edits);
    AddCtrls(m_Texts);
    AddCtrls(m_Combos);
    AddCtrls(m_Checks);
    AddCtrls(m_Pictures);
    AddCtrls(m_Buttons);
    AddCtrls(m_Labels);
    UpdateCtrls();
    UpdateControls();
    NoteShownValues();
    m_bCreated = 1;
    return 0;
}

void DLG_EACT_BASE::NoteShownValues() {
    m_OpenedInts = m_lpAction->Ints;
    for (size_t i = 0; i < m_RowIds.size(); ++i) {
        const EACT_CTRL* skill = FindEactCtrl(m_Form, m_RowIds[i]);
        CTRL_COMBO_CLASS<int>* list = skill && skill->partner ? Combo(skill->partner) : nullptr;
        if (list) m_RowsOfList[i] = list->GetValue();
    }
}

// A parameter whose controls the user left alone keeps the value it came
// with, also where they could show only the nearest valid value or no row.
void DLG_EACT_BASE::StoreEditedValues() {
    StoreCtrls();
    VECTOR_CLASS<int>& ints = m_lpAction->Ints;
    std::vector<int> bound(ints.size(), 0), edited(ints.size(), 0);
    for (const CTRL_CLASS* c : m_CtrlList) {
        const EACT_CTRL* f = FindEactCtrl(m_Form, c->m_wId);
        if (!f || f->bind != EACT_BIND_INT || f->index < 0 || static_cast<size_t>(f->index) >= ints.size()) continue;
        bound[f->index] = 1;
        edited[f->index] |= c->m_bEdited;
    }
    for (size_t i = 0; i < ints.size() && i < m_OpenedInts.size(); ++i)
        if (bound[i] && !edited[i]) ints[i] = m_OpenedInts[i];
}

int DLG_EACT_BASE::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam);
    switch (id) {
    case IDC_EVENTS_OK:
        if (!CanStore()) return 1;
        StoreEditedValues();
        End(1);
        return 1;
    case IDC_EVENTS_CANCEL:
    case IDCANCEL:  // Esc
        End(0);
        return 1;
    }
    const EACT_CTRL* c = FindEactCtrl(m_Form, id);
    if (c && c->type == EACT_CTRL_BUTTON && c->partner && HIWORD(wParam) == BN_CLICKED) RenameFrom(*c);
    if (m_bCreated && GetChangedCtrlId(wParam)) UpdateControls();
    return 1;
}

void DLG_EACT_BASE::UpdateControls() {
    FollowSkillLists();
    ApplyEnableRules(
        m_Form.rules, m_Form.ruleCount, [this](unsigned short id, int* value) { return ShownValue(id, value); },
        [this](unsigned short id, int flag) { EnableItem(id, flag); });
}

// A skill combo shows the skills of the list its partner now chooses; until
// the user chooses another list it keeps the rows (and the row) it opened with.
void DLG_EACT_BASE::FollowSkillLists() {
    if (!m_bCreated) return;
    for (size_t i = 0; i < m_RowIds.size(); ++i) {
        const EACT_CTRL* skill = FindEactCtrl(m_Form, m_RowIds[i]);
        if (!skill || skill->rows != EACT_ROWS_SKILLS) continue;
        CTRL_COMBO_CLASS<int>* list = Combo(skill->partner);
        if (!list || list->GetValue() == m_RowsOfList[i]) continue;
        m_RowsOfList[i] = list->GetValue();
        FillRecordCombo(m_Rows[i], this, m_Combos, skill->partner, skill->id);
        // It shows a skill of the list the user chose now: that is what OK stores.
        if (CTRL_COMBO_CLASS<int>* shown = Combo(skill->id)) shown->m_bEdited = 1;
    }
}

// Every combo of common variables takes the new name; one that showed no
// row (a variable past the list) still shows none. A button whose rules do
// not hold (its combo does not stand for a common variable now) does nothing.
void DLG_EACT_BASE::RenameFrom(const EACT_CTRL& button) {
    CTRL_COMBO_CLASS<int>* combo = Combo(button.partner);
    const int variable = combo && combo->GetCurSel() >= 0 ? combo->GetValue() : 0;
    const EACT_READ read = [this](unsigned short id, int* value) { return ShownValue(id, value); };
    if (variable && !EactRulesHold(m_Form, button.id, read)) return;
    if (!RenameCommonVariable(this, variable, FindCtrl(m_Buttons, button.id))) return;
    for (size_t i = 0; i < m_RowIds.size(); ++i) {
        const EACT_CTRL* c = FindEactCtrl(m_Form, m_RowIds[i]);
        CTRL_COMBO_CLASS<int>* shown = Combo(m_RowIds[i]);
        if (!c || c->rows != EACT_ROWS_GVALS || !shown) continue;
        const int row = shown->GetCurSel();
        MakeNameRows(m_Rows[i], EACT_ROWS_GVALS);
        shown->SetStrings(m_Rows[i]);
        if (row < 0) SendMessageA(shown->m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
    OnRenamed();
}

int DLG_EACT_BASE::ShownValue(unsigned short id, int* value) {
    for (auto& c : m_Checks) {
        if (c.m_wId != id) continue;
        *value = c.GetCheck();
        return 1;
    }
    if (CTRL_COMBO_CLASS<int>* c = Combo(id)) {
        if (c->GetCurSel() < 0) return 0;
        *value = c->GetValue();
        return 1;
    }
    return 0;
}

void DLG_EACT_BASE::EnableItem(unsigned short id, int flag) {
    for (CTRL_CLASS* c : m_CtrlList)
        if (c->m_wId == id) c->Enable(flag);
}

CTRL_COMBO_CLASS<int>* DLG_EACT_BASE::Combo(unsigned short id) {
    for (auto& c : m_Combos)
        if (c.m_Desc.id == id) return &c;
    return nullptr;
}

CTRL_EDITVAL_CLASS<int>* DLG_EACT_BASE::NumberEdit(unsigned short id) {
    for (auto& c : m_Edits)
        if (c.m_Desc.id == id) return &c;
    return nullptr;
}

CTRL_PICTURE_CLASS* DLG_EACT_BASE::Picture(unsigned short id) {
    for (auto& c : m_Pictures)
        if (c.m_Desc.id == id) return &c;
    return nullptr;
}

VECTOR_CLASS<std::string>* DLG_EACT_BASE::Rows(unsigned short id) {
    for (size_t i = 0; i < m_RowIds.size(); ++i)
        if (m_RowIds[i] == id) return &m_Rows[i];
    return nullptr;
}
