#include "ui/dlg.h"

#include <algorithm>

#include "base/report.h"
#include "ui/ctrl_list.h"
#include "ui/wnd_list.h"

const char kMissingCtrlText[] = "コントロールID 【%u】 が見つかりません！";

void ReportMissingCtrl(unsigned id) {
    ECMSP(kMissingCtrlText, id);
    DestroyMainWindow();
}

int RunModal(DLG_CLASS* dialog, int flags) {
    if (!dialog) {
        MemoryShortageExit();
        return 0;
    }
    return dialog->DoModal(flags) == 1;
}

WORD DLG_CLASS::s_wHScrollId = 0;
WORD DLG_CLASS::s_wVScrollId = 0;

static const char kDlgProp[] = "DLG_CLASS";

DLG_CLASS::DLG_CLASS(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList) {
    Init(resId, parent, wndList);
    SetUp(mode);
}

DLG_CLASS::DLG_CLASS(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef,
                     int center)
    : WND_CLASS(placeRef, center) {
    Init(resId, parent, wndList);
    SetUp(mode);
}

DLG_CLASS::DLG_CLASS(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList, const WND_CLASS* placeRef,
                     int center)
    : WND_CLASS(placeRef, center) {
    Init(resId, parent, wndList);
    SetUp(mode);
}

void DLG_CLASS::SetUp(int mode) {
    m_nMode = mode;
    m_bCreated = 0;
    m_bModeless = 0;
    m_nFlags = 0;
    m_nSpareFlag = 0;
    m_bRefreshing = 0;
}

void DLG_CLASS::Init(WORD resId, WND_CLASS* parent, WND_LIST_CLASS* wndList) {
    m_lpPrevWndProc = nullptr;
    m_pParentObj = parent;
    WND_CLASS::Init(resId, parent ? parent->m_hWnd : nullptr, wndList);
}

DLG_CLASS::~DLG_CLASS() {
    if (m_pSelf == this && m_pWndList && !m_pWndList->m_bClosed && !m_pWndList->RemoveWnd(this))
        ErrorBoxPrintf("ウインドウの破棄に失敗！");
    for (const INSTANCE& instance : m_Instances) instance.forget(instance.self);
}

// ---- Showing and ending --------------------------------------------------------------

void DLG_CLASS::HideOrDisableOthers() {
    if (!m_pWndList) return;
    if (m_nFlags & DLG_HIDE_OTHERS) m_pWndList->ShowAll(0);
    if (m_nFlags & DLG_DISABLE_OTHERS) m_pWndList->EnableAll(0);
}

void DLG_CLASS::RestoreOthers() {
    if (!m_pWndList) return;
    if (m_nFlags & DLG_HIDE_OTHERS) m_pWndList->ShowAll(1);
    if (m_nFlags & DLG_DISABLE_OTHERS) m_pWndList->EnableAll(1);
}

// The modal runs under way, the innermost last.
static std::vector<DLG_CLASS*> s_ModalRuns;

// Showing the hidden windows again activates and raises them over the
// dialog that is still modal, which then takes neither clicks nor keys: it
// comes back on top, and its dialog manager gives the focus back to the
// control that had it.
static void RaiseModal() {
    if (s_ModalRuns.empty()) return;
    HWND wnd = s_ModalRuns.back()->m_hWnd;
    if (!wnd || !IsWindowVisible(wnd)) return;
    SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(wnd);
    SetActiveWindow(wnd);
}

// The parent's window is taken when the dialog opens: dialog objects are
// built before any window exists.
static HWND ParentWindow(const DLG_CLASS* dlg) {
    return dlg->m_pParentObj && dlg->m_pParentObj->m_hWnd ? dlg->m_pParentObj->m_hWnd : dlg->m_hParent;
}

int DLG_CLASS::DoModal(int flags) {
    if (IsWindowOpen()) return 0;
    End(0);
    m_bModeless = 0;
    m_nFlags = flags;
    int hookInstalled = cHook::IsInstalled();
    HideOrDisableOthers();
    s_ModalRuns.push_back(this);
    INT_PTR r = DialogBoxParamA(m_hInst, MAKEINTRESOURCEA(m_wResId), ParentWindow(this), m_lpDlgProc, 0);
    auto run = std::find(s_ModalRuns.begin(), s_ModalRuns.end(), this);
    if (run != s_ModalRuns.end()) s_ModalRuns.erase(run);
    m_hWnd = nullptr;
    RestoreOthers();
    if (m_nFlags & DLG_HIDE_OTHERS) RaiseModal();
    if (!hookInstalled) cHook::Unhook();
    return r == -1 ? 0 : static_cast<int>(r);
}

