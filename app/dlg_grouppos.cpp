#include "app/dlg_grouppos.h"

#include <algorithm>
#include <new>

#include "app/group_cells.h"
#include "app/map_view.h"
#include "app/stage_rows.h"
#include "base/report.h"
#include "media/image_table.h"
#include "model/stage.h"
#include "resources/stage_dialogs_ids.h"

// ---- The list of groups ----------------------------------------------------------------

DLG_GROUPPOS::DLG_GROUPPOS(WND_CLASS* parent, WND_LIST_CLASS* wndList)
    : DLG_RECORD_CLASS(IDD_GROUPPOS, parent, WND_MODE_DIALOG, wndList),
      m_GroupEdits(
          {IDC_GROUPPOS_LIST, 0, IDC_GROUPPOS_EDIT, 0, IDC_GROUPPOS_NEW, IDC_GROUPPOS_CLEAR, IDC_GROUPPOS_COUNT}, 0) {
    SetInstance(this);
    if (g_Stage.Groups.size() < 2) g_Stage.Groups.resize(2);
    m_Buttons = {CTRL_BUTTON_CLASS({IDC_GROUPPOS_COUNT})};
    // The group in "位置グループの編集", every other window hidden.
    m_GroupEdits.m_Edit = [this](int index) {
        m_lpGroupSet = new (std::nothrow) DLG_GROUPPOS_SET(this, m_pWndList, &m_Groups[index]);
        return RunOwnedDialog(m_lpGroupSet, DLG_HIDE_OTHERS);
    };
}

DLG_GROUPPOS::~DLG_GROUPPOS() { SafeDelete(m_lpGroupSet); }

void DLG_GROUPPOS::AttachCtrls() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_STAGEDLG_PICTURE), SW_HIDE);
    CTRL_LIST_DESC<cGroupPos> desc;
    desc.id = IDC_GROUPPOS_LIST;
    desc.multi = 1;
    desc.source = &g_Stage.Groups;
    desc.working = &m_Groups;
    desc.number = 1;
    desc.minCount = 1;
    desc.maxCount = MAX_GROUPS;
    desc.firstShown = 1;  // group 0 is reserved
    desc.appendRow = 1;
    desc.rowText = GroupRowText;
    m_List.Subclass(this, desc);
    AddCtrl(&m_List);
    // Insert makes a new group and Delete clears the selected ones.
    m_GroupEdits.Attach(this, &m_List,
                        {IDR_ACCEL_GROUP_LIST,
                         {CM_LIST_KEY_CUT, CM_LIST_KEY_COPY, CM_LIST_KEY_PASTE, CM_KEY_INSERT, 0, CM_KEY_DELETE, 0},
                         IDR_MENU_GROUP_LIST,
                         {CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0, 0, CM_GROUP_MENU_CLEAR, 0}});
}

int DLG_GROUPPOS::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int result = ModalOnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_STAGEDLG_OK || id == IDC_STAGEDLG_CANCEL || id == IDCANCEL) return result;
    int changed = 0;
    m_GroupEdits.OnCommand(id, code, &changed);
    RedrawList();
    return result;
}

LRESULT DLG_GROUPPOS::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && m_List.TrackContextMenu(hwnd, reinterpret_cast<HWND>(wParam), lParam)) return TRUE;
    return ModalProc(hwnd, msg, wParam, lParam);
}

int RunGroupPositions(WND_CLASS* parent, WND_LIST_CLASS* wndList) {
    DLG_GROUPPOS* dlg = new (std::nothrow) DLG_GROUPPOS(parent, wndList);
    return RunOwnedDialog(dlg, DLG_DISABLE_OTHERS);
}

// ---- One group's cells -----------------------------------------------------------------

namespace {

// The strip under the view, left to right; OK and Cancel stand at its right end.
const WORD kStrip[] = {IDC_GROUPSET_NAME_LABEL, IDC_GROUPSET_NAME,    IDC_GROUPSET_X_LABEL, IDC_GROUPSET_X,
                       IDC_GROUPSET_X_SPIN,     IDC_GROUPSET_Y_LABEL, IDC_GROUPSET_Y,       IDC_GROUPSET_Y_SPIN,
                       IDC_STAGEDLG_OK,         IDC_STAGEDLG_CANCEL};
const WORD kTabOrder[] = {IDC_GROUPSET_NAME, IDC_GROUPSET_X, IDC_GROUPSET_Y, IDC_STAGEDLG_OK, IDC_STAGEDLG_CANCEL, 0};

}  // namespace

DLG_GROUPPOS_SET::DLG_GROUPPOS_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList, cGroupPos* group)
    : DLG_CLASS(IDD_GROUPPOS_SET, parent, WND_MODE_DIALOG, wndList), m_pGroup(group) {
    SetInstance(this);
    m_Cells.Assign(group->Cells);
    // The view with its bars beside and below it, then the strip.
    const int w = VIEW_W + GetSystemMetrics(SM_CXVSCROLL), h = VIEW_H + GetSystemMetrics(SM_CYHSCROLL) + STRIP_H;
    SetWindowParam(w, h, w, h, w, h, 0, 0, 0, 1, 0, 0);
    typedef CTRL_EDITVAL_CLASS<int> EDIT;
    m_Edits = {
        EDIT({IDC_GROUPSET_X, &group->CenterX, 0, std::max(g_Stage.Width - 1, 0), IDC_GROUPSET_X_SPIN, 1}),
        EDIT({IDC_GROUPSET_Y, &group->CenterY, 0, std::max(g_Stage.Height - 1, 0), IDC_GROUPSET_Y_SPIN, 1}),
    };
    m_Strs = {CTRL_EDITSTR_CLASS({IDC_GROUPSET_NAME, &group->Name, 9, 0, 0, 0, {0, 0, 0, 0}})};
    m_Labels = {CTRL_LABEL_CLASS({IDC_GROUPSET_NAME_LABEL}), CTRL_LABEL_CLASS({IDC_GROUPSET_X_LABEL}),
                CTRL_LABEL_CLASS({IDC_GROUPSET_Y_LABEL})};
}

