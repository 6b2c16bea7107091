#include "ui/ctrl_list.h"

#include "base/report.h"
#include "ui/dlg.h"
#include "ui/numtext.h"

namespace {

const char kListProp[] = "CTRL_LIST_CLASS";

const WORD kDefaultKeyIds[LIST_CMD_COUNT] = {40030, 40031, 40032, 40082, 40069, 40083, 40034};
const WORD kDefaultMenuIds[LIST_CMD_COUNT] = {40027, 40024, 40025, 0, 40070, 40081, 40029};

}  // namespace

CTRL_LIST_BASE::CTRL_LIST_BASE() : CTRL_CLASS(CTRL_KIND_LIST), m_strAppendRow(64, '-') {
    for (int i = 0; i < LIST_CMD_COUNT; ++i) {
        m_KeyIds[i] = kDefaultKeyIds[i];
        m_MenuIds[i] = kDefaultMenuIds[i];
    }
}

void CTRL_LIST_BASE::SetUp(int multi, int number, int minCount, int maxCount, int firstShown, int appendRow,
                           int noSelection) {
    m_bMulti = multi;
    m_nFirstShown = firstShown;
    m_bAppendRow = appendRow;
    if (m_nContainer != LIST_KIND_VECTOR) {
        ECMSP("Listには未対応！！");
        return;
    }
    CopySourceToWorking();
    if (m_bMulti) {
        m_SelFlags.assign(ShownRows() > 0 ? ShownRows() : 0, 0);
    }
    RemoveStyle(LBS_SORT);
    SubclassListBox();
    m_bNumber = number;
    m_nMinCount = minCount;
    m_nMaxCount = maxCount;
    m_bNoSelection = noSelection;
    if (m_nMinCount <= 0 && !m_bAppendRow) m_bNoSelection = 1;
    m_nCurRow = m_nLastRow = m_nAnchorRow = -1;
    m_nTopRow = 0;
    m_LastFlags.clear();
    if (RecordCount() > 0) SetCurSel(0, 1);
    FillList();
    RedrawList();
}

void CTRL_LIST_BASE::SubclassListBox() {
    if (!m_hWnd || GetPropA(m_hWnd, kListProp)) return;
    SetPropA(m_hWnd, kListProp, this);
    m_lpPrevProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

LRESULT CALLBACK CTRL_LIST_BASE::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CTRL_LIST_BASE* self = static_cast<CTRL_LIST_BASE*>(GetPropA(wnd, kListProp));
    if (!self || !self->m_lpPrevProc) return DefWindowProcA(wnd, msg, wParam, lParam);
    WNDPROC prev = self->m_lpPrevProc;
    if (msg == WM_DESTROY) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev));
        RemovePropA(wnd, kListProp);
        self->m_lpPrevProc = nullptr;
        return CallWindowProcA(prev, wnd, msg, wParam, lParam);
    }
    LRESULT r = CallWindowProcA(prev, wnd, msg, wParam, lParam);
    // The top row as the scrolling left it, restored after every refill.
    if (msg == WM_VSCROLL || msg == WM_MOUSEWHEEL)
        self->m_nTopRow = static_cast<int>(CallWindowProcA(prev, wnd, LB_GETTOPINDEX, 0, 0));
    return r;
}

// ---- Binding ---------------------------------------------------------------------------

void CTRL_LIST_BASE::LoadFromSource() {
    if (m_nContainer != LIST_KIND_VECTOR) return;
    CopySourceToWorking();
    int records = RecordCount();
    if (HasBound()) {
        if (static_cast<unsigned>(GetDataPos()) >= static_cast<unsigned>(records)) {
            int last = records - m_nFirstShown - 1;
            if (m_bMulti)
                SelectOnly(last, 1);
            else
                SetCurSel(last, 1);
        }
        LoadBoundRecord();
    }
    FillList();
}

void CTRL_LIST_BASE::StoreToSource() {
    // A notification raised by a refresh must not write stale rows back.
    if (IsRefreshing()) return;
    if (m_nContainer == LIST_KIND_VECTOR) CopyWorkingToSource();
}