void DLG_CLASS::Create(int flags, int show) {
    if (IsWindowOpen()) return;
    End(0);
    m_bModeless = 1;
    m_nFlags = flags;
    HideOrDisableOthers();
    HWND wnd = CreateDialogParamA(m_hInst, MAKEINTRESOURCEA(m_wResId), ParentWindow(this), m_lpDlgProc, 0);
    if (!wnd) {
        RestoreOthers();
        ECMSP("システムリソース不足です！");
        MessageBeep(0);
        CloseMainWindow();
        return;
    }
    Show(show);
}

void DLG_CLASS::End(int result) {
    m_nResult = result;
    m_CtrlList.clear();
    if (!IsWindowOpen()) return;
    if (m_bModeless)
        DestroyWindow(m_hWnd);
    else
        EndDialog(m_hWnd, result);
}

// ---- Binding ----------------------------------------------------------------------------

void DLG_CLASS::UpdateCtrls() { UpdateCtrlsExcept(nullptr); }

void DLG_CLASS::UpdateCtrlsExcept(const CTRL_CLASS* except) {
    for (size_t i = 0; i < m_CtrlList.size(); ++i) {
        CTRL_CLASS* c = m_CtrlList[i];
        if (except && c->m_wId == except->m_wId) continue;
        UpdateCtrl(c);
    }
}

void DLG_CLASS::UpdateCtrl(CTRL_CLASS* ctrl) {
    m_bRefreshing = 1;
    ctrl->ValueToCtrl();
    m_bRefreshing = 0;
    ctrl->m_bEdited = 0;
}

void DLG_CLASS::RefreshCtrls(int) { UpdateCtrls(); }
void DLG_CLASS::RefreshCtrlsExcept(int, const CTRL_CLASS* except) { UpdateCtrlsExcept(except); }

void DLG_CLASS::StoreCtrls() {
    for (size_t i = 0; i < m_CtrlList.size(); ++i) m_CtrlList[i]->CtrlToValue();
}

WORD DLG_CLASS::GetChangedCtrlId(WPARAM wParam) const {
    WORD id = LOWORD(wParam), code = HIWORD(wParam);
    for (const CTRL_CLASS* c : m_CtrlList) {
        if (c->m_wId != id) {
            // What is typed into a control's partner item changes the control.
            if (id && c->PartnerId() == id && c->PartnerChanged(code)) return c->m_wId;
            continue;
        }
        switch (c->m_nKind) {
        case CTRL_KIND_BUTTON:
            if (code == BN_CLICKED) return id;
            break;
        case CTRL_KIND_EDITVAL:
        case CTRL_KIND_EDITSTR:
            if (code == EN_UPDATE) return id;
            break;
        case CTRL_KIND_CHECK:
        case CTRL_KIND_SLIDER: return id;
        case CTRL_KIND_COMBO:
            if (code == CBN_SELCHANGE) return id;
            break;
        default: break;
        }
    }
    return 0;
}

void DLG_CLASS::SetScrollBarIds(WORD horizontal, WORD vertical) {
    s_wHScrollId = horizontal;
    s_wVScrollId = vertical;
}

