#include "database/sheet/dlg_dbsystem.h"

#include <algorithm>

#include "model/media_database.h"
#include "model/system.h"
#include "ui/record_names.h"

namespace {

template <class C, class T>
void Point(C& ctrl, T* value) {
    ctrl.m_pValue = value;
    ctrl.m_Desc.value = value;
}
template <class T>
void Point(CTRL_EDITVAL_CLASS<T>& ctrl, T* value) {
    ctrl.m_pValue = value;
    ctrl.m_Desc.value = value;
    ctrl.m_Spin.m_pValue = value;
}

template <class T>
CTRL_EDITVAL_CLASS<T> NumberEdit(const cSysCtrl& row, void* field) {
    return CTRL_EDITVAL_CLASS<T>({row.id, static_cast<T*>(field), static_cast<T>(row.minimum),
                                  static_cast<T>(row.maximum), row.spin, static_cast<T>(row.step)});
}

}  // namespace

DLG_DBSYSTEM_N::DLG_DBSYSTEM_N(const cSystemPage& page, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBPAGE(page.dialog, sheet, wndList), m_Page(page) {
    BuildNameLists();
    // The vectors are sized first: the slots keep pointers into them.
    auto count = [&](std::initializer_list<int> kinds) {
        return std::count_if(page.ctrls, page.ctrls + page.count, [&](const cSysCtrl& row) {
            return std::find(kinds.begin(), kinds.end(), row.kind) != kinds.end();
        });
    };
    m_Ints.reserve(count({SYS_INT}));
    m_Reals.reserve(count({SYS_REAL}));
    m_Shorts.reserve(count({SYS_SHORT}));
    m_Bytes.reserve(count({SYS_BYTE}));
    m_Strs.reserve(count({SYS_TEXT, SYS_BYTES}));
    m_Checks.reserve(count({SYS_CHECK}));
    m_ByteChecks.reserve(count({SYS_BYTE_CHECK}));
    m_Combos.reserve(count({SYS_WORDS, SYS_PARTY_VAR, SYS_BGM, SYS_BACK}));
    for (int i = 0; i < page.count; ++i) AddRow(page.ctrls[i]);
}

void DLG_DBSYSTEM_N::AddRow(const cSysCtrl& row) {
    void* field = row.field ? row.field(g_System) : nullptr;
    auto add = [](auto& controls, auto control) -> CTRL_CLASS* {
        controls.push_back(control);
        return &controls.back();
    };
    CTRL_CLASS* ctrl = nullptr;
    switch (row.kind) {
    case SYS_INT: ctrl = add(m_Ints, NumberEdit<int>(row, field)); break;
    case SYS_REAL: ctrl = add(m_Reals, NumberEdit<double>(row, field)); break;
    case SYS_SHORT: ctrl = add(m_Shorts, NumberEdit<short>(row, field)); break;
    case SYS_BYTE: ctrl = add(m_Bytes, NumberEdit<unsigned char>(row, field)); break;
    case SYS_TEXT:
    case SYS_BYTES: {
        // Characters are counted with a double-byte one as one; bytes as they are.
        const int limit = static_cast<int>(row.maximum);
        const int chars = row.kind == SYS_TEXT;
        ctrl =
            add(m_Strs,
                CTRL_EDITSTR_CLASS(
                    {row.id, static_cast<std::string*>(field), limit + 1, chars ? limit : 0, 1, chars, {0, 0, 0, 0}}));
        break;
    }
    case SYS_CHECK: ctrl = add(m_Checks, CTRL_CHECK_CLASS<int>({row.id, static_cast<int*>(field)})); break;
    case SYS_BYTE_CHECK:
        ctrl = add(m_ByteChecks, CTRL_CHECK_CLASS<unsigned char>({row.id, static_cast<unsigned char*>(field)}));
        break;
    default: {
        VECTOR_CLASS<std::string>* rows = row.kind == SYS_PARTY_VAR ? &m_PartyVarRows
                                          : row.kind == SYS_BGM     ? &m_BgmRows
                                          : row.kind == SYS_BACK    ? &m_BackRows
                                                                    : nullptr;
        const int offset = row.kind == SYS_PARTY_VAR || row.kind == SYS_BACK;
        ctrl =
            add(m_Combos, CTRL_COMBO_CLASS<int>({row.id, static_cast<int*>(field), row.words, rows, offset, nullptr}));
        break;
    }
    }
    m_Slots.push_back({&row, ctrl, field != nullptr});
}

void DLG_DBSYSTEM_N::Bind() {
    for (cSlot& slot : m_Slots) {
        void* field = slot.row->field ? slot.row->field(g_System) : nullptr;
        slot.bound = field != nullptr;
        switch (slot.row->kind) {
        case SYS_INT: Point(*static_cast<CTRL_EDITVAL_CLASS<int>*>(slot.ctrl), static_cast<int*>(field)); break;
        case SYS_REAL: Point(*static_cast<CTRL_EDITVAL_CLASS<double>*>(slot.ctrl), static_cast<double*>(field)); break;
        case SYS_SHORT: Point(*static_cast<CTRL_EDITVAL_CLASS<short>*>(slot.ctrl), static_cast<short*>(field)); break;
        case SYS_BYTE:
            Point(*static_cast<CTRL_EDITVAL_CLASS<unsigned char>*>(slot.ctrl), static_cast<unsigned char*>(field));
            break;
        case SYS_TEXT:
        case SYS_BYTES: Point(*static_cast<CTRL_EDITSTR_CLASS*>(slot.ctrl), static_cast<std::string*>(field)); break;
        case SYS_CHECK: Point(*static_cast<CTRL_CHECK_CLASS<int>*>(slot.ctrl), static_cast<int*>(field)); break;
        case SYS_BYTE_CHECK:
            Point(*static_cast<CTRL_CHECK_CLASS<unsigned char>*>(slot.ctrl), static_cast<unsigned char*>(field));
            break;
        default: Point(*static_cast<CTRL_COMBO_CLASS<int>*>(slot.ctrl), static_cast<int*>(field)); break;
        }
    }
}

void DLG_DBSYSTEM_N::BuildNameLists() {
    MakeRecordNameList(m_PartyVarRows, g_Database.PtVals, nullptr, 1, 1, 3, 0);
    MakeRecordNameList(m_BgmRows, g_Database.Bgms, "なし", 0, 1, 3, 0);
    MakeRecordNameList(m_BackRows, g_Database.Backs, nullptr, 1, 1, 3, 0);
}

void DLG_DBSYSTEM_N::AttachTable() {
    AddCtrls(m_Ints);
    AddCtrls(m_Reals);
    AddCtrls(m_Shorts);
    AddCtrls(m_Bytes);
    AddCtrls(m_Strs);
    AddCtrls(m_Checks);
    AddCtrls(m_ByteChecks);
    AddCtrls(m_Combos);
}

int DLG_DBSYSTEM_N::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    AttachTable();
    RefreshIfPending();
    UpdateCtrls();
    UpdateControls();
    m_bCreated = 1;
    return 0;
}