void CTRL_LIST_BASE::SetCommandIds(WORD cut, WORD copy, WORD paste, WORD add, WORD insert, WORD clear, WORD remove) {
    const WORD ids[LIST_CMD_COUNT] = {cut, copy, paste, add, insert, clear, remove};
    for (int i = 0; i < LIST_CMD_COUNT; ++i) m_KeyIds[i] = ids[i];
}

void CTRL_LIST_BASE::SetMenuCommandIds(WORD cut, WORD copy, WORD paste, WORD add, WORD insert, WORD clear,
                                       WORD remove) {
    const WORD ids[LIST_CMD_COUNT] = {cut, copy, paste, add, insert, clear, remove};
    for (int i = 0; i < LIST_CMD_COUNT; ++i) m_MenuIds[i] = ids[i];
}

void CTRL_LIST_BASE::SetContextMenu(WORD menuId, WORD cut, WORD copy, WORD paste, WORD add, WORD insert, WORD clear,
                                    WORD remove) {
    HINSTANCE inst = m_pDlg ? m_pDlg->m_hInst : GetModuleHandleA(nullptr);
    HMENU menu = LoadMenuA(inst, MAKEINTRESOURCEA(menuId));
    m_hMenu = menu ? GetSubMenu(menu, 0) : nullptr;
    SetMenuCommandIds(cut, copy, paste, add, insert, clear, remove);
}

// ---- Queries ------------------------------------------------------------------------------

int CTRL_LIST_BASE::GetCount() const { return static_cast<int>(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)); }

int CTRL_LIST_BASE::GetRecordCount() const { return GetCount() - (m_bAppendRow ? 1 : 0); }

int CTRL_LIST_BASE::GetCurSel() const {
    if (GetCount() < 1) return -1;
    if (!m_bMulti) return static_cast<int>(SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0));
    int caret = static_cast<int>(SendMessageA(m_hWnd, LB_GETCARETINDEX, 0, 0));
    if (caret >= 0 && caret < static_cast<int>(m_SelFlags.size()) && m_SelFlags[caret]) return caret;
    return -1;
}

int CTRL_LIST_BASE::IsAppendRow(int row) const { return m_bAppendRow && row == RecordCount() - m_nFirstShown; }

int CTRL_LIST_BASE::GetDataPos() const {
    int row = GetCurSel();
    if (row < 0 || IsAppendRow(row)) return -1;
    return row + m_nFirstShown;
}

// ---- Drawing -----------------------------------------------------------------------------

void CTRL_LIST_BASE::SetDrawing(int on) {
    on = on ? 1 : 0;
    if (!m_hWnd) return;
    SendMessageA(m_hWnd, WM_SETREDRAW, on, 0);
    if (on && !m_bDrawing) InvalidateRect(m_hWnd, nullptr, TRUE);
    m_bDrawing = on;
}

namespace {

// Drawing off for a sweep over the rows, back as it was afterwards.
class NO_DRAWING {
public:
    explicit NO_DRAWING(CTRL_LIST_BASE* list) : m_pList(list), m_bWas(list->m_bDrawing) { list->SetDrawing(0); }
    ~NO_DRAWING() { m_pList->SetDrawing(m_bWas); }
    NO_DRAWING(const NO_DRAWING&) = delete;
    NO_DRAWING& operator=(const NO_DRAWING&) = delete;

private:
    CTRL_LIST_BASE* m_pList;
    int m_bWas;
};

}  // namespace