void DLG_CLASS::SetTabOrder(const WORD* ids) {
    for (int i = 0; ids[i] && ids[i + 1]; ++i) {
        SetWindowPos(GetDlgItem(m_hWnd, ids[i + 1]), GetDlgItem(m_hWnd, ids[i]), 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

void DLG_CLASS::AutoScroll(int* h, int* v) {
    static int s_nLeft = 0, s_nRight = 0, s_nUp = 0, s_nDown = 0;
    // One step every 8th call, every call once the mouse is far outside.
    auto due = [](int& counter, int distance) {
        ++counter;
        if (distance > 32 || counter >= 8) {
            counter = 0;
            return true;
        }
        return false;
    };
    int x = m_Mouse.x, y = m_Mouse.y;
    if (x < 0 && due(s_nLeft, -x)) *h = m_HScroll.StepPos(-1);
    if (x >= m_nDrawW && due(s_nRight, x - m_nDrawW)) *h = m_HScroll.StepPos(1);
    if (y < 0 && due(s_nUp, -y)) *v = m_VScroll.StepPos(-1);
    if (y >= m_nDrawH && due(s_nDown, y - m_nDrawH)) *v = m_VScroll.StepPos(1);
}

// ---- Messages -------------------------------------------------------------------------

LRESULT CALLBACK DLG_CLASS::PassThroughProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DLG_CLASS* self = static_cast<DLG_CLASS*>(GetPropA(hwnd, kDlgProp));
    if (!self || !self->m_lpPrevWndProc) return DefDlgProcA(hwnd, msg, wParam, lParam);
    WNDPROC prev = self->m_lpPrevWndProc;
    if (msg == WM_NCDESTROY) RemovePropA(hwnd, kDlgProp);
    return CallWindowProcA(prev, hwnd, msg, wParam, lParam);
}

int DLG_CLASS::OnInitDialog(WPARAM, LPARAM) {
    m_CtrlList.clear();
    if (m_bModeless) {
        m_pSelf = this;
        // Registered once, however often the dialog reopens.
        if (m_pWndList &&
            std::find(m_pWndList->m_Wnds.begin(), m_pWndList->m_Wnds.end(), this) == m_pWndList->m_Wnds.end())
            m_pWndList->AddWnd(this);
    }
    if (!m_lpPrevWndProc) {
        SetPropA(m_hWnd, kDlgProp, this);
        m_lpPrevWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PassThroughProc)));
    }
    RefreshStyle();
    if (m_nOwnScroll & 1) {
        m_HScroll.Attach(this, {s_wHScrollId, nullptr, SB_CTL, 0, 0, 0, 0, TRUE});
        AddCtrl(&m_HScroll);
        MoveWindow(m_HScroll.m_hWnd, m_nDrawX, m_nDrawY + m_nDrawH, m_nDrawW, GetSystemMetrics(SM_CYHSCROLL), TRUE);
        m_HScroll.SetPos(0);
    }
    if (m_nOwnScroll & 2) {
        m_VScroll.Attach(this, {s_wVScrollId, nullptr, SB_CTL, 0, 0, 0, 0, TRUE});
        AddCtrl(&m_VScroll);
        MoveWindow(m_VScroll.m_hWnd, m_nDrawX + m_nDrawW, m_nDrawY, GetSystemMetrics(SM_CXVSCROLL), m_nDrawH, TRUE);
        m_VScroll.SetPos(0);
    }
    PlaceWindow();
    if (!m_Hook.Attach(m_hWnd, m_bModeless, 0)) ErrorBoxPrintf("KeyboardHookに失敗!");
    UpdateMouseState(0, MOUSE_ALL);
    m_PrevMouse = m_Mouse;
    // A release before the window opened is no click of its own.
    m_bRightReleaseDue = 0;
    if (!m_Mouse.rHeld) m_bRightGate = 1;
    if (m_rcInitClient.right) SetClientSize(m_rcInitClient.right, m_rcInitClient.bottom);
    return 0;
}

LRESULT DLG_CLASS::DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = WND_CLASS::WndProc(hwnd, msg, wParam, lParam);
    if (m_bCreated && m_Picture.m_hWnd) {
        HWND focus = GetFocus();
        if (focus && (focus == m_HScroll.m_hWnd || focus == m_VScroll.m_hWnd)) SetFocus(m_Picture.m_hWnd);
    }
    switch (msg) {
    case WM_INITDIALOG: OnInitDialog(wParam, lParam); break;
    case WM_DESTROY: RestoreOthers(); break;
    case WM_SIZE:
        if (m_HScroll.m_hWnd)
            MoveWindow(m_HScroll.m_hWnd, m_nDrawX, m_nDrawY + m_nDrawH, m_nDrawW, GetSystemMetrics(SM_CYHSCROLL), TRUE);
        if (m_VScroll.m_hWnd)
            MoveWindow(m_VScroll.m_hWnd, m_nDrawX + m_nDrawW, m_nDrawY, GetSystemMetrics(SM_CXVSCROLL), m_nDrawH, TRUE);
        break;
    case WM_NOTIFY:
        m_lNotifyAnswered = 0;
        for (size_t i = 0; i < m_CtrlList.size(); ++i)
            if (const int answer = m_CtrlList[i]->OnNotify(wParam, lParam)) {
                m_lNotifyAnswered = lParam;
                m_nNotifyAnswer = answer;
                break;
            }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        CTRL_SCROLL_CLASS& bar = msg == WM_HSCROLL ? m_HScroll : m_VScroll;
        if (bar.OnScroll(LOWORD(wParam), reinterpret_cast<HWND>(lParam))) OnPaint();
        for (size_t i = 0; i < m_CtrlList.size(); ++i)
            if (m_CtrlList[i]->OnScroll(wParam, lParam)) break;
        break;
    }
    case WM_KEYDOWN: {
        static const struct {
            UINT key, msg;
            WORD code;
        } kNavKeys[] = {
            {VK_PRIOR, WM_VSCROLL, SB_PAGEUP},   {VK_NEXT, WM_VSCROLL, SB_PAGEDOWN}, {VK_END, WM_HSCROLL, SB_PAGEDOWN},
            {VK_HOME, WM_HSCROLL, SB_PAGEUP},    {VK_LEFT, WM_HSCROLL, SB_LINEUP},   {VK_UP, WM_VSCROLL, SB_LINEUP},
            {VK_RIGHT, WM_HSCROLL, SB_LINEDOWN}, {VK_DOWN, WM_VSCROLL, SB_LINEDOWN},
        };
        for (const auto& k : kNavKeys) {
            if (k.key != wParam) continue;
            HWND bar = k.msg == WM_HSCROLL ? m_HScroll.m_hWnd : m_VScroll.m_hWnd;
            PostMessageA(hwnd, k.msg, k.code, reinterpret_cast<LPARAM>(bar));
        }
        if (!m_bModeless) {
            int ctrl = cHook::IsCtrlHeld();
            for (size_t i = 0; i < m_CtrlList.size(); ++i) m_CtrlList[i]->OnKeyDown(wParam, lParam, ctrl);
        }
        break;
    }
    case WM_HOOKKEY: SendMessageA(hwnd, WM_KEYDOWN, wParam, lParam); break;
    }
    return r;
}