void DLG_DBSYSTEM_N::RefreshIfPending() {
    if (!m_bApplied) return;
    Bind();
    RefreshCtrls(-1);
    m_bApplied = 0;
    BuildNameLists();
    for (CTRL_COMBO_CLASS<int>& combo : m_Combos)
        if (combo.m_pVector) combo.SetStrings(*combo.m_pVector);
    AfterRefresh();
    UpdateControls();
}

CTRL_CLASS* DLG_DBSYSTEM_N::Ctrl(WORD id) {
    for (cSlot& slot : m_Slots)
        if (slot.row->id == id) return slot.ctrl;
    return nullptr;
}

int DLG_DBSYSTEM_N::IsChecked(WORD id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

void DLG_DBSYSTEM_N::EnableId(WORD id, int enable) {
    CTRL_CLASS* c = Ctrl(id);
    if (c && !IsWindowEnabled(c->m_hWnd) != !enable) c->Enable(enable);
}

void DLG_DBSYSTEM_N::UpdateControls() {
    for (const cSlot& slot : m_Slots) {
        const cSysCtrl& row = *slot.row;
        const int enable = slot.bound && (!row.on || IsChecked(row.on)) && (!row.on2 || IsChecked(row.on2)) &&
                           (!row.off || !IsChecked(row.off));
        // Only what changes: every command runs the rules.
        if (!IsWindowEnabled(slot.ctrl->m_hWnd) != !enable) slot.ctrl->Enable(enable);
    }
    if (m_Page.update) m_Page.update(*this);
}

int DLG_DBSYSTEM_N::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam);
    int rules = m_bCreated;
    if (rules && m_Page.triggers) {
        rules = 0;
        for (const WORD* t = m_Page.triggers; *t; ++t) rules |= *t == id;
    }
    if (rules) UpdateControls();
    RedrawList();
    MarkChanged();
    return 1;
}

LRESULT DLG_DBSYSTEM_N::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    int handled = 0;
    LRESULT r = PageProc(hwnd, msg, wParam, lParam, &handled);
    if (handled) return TRUE;
    IsRightClicked();  // keeps the right-click gate in step with the mouse
    if (msg == WM_NOTIFY) {
        if (IsSetActive(msg, lParam)) RefreshIfPending();
        return TRUE;
    }
    return r ? TRUE : FALSE;
}

void DLG_DBSYSTEM_N::Commit() {
    if (!HasWindow()) return;
    Bind();
    StoreCtrls();
}