void CTRL_LIST_BASE::ApplySelFlags() {
    SendMessageA(m_hWnd, LB_SETSEL, FALSE, -1);
    for (size_t i = 0; i < m_SelFlags.size(); ++i)
        if (m_SelFlags[i]) SendMessageA(m_hWnd, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
}

// ---- Selection ---------------------------------------------------------------------------

void CTRL_LIST_BASE::SelectRowFlag(int row) {
    if (row < 0) return;
    if (row >= static_cast<int>(m_SelFlags.size())) row = static_cast<int>(m_SelFlags.size()) - 1;
    if (row < 0) return;
    m_SelFlags[row] = 1;
    m_nCurRow = row;
    SendMessageA(m_hWnd, LB_SETSEL, TRUE, row);
    SendMessageA(m_hWnd, LB_SETCARETINDEX, row, 0);
    m_nAnchorRow = row;
    SendMessageA(m_hWnd, LB_SETANCHORINDEX, row, 0);
}

void CTRL_LIST_BASE::SetCurSel(int row, int load) {
    m_nCurRow = row;
    if (m_nCurRow == -1 && !m_bNoSelection) m_nCurRow = 0;
    if (static_cast<unsigned>(m_nCurRow) >= static_cast<unsigned>(ShownRows())) m_nCurRow = -1;
    if (load) LoadBoundRecord();
    if (!m_bMulti)
        SendMessageA(m_hWnd, LB_SETCURSEL, m_nCurRow, 0);
    else
        SelectRowFlag(m_nCurRow);
}

void CTRL_LIST_BASE::SelectOnly(int row, int load) {
    if (m_bMulti) {
        m_nCurRow = m_nAnchorRow = -1;
        SendMessageA(m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(-1), 0);
        SendMessageA(m_hWnd, LB_SETANCHORINDEX, static_cast<WPARAM>(-1), 0);
        m_SelFlags.Fill(0);
        SendMessageA(m_hWnd, LB_SETSEL, FALSE, -1);
    }
    SetCurSel(row, load);
}

void CTRL_LIST_BASE::SelectNext(int load) {
    if (m_bMulti) m_SelFlags.Fill(0);
    SetCurSel(m_nCurRow + 1, load);
}

void CTRL_LIST_BASE::SelectPrev(int load) {
    if (m_bMulti) m_SelFlags.Fill(0);
    SetCurSel(m_nCurRow - 1, load);
}

void CTRL_LIST_BASE::LoadBoundRecord() {
    if (m_nCurRow == -1 || !HasBound() || IsAppendRow(m_nCurRow)) return;
    int index = m_nCurRow + m_nFirstShown;
    if (index >= 0 && index < RecordCount()) CopyRecordToBound(index);
}

int CTRL_LIST_BASE::OnSelChange() {
    m_nTopRow = static_cast<int>(SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0));
    if (!m_bMulti) {
        m_nCurRow = GetCurSel();
    } else {
        int count = GetCount();
        m_SelFlags.resize(count > 0 ? count : 0, 0);
        m_LastFlags.resize(m_SelFlags.size(), 0);
        // The selected rows at once, not a message a row.
        m_SelFlags.Fill(0);
        const int selected = static_cast<int>(SendMessageA(m_hWnd, LB_GETSELCOUNT, 0, 0));
        if (selected > 0) {
            std::vector<int> rows(static_cast<size_t>(selected));
            const int got =
                static_cast<int>(SendMessageA(m_hWnd, LB_GETSELITEMS, selected, reinterpret_cast<LPARAM>(rows.data())));
            for (int i = 0; i < got; ++i)
                if (rows[i] >= 0 && rows[i] < count) m_SelFlags[rows[i]] = 1;
        }
        m_nCurRow = static_cast<int>(SendMessageA(m_hWnd, LB_GETCARETINDEX, 0, 0));
        m_nAnchorRow = static_cast<int>(SendMessageA(m_hWnd, LB_GETANCHORINDEX, 0, 0));
        // A Ctrl+click that took the caret's row out leaves the caret on a
        // row not selected: the current row becomes the first selected one,
        // so that what acts on the current row acts on a row shown selected.
        if (m_nCurRow < 0 || m_nCurRow >= count || !m_SelFlags[m_nCurRow]) {
            for (int i = 0; i < count; ++i) {
                if (m_SelFlags[i]) {
                    m_nCurRow = i;
                    break;
                }
            }
            SendMessageA(m_hWnd, LB_SETCARETINDEX, m_nCurRow, 0);
            SendMessageA(m_hWnd, LB_SETANCHORINDEX, m_nCurRow, 0);
            m_nAnchorRow = m_nCurRow;
        }
    }
    if (m_nCurRow == -1 || IsAppendRow(m_nCurRow)) {
        if (!HasBound()) return 0;
        CopyDefaultToBound();
        FillList();
        return 0;
    }
    if (m_nContainer == LIST_KIND_VECTOR && HasBound()) LoadBoundRecord();
    FillList();
    return 1;
}

