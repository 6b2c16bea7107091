#include "events/dlg_eact_base.h"

#include "editing/skill_combos.h"
#include "events/dlg_eact_message.h"
#include "events/name_lists.h"
#include "resources/events_ids.h"

namespace {

// The kind's own dialog resource, or the bare frame while a kind has none.
WORD DialogIdOf(const EACT_FORM& form) {
    if (form.dialogId && FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(form.dialogId), RT_DIALOG))
        return form.dialogId;
    return IDD_EACT_PENDING;
}

}  // namespace

DLG_EACT_BASE::DLG_EACT_BASE(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                             const CTRL_CLASS* placeRef)
    : DLG_CLASS(DialogIdOf(EactForm(context.action->Kind)), parent, WND_MODE_DIALOG, wndList, placeRef, 1),
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

DLG_EACT_BASE::~DLG_EACT_BASE() {
    if (DLG_STATIC<DLG_EACT_BASE>::s_pInstance == this) DLG_STATIC<DLG_EACT_BASE>::s_pInstance = nullptr;
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
                rows = &m_Rows.back();
                if (c.rows == EACT_ROWS_SYMBOLS)
                    FillNumberCombo(*rows);
                else
                    MakeNameRows(*rows, c.rows);
            }
            m_Combos.push_back(CTRL_COMBO_CLASS<int>({c.id, value, c.words, rows, c.offset, nullptr}));
            break;
        }
        case EACT_CTRL_CHECK: m_Checks.push_back(CTRL_CHECK_CLASS<int>({c.id, value})); break;
        case EACT_CTRL_PICTURE: m_Pictures.push_back(CTRL_PICTURE_CLASS({c.id, c.width, c.height, -1, -1})); break;
        case EACT_CTRL_BUTTON: m_Buttons.push_back(CTRL_BUTTON_CLASS({c.id})); break;
        default: break;
        }
    }
}

int DLG_EACT_BASE::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    ShowWindow(GetDlgItem(m_hWnd, IDC_EVENTS_PICTURE), SW_HIDE);
    if (m_wResId == IDD_EACT_PENDING) SetWindowTextA(m_hWnd, m_Form.caption);
    AddCtrls(m_Edits);
    AddCtrls(m_Texts);
    AddCtrls(m_Combos);
    AddCtrls(m_Checks);
    AddCtrls(m_Pictures);
    AddCtrls(m_Buttons);
    UpdateCtrls();
    UpdateControls();
    m_bCreated = 1;
    return 0;
}

int DLG_EACT_BASE::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_EVENTS_OK:
        StoreCtrls();
        End(1);
        return 1;
    case IDC_EVENTS_CANCEL: End(0); return 1;
    }
    if (m_bCreated && GetChangedCtrlId(wParam)) UpdateControls();
    return 1;
}

void DLG_EACT_BASE::UpdateControls() {
    ApplyEnableRules(
        m_Form.rules, m_Form.ruleCount, [this](unsigned short id, int* value) { return ShownValue(id, value); },
        [this](unsigned short id, int flag) { EnableItem(id, flag); });
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

DLG_EACT_BASE* CreateEactDialog(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                const CTRL_CLASS* placeRef) {
    if (!context.action || !EactForm(context.action->Kind).dialogId) return nullptr;
    switch (context.action->Kind) {
    case EACT_MESSAGE: return new (std::nothrow) DLG_EACT_MESSAGE(context, parent, wndList, placeRef);
    default: return new (std::nothrow) DLG_EACT_BASE(context, parent, wndList, placeRef);
    }
}