INT_PTR DLG_CLASS::DialogResult(HWND hwnd, UINT msg, LPARAM lParam, LRESULT r) {
    if (msg != WM_NOTIFY || !lParam || lParam != m_lNotifyAnswered) return static_cast<INT_PTR>(r);
    m_lNotifyAnswered = 0;
    // The sender sees only DWLP_MSGRESULT, and only when the procedure says it
    // handled the message: an up-down whose step a numeric edit refused would
    // otherwise take its own step and write its own integer into the edit.
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, m_nNotifyAnswer);
    return TRUE;
}

int DLG_CLASS::OnCommand(WPARAM wParam, LPARAM) {
    WORD id = LOWORD(wParam), code = HIWORD(wParam);
    for (size_t i = 0; i < m_CtrlList.size(); ++i) {
        CTRL_CLASS* c = m_CtrlList[i];
        if (c->m_wId != id) {
            if (!id || c->PartnerId() != id) continue;
            c->OnPartnerCommand(code);
            break;
        }
        int kind = c->m_nKind;
        if ((kind == CTRL_KIND_EDITVAL || kind == CTRL_KIND_EDITSTR) && code == EN_UPDATE) {
            c->OnChange();
        } else if ((kind == CTRL_KIND_EDITVAL || kind == CTRL_KIND_EDITSTR) && code == EN_KILLFOCUS) {
            c->OnCommand();
        } else if (kind == CTRL_KIND_COMBO && code == CBN_SELCHANGE) {
            c->OnChange();
        } else if (kind == CTRL_KIND_LIST && code == LBN_SELCHANGE) {
            c->OnChange();
        } else if (kind == CTRL_KIND_LIST && code == LBN_KILLFOCUS) {
            c->OnCommand();
        } else {
            continue;
        }
        break;
    }
    if (!m_bRefreshing)
        if (const WORD changed = GetChangedCtrlId(wParam))
            for (CTRL_CLASS* c : m_CtrlList)
                if (c->m_wId == changed) c->m_bEdited = 1;
    // Lists draw again when they are refilled (RedrawList).
    for (size_t i = 0; i < m_CtrlList.size(); ++i) {
        CTRL_CLASS* c = m_CtrlList[i];
        if (c->m_nKind != CTRL_KIND_LIST) continue;
        static_cast<CTRL_LIST_BASE*>(c)->SetDrawing(0);
        c->AfterCommand();
    }
    return 1;
}

void DLG_CLASS::RedrawList() {
    for (size_t i = 0; i < m_CtrlList.size(); ++i)
        if (m_CtrlList[i]->m_nKind == CTRL_KIND_LIST) m_CtrlList[i]->RedrawList();
}

LRESULT DLG_CLASS::ModalProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    // Previews follow every change and the mouse (WM_PAINT has painted already).
    if (msg != WM_PAINT && m_hWnd) OnPaint();
    // Esc (the dialog manager's IDCANCEL; every Cancel button here has its
    // own id) cancels as the close box does.
    if (msg == WM_CLOSE || (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL && IsWindowOpen())) {
        End(0);
        return 1;
    }
    return r ? 1 : 0;
}

int DLG_CLASS::ModalOnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_DLG_OK:
        StoreCtrls();
        End(1);
        return 1;
    case IDC_DLG_CANCEL:
    case IDCANCEL:  // Esc
        End(0);
        return 1;
    }
    // The routing above turned every list's redrawing off; refilled, it draws again.
    RedrawList();
    return 1;
}