int CTRL_LIST_BASE::StoreCurrentRecord() {
    if (m_nCurRow == -1 || IsAppendRow(m_nCurRow)) return 0;
    int index = m_nCurRow + m_nFirstShown;
    if (index < 0 || index >= RecordCount()) return 0;
    CopyBoundToRecord(index);
    FillList();
    RedrawList();
    return 1;
}

int CTRL_LIST_BASE::SelectAtPoint(POINT pt) {
    if (!m_pDlg || !m_hWnd) return 0;
    HWND active = GetActiveWindow();
    if (m_pDlg->m_nMode == WND_MODE_PAGE) {
        HWND sheet = m_pDlg->m_hOwner;
        if (!sheet || active != sheet ||
            reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) != m_pDlg->m_hWnd)
            return 0;
    } else if (!active || active != m_pDlg->m_hWnd) {
        return 0;
    }
    if (!HitTest(pt)) return 0;
    // The list box knows its row height under every font.
    POINT client = pt;
    ScreenToClient(m_hWnd, &client);
    LRESULT hit = SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    m_nTopRow = static_cast<int>(SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0));
    if (m_nContainer != LIST_KIND_VECTOR || HIWORD(hit)) return 0;
    int row = LOWORD(hit), count = GetCount();
    if (row < 0 || row >= count) return 0;
    if (m_bMulti) {
        SendMessageA(m_hWnd, LB_SETANCHORINDEX, row, 0);
        SendMessageA(m_hWnd, LB_SETCARETINDEX, row, 0);
        m_SelFlags.resize(count, 0);
        m_LastFlags.resize(count, 0);
        m_nAnchorRow = row;
        if (!m_SelFlags[row]) {
            m_SelFlags.Fill(0);
            m_SelFlags[row] = 1;
            ApplySelFlags();
        } else {
            SendMessageA(m_hWnd, LB_SETSEL, TRUE, row);
        }
    } else {
        SendMessageA(m_hWnd, LB_SETCURSEL, row, 0);
    }
    m_nCurRow = row;
    SetFocus(m_hWnd);
    LoadBoundRecord();
    SendMessageA(m_hParent, WM_COMMAND, MAKEWPARAM(m_wId, LBN_SELCHANGE), 0);
    return 1;
}

int CTRL_LIST_BASE::TrackContextMenu(HWND owner, HWND wnd, LPARAM lParam) {
    if (!wnd || wnd != m_hWnd || !IsWindowEnabled(wnd)) return 0;
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        RECT rc;
        GetWindowRect(wnd, &rc);
        pt = {rc.left + 8, rc.top + 8};
        SetFocus(wnd);
    } else {
        SelectAtPoint(pt);
    }
    if (m_hMenu) TrackPopupMenu(m_hMenu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, owner, nullptr);
    return 1;
}

// ---- Rows ------------------------------------------------------------------------------------