int DLG_GROUPPOS_SET::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_hStatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "DLG_GROUPPOS_SET", m_hWnd, IDC_GROUPSET_STATUS);
    SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
    RefreshStyle();
    SetClientSize(m_rcInitClient.right, m_rcInitClient.bottom);
    m_View.Create(this, IDC_GROUPSET_VIEW, 0, 0, VIEW_W, VIEW_H);
    const int bar = GetSystemMetrics(SM_CYHSCROLL);
    MoveWindow(GetDlgItem(m_hWnd, IDC_MAP_HSCROLL), 0, VIEW_H, VIEW_W, bar, TRUE);
    MoveWindow(GetDlgItem(m_hWnd, IDC_MAP_VSCROLL), VIEW_W, 0, GetSystemMetrics(SM_CXVSCROLL), VIEW_H, TRUE);
    const int columns = VIEW_W / CELL, rows = VIEW_H / CELL;
    m_HScroll.Attach(this, {IDC_MAP_HSCROLL, nullptr, SB_CTL, 0, 0, std::max(g_Stage.Width - 1, 0), columns, TRUE});
    m_VScroll.Attach(this, {IDC_MAP_VSCROLL, nullptr, SB_CTL, 0, 0, std::max(g_Stage.Height - 1, 0), rows, TRUE});
    AddCtrls(m_Edits);
    AddCtrls(m_Strs);
    AddCtrls(m_Labels);
    PlaceStrip(VIEW_H + bar);
    SetTabOrder(kTabOrder);
    UpdateCtrls();
    m_bCreated = 1;
    return 0;
}

// The strip's items keep their places beside each other; the row is centred
// in the strip, and OK and Cancel move to its right end.
void DLG_GROUPPOS_SET::PlaceStrip(int stripTop) {
    const size_t count = sizeof(kStrip) / sizeof(kStrip[0]);
    RECT rects[count];
    int top = 1 << 30, bottom = -(1 << 30);
    for (size_t i = 0; i < count; ++i) {
        GetWindowRect(GetDlgItem(m_hWnd, kStrip[i]), &rects[i]);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rects[i]), 2);
        top = std::min<int>(top, rects[i].top);
        bottom = std::max<int>(bottom, rects[i].bottom);
    }
    const int dy = stripTop + (STRIP_H - (bottom - top)) / 2 - top;
    const int dx = m_nDrawW - 7 - rects[count - 1].right;
    for (size_t i = 0; i < count; ++i) {
        const RECT& r = rects[i];
        const int shift = kStrip[i] == IDC_STAGEDLG_OK || kStrip[i] == IDC_STAGEDLG_CANCEL ? dx : 0;
        MoveWindow(GetDlgItem(m_hWnd, kStrip[i]), r.left + shift, r.top + dy, r.right - r.left, r.bottom - r.top, TRUE);
    }
}

LRESULT DLG_GROUPPOS_SET::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) m_View.Release();
    return ModalProc(hwnd, msg, wParam, lParam);
}

int DLG_GROUPPOS_SET::OnCommand(WPARAM wParam, LPARAM lParam) {
    // OK gives the group the cells clicked, besides what the controls store.
    if (LOWORD(wParam) == IDC_STAGEDLG_OK) m_pGroup->Cells.Assign(m_Cells);
    return ModalOnCommand(wParam, lParam);
}

int DLG_GROUPPOS_SET::CellAtPointer(LPARAM lParam, cCellPos* cell) const {
    const cGroupView view = {m_View.Width(), m_View.Height(), ScrollX(), ScrollY(), g_Stage.Width, g_Stage.Height};
    return GroupViewCell(view, static_cast<short>(LOWORD(lParam)) - m_nDrawX,
                         static_cast<short>(HIWORD(lParam)) - m_nDrawY, cell);
}

void DLG_GROUPPOS_SET::OnMouseMove(WPARAM, LPARAM lParam) { CellAtPointer(lParam, &m_Cursor); }

void DLG_GROUPPOS_SET::OnLButtonDown(WPARAM, LPARAM lParam) {
    cCellPos cell;
    if (!CellAtPointer(lParam, &cell)) return;
    m_Cursor = cell;
    ToggleGroupCell(m_Cells, cell);
}

void DLG_GROUPPOS_SET::OnPaint() {
    if (!m_bCreated) return;
    cDib& dib = m_View.Surface();
    if (!dib.IsCreated()) return;
    const int w = m_View.Width(), h = m_View.Height();
    dib.Fill(RGB(0, 0, 0));
    const int x0 = ScrollX(), y0 = ScrollY();
    MAP_VIEW::DrawStage(&dib, w, h, x0, y0);
    DrawFrame32(&dib, w, h);
    for (const cCellPos& c : m_Cells)
        dib.Blt((c.X - x0) * CELL, (c.Y - y0) * CELL, CELL, CELL, &g_ImageTable[IMG_ACCESSORY], 64, 64, 0);
    m_View.Present();
    std::string text;
    StringPrintf(text, "座標 (%d,%d)", m_Cursor.X, m_Cursor.Y);
    SendMessageA(m_hStatusBar, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}