// A refill after every command and selection: the rows the list box holds
// already are kept, and only those whose text changed are written again.
void CTRL_LIST_BASE::FillList() {
    NO_DRAWING quiet(this);
    if (m_nContainer == LIST_KIND_VECTOR) {
        int records = RecordCount(), shown = records - m_nFirstShown;
        std::vector<std::string> rows;
        rows.reserve(static_cast<size_t>(shown) + 1);
        for (int i = m_nFirstShown; i < records; ++i)
            rows.push_back(MakeListRow(i, m_nFirstShown, shown, m_bNumber, RowText(i)));
        if (m_bAppendRow) rows.push_back(m_strAppendRow);
        const int held = GetCount();
        if (held == static_cast<int>(m_FilledRows.size()) && held == static_cast<int>(rows.size())) {
            for (int i = 0; i < held; ++i) {
                if (rows[i] == m_FilledRows[i]) continue;
                SendMessageA(m_hWnd, LB_DELETESTRING, i, 0);
                SendMessageA(m_hWnd, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(rows[i].c_str()));
            }
        } else {
            size_t bytes = 0;
            for (const std::string& row : rows) bytes += row.size() + 1;
            SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
            SendMessageA(m_hWnd, LB_INITSTORAGE, rows.size(), bytes);
            for (const std::string& row : rows)
                SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
        }
        m_FilledRows.swap(rows);
    }
    SendMessageA(m_hWnd, LB_SETTOPINDEX, m_nTopRow, 0);
    if (!m_bMulti) {
        SendMessageA(m_hWnd, LB_SETCURSEL, m_nCurRow, 0);
    } else {
        ApplySelFlags();
        SendMessageA(m_hWnd, LB_SETCARETINDEX, m_nCurRow, 0);
        SendMessageA(m_hWnd, LB_SETANCHORINDEX, m_nAnchorRow, 0);
    }
}

void CTRL_LIST_BASE::RedrawList() {
    SetDrawing(0);
    int count = GetCount();
    if (m_bMulti) {
        if (!m_bNoSelection) {
            if (static_cast<int>(m_SelFlags.size()) > count) {
                m_SelFlags.resize(count);
                m_LastFlags.resize(count);
                if (!m_SelFlags.CountNonZero()) {
                    if (!m_SelFlags.empty()) m_SelFlags[0] = 1;
                    m_nCurRow = 0;
                }
            }
            if (!m_SelFlags.CountNonZero()) {
                if (m_LastFlags.size() != m_SelFlags.size()) {
                    if (m_SelFlags.empty()) m_SelFlags.push_back(0);
                    m_SelFlags[0] = 1;
                    m_nCurRow = 0;
                } else {
                    m_SelFlags = m_LastFlags;
                    m_nCurRow = m_nLastRow;
                    if (!m_SelFlags.CountNonZero()) {
                        if (m_SelFlags.empty()) m_SelFlags.push_back(0);
                        m_SelFlags[0] = 1;
                    }
                }
                m_nAnchorRow = m_nCurRow;
            }
        }
        ApplySelFlags();
        SendMessageA(m_hWnd, LB_SETANCHORINDEX, m_nAnchorRow, 0);
        SendMessageA(m_hWnd, LB_SETCARETINDEX, m_nCurRow, 0);
        SendMessageA(m_hWnd, LB_SETTOPINDEX, m_nTopRow, 0);
        m_LastFlags = m_SelFlags;
    } else {
        if (!m_bNoSelection) {
            if (m_nCurRow == -1) m_nCurRow = m_nLastRow;
            if (m_nCurRow == -1) m_nCurRow = 0;
            if (m_nCurRow >= count) m_nCurRow = 0;
        }
        SendMessageA(m_hWnd, LB_SETCURSEL, m_nCurRow, 0);
        SendMessageA(m_hWnd, LB_SETTOPINDEX, m_nTopRow, 0);
    }
    m_nLastRow = m_nCurRow;
    SetDrawing(1);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTRL_LIST_BASE::OnCommand() { SendMessageA(m_hWnd, LB_SETCURSEL, m_nCurRow, 0); }

void CTRL_LIST_BASE::OnShortcutKey(WPARAM key, LPARAM, int ctrlHeld) {
    if (!m_pDlg) return;
    for (int slot = 0; slot < LIST_CMD_COUNT; ++slot) {
        if (m_KeyIds[slot] && IsListShortcut(slot, static_cast<unsigned>(key), ctrlHeld))
            SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, m_KeyIds[slot], 0);
    }
}
