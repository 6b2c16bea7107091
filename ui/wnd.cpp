#include "ui/wnd.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "base/editor_settings.h"
#include "base/report.h"
#include "ui/ctrl.h"
#include "ui/wnd_list.h"

namespace {

// One call reads both buttons: each read of the key state asks the server.
void ThreadButtons(int* left, int* right) {
    BYTE keys[256];
    if (!GetKeyboardState(keys)) {
        *left = *right = 0;
        return;
    }
    *left = (keys[VK_LBUTTON] & 0x80) != 0;
    *right = (keys[VK_RBUTTON] & 0x80) != 0;
}

BUTTON_READER g_pfnButtons = ThreadButtons;
KEY_READER g_pfnAsyncKey = GetAsyncKeyState;

// Process-wide button latches and the held flags remembered by the last read.
int g_bLatchL = 0, g_bLatchR = 0;
int g_bLastHeldL = 0, g_bLastHeldR = 0;

}  // namespace

BUTTON_READER SetButtonReader(BUTTON_READER reader) {
    return std::exchange(g_pfnButtons, reader ? reader : ThreadButtons);
}

KEY_READER SetAsyncKeyReader(KEY_READER reader) {
    return std::exchange(g_pfnAsyncKey, reader ? reader : GetAsyncKeyState);
}

int StoreWindowPlace(HWND hwnd, cWndPosInfo* place) {
    RECT wr;
    if (!GetWindowRect(hwnd, &wr)) return 0;
    place->Set(wr.left, wr.top, wr.right - wr.left, wr.bottom - wr.top);
    return 1;
}

void ReadMouseButtons(MOUSE_STATE* state, int parts) {
    int left = 0, right = 0;
    g_pfnButtons(&left, &right);
    TakeMouseButtons(state, parts, left, right);
}

void TakeMouseButtons(MOUSE_STATE* state, int parts, int downL, int downR) {
    g_bLastHeldL = state->lHeld;
    g_bLastHeldR = state->rHeld;
    if (parts & MOUSE_HELD) {
        state->lHeld = downL;
        state->rHeld = downR;
    }
    if (parts & MOUSE_PRESSED) {
        state->lPressed = downL && !g_bLatchL;
        g_bLatchL = downL;
        state->rPressed = downR && !g_bLatchR;
        g_bLatchR = downR;
    }
    if (parts & MOUSE_RELEASED) {
        state->lReleased = g_bLastHeldL && !state->lHeld;
        state->rReleased = g_bLastHeldR && !state->rHeld;
    }
}

TOOLBAR_BUTTON::TOOLBAR_BUTTON() : button(), tip(nullptr) { std::memset(&button, 0, sizeof(button)); }

TOOLBAR_BUTTON ToolButton(int image, int command, BYTE style, const char* tip) {
    TOOLBAR_BUTTON b;
    b.button.iBitmap = image;
    b.button.idCommand = command;
    b.button.fsState = TBSTATE_ENABLED;
    b.button.fsStyle = style;
    b.tip = tip;
    return b;
}

TOOLBAR_BUTTON ToolSeparator() {
    TOOLBAR_BUTTON b;
    b.button.fsStyle = TBSTYLE_SEP;
    return b;
}

WND_CLASS::WND_CLASS() {}

WND_CLASS::WND_CLASS(const CTRL_CLASS* placeRef, int center)
    : m_phPlaceRef(placeRef ? &placeRef->m_hWnd : nullptr), m_bCenter(center) {}

WND_CLASS::WND_CLASS(const WND_CLASS* placeRef, int center)
    : m_phPlaceRef(placeRef ? &placeRef->m_hWnd : nullptr), m_bCenter(center) {}

WND_CLASS::~WND_CLASS() {
    for (ACCEL_ENTRY& a : m_Accels) DestroyAcceleratorTable(a.table);
}

void WND_CLASS::Init(WORD resId, HWND parent, WND_LIST_CLASS* wndList) {
    m_wResId = resId;
    m_hParent = parent;
    m_pWndList = wndList;
    m_hInst = g_hWndMain ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(g_hWndMain, GWLP_HINSTANCE))
                         : GetModuleHandleA(nullptr);
}

// ---- Geometry -----------------------------------------------------------------

void WND_CLASS::SetWindowParam(int width, int height, int minWidth, int minHeight, int maxWidth, int maxHeight,
                               DWORD style, int menu, int toolBar, int statusBar, int option, int ownScroll) {
    m_dwStyle = style;
    m_bMenu = menu;
    m_bToolBar = toolBar;
    m_bStatusBar = statusBar;
    m_nOption = option;
    m_nOwnScroll = ownScroll;
    SetRect(&m_rcClient, 0, 0, width, height);
    m_rcInitClient = m_rcClient;
    m_MinClient = {minWidth, minHeight};
    m_MaxClient = {maxWidth, maxHeight};
    m_nDrawX = 0;
    m_nDrawY = GetToolBarHeight();
    if (m_nMode == WND_MODE_TOP) CalcFrameSize();
}

int WND_CLASS::CalcFrameSize() {
    FRAME_METRICS& f = m_Frame;
    int caption = (m_dwStyle & WS_CAPTION) ? GetSystemMetrics(SM_CYCAPTION) : 0;
    int fx = 0, fy = 0;
    if (m_dwStyle & WS_THICKFRAME) {
        fx = GetSystemMetrics(SM_CXFRAME);
        fy = GetSystemMetrics(SM_CYFRAME);
    } else if (m_dwStyle & WS_DLGFRAME) {
        fx = GetSystemMetrics(SM_CXDLGFRAME);
        fy = GetSystemMetrics(SM_CYDLGFRAME);
    }
    int hscroll = (m_dwStyle & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    int vscroll = (m_dwStyle & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    int menu = 0;
    if (m_nMode == WND_MODE_TOP) {
        menu = m_bMenu ? GetSystemMetrics(SM_CYMENU) : 0;
    } else if (m_hWnd) {
        RECT wr, cr;
        GetWindowRect(m_hWnd, &wr);
        GetClientRect(m_hWnd, &cr);
        menu = (wr.bottom - wr.top) - (cr.bottom - cr.top) - caption - 2 * fy - hscroll;
        if (menu < 0) menu = 0;
    }
    f.left = fx;
    f.right = fx + vscroll;
    f.top = caption + fy + menu;
    f.bottom = fy + hscroll;
    f.totalX = f.left + f.right;
    f.totalY = f.top + f.bottom;
    f.ownVScroll = (m_nOwnScroll & 2) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    f.toolBar = m_bToolBar ? GetToolBarHeight() : 0;
    f.statusAndHScroll =
        ((m_nOwnScroll & 1) ? GetSystemMetrics(SM_CYHSCROLL) : 0) + (m_bStatusBar == 1 ? GetStatusBarHeight() : 0);
    f.innerX = f.spare + f.ownVScroll;
    f.innerY = f.toolBar + f.statusAndHScroll;
    int width = m_rcClient.right - m_rcClient.left, height = m_rcClient.bottom - m_rcClient.top;
    m_rcWindow.right = m_rcWindow.left + width + f.totalX;
    m_rcWindow.bottom = m_rcWindow.top + height + f.totalY;
    m_nDrawX = 0;
    m_nDrawY = f.toolBar;
    m_nDrawW = width - f.innerX;
    m_nDrawH = height - f.innerY;
    return m_nDrawW;
}

void WND_CLASS::RefreshStyle() {
    if (!m_hWnd) return;
    m_dwStyle = static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE));
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    SetRect(&m_rcClient, 0, 0, rc.right - rc.left, rc.bottom - rc.top);
    CalcFrameSize();
}

// The window's own style is the base: the copy misses what ShowWindow and
// EnableWindow changed since the last refresh.
void WND_CLASS::AddStyle(DWORD bits) {
    if (m_hWnd) m_dwStyle = static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE));
    m_dwStyle |= bits;
    if (m_hWnd) SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(m_dwStyle));
    RefreshStyle();
}

void WND_CLASS::RemoveStyle(DWORD bits) {
    if (m_hWnd) m_dwStyle = static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE));
    m_dwStyle &= ~bits;
    if (m_hWnd) SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(m_dwStyle));
    RefreshStyle();
}

void WND_CLASS::Enable(int flag) {
    if (flag)
        RemoveStyle(WS_DISABLED);
    else
        AddStyle(WS_DISABLED);
}

void WND_CLASS::Move(int x, int y) {
    SetWindowPos(m_hWnd, nullptr, x, y, m_rcWindow.right - m_rcWindow.left, m_rcWindow.bottom - m_rcWindow.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_WndPos = {x, y};
    CalcFrameSize();
}

void WND_CLASS::SetClientSize(int width, int height) {
    SetRect(&m_rcClient, 0, 0, width + m_Frame.innerX, height + m_Frame.innerY);
    int w = m_rcClient.right + m_Frame.totalX, h = m_rcClient.bottom + m_Frame.totalY;
    SetWindowPos(m_hWnd, nullptr, m_WndPos.x, m_WndPos.y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    CalcFrameSize();
}

SIZE WND_CLASS::ViewOfWindowSize(int width, int height) const {
    return {width - m_Frame.totalX - m_Frame.innerX, height - m_Frame.totalY - m_Frame.innerY};
}

void WND_CLASS::TakeWindowSize(int width, int height) {
    CalcFrameSize();
    SIZE view = ViewOfWindowSize(width, height);
    if (view.cx < m_MinClient.cx) view.cx = m_MinClient.cx;
    if (view.cy < m_MinClient.cy) view.cy = m_MinClient.cy;
    if (m_MaxClient.cx && view.cx > m_MaxClient.cx) view.cx = m_MaxClient.cx;
    if (m_MaxClient.cy && view.cy > m_MaxClient.cy) view.cy = m_MaxClient.cy;
    SetRect(&m_rcInitClient, 0, 0, view.cx, view.cy);
    SetClientSize(view.cx, view.cy);
}

void WND_CLASS::PlaceWindow() {
    int x, y;
    int outerW = m_rcWindow.right - m_rcWindow.left, outerH = m_rcWindow.bottom - m_rcWindow.top;
    if (m_hWnd) {
        RECT wr;
        GetWindowRect(m_hWnd, &wr);
        outerW = wr.right - wr.left;
        outerH = wr.bottom - wr.top;
        m_rcWindow = {0, 0, outerW, outerH};
    }
    HWND ref = m_phPlaceRef ? *m_phPlaceRef : nullptr;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (ref) {
        RECT rr;
        GetWindowRect(ref, &rr);
        x = rr.left;
        y = rr.top;
        if (m_bCenter) {
            RECT rc, own;
            GetClientRect(ref, &rc);
            GetClientRect(m_hWnd, &own);
            x = rr.left + rc.right / 2 - own.right / 2;
            y = rr.top + rc.bottom / 2 - own.bottom / 2;
        }
        if (x < 0) x = 0;
        if (x + outerW >= work.right) x = work.right - outerW;
        if (y < 0) {
            Move(x, 0);
            return;
        }
        if (y + outerH >= work.bottom) y = work.bottom - outerH;
        Move(x, y);
        return;
    }
    if (m_nRememberX == WND_NO_POSITION || m_nRememberY == WND_NO_POSITION) return;
    x = m_nRememberX;
    y = m_nRememberY;
    if (x < 0) x = 0;
    if (x + outerW >= work.right) x = work.right - outerW;
    if (y < 0) y = 0;
    if (y + outerH >= work.bottom) y = work.bottom - outerH;
    m_nRememberX = x;
    m_nRememberY = y;
    Move(x, y);
}

void WND_CLASS::StartAt(const cWndPosInfo* stored, const WND_CLASS* beside, int fromRight, int dx, int dy) {
    RECT rc;
    if (stored && stored->Valid) {
        m_nRememberX = stored->X;
        m_nRememberY = stored->Y;
    } else if (beside && beside->m_hWnd && GetWindowRect(beside->m_hWnd, &rc)) {
        m_nRememberX = (fromRight ? rc.right : rc.left) + dx;
        m_nRememberY = rc.top + dy;
    }
}

int WND_CLASS::GetMaxWindowWidth() const { return m_MaxClient.cx + m_Frame.totalX + m_Frame.innerX; }
int WND_CLASS::GetMaxWindowHeight() const { return m_MaxClient.cy + m_Frame.totalY + m_Frame.innerY; }

void WND_CLASS::GetWindowPos(POINT* pt) const {
    RECT wr = {0, 0, 0, 0};
    if (m_hWnd) GetWindowRect(m_hWnd, &wr);
    pt->x = wr.left;
    pt->y = wr.top;
}

void WND_CLASS::GetClientRectOf(RECT* rc) const {
    if (m_hWnd) GetClientRect(m_hWnd, rc);
}

static int BarHeight(HWND bar) {
    if (!bar) return 0;
    RECT rc;
    GetWindowRect(bar, &rc);
    return rc.bottom - rc.top;
}

int WND_CLASS::GetToolBarHeight() const { return BarHeight(m_hToolBar); }
int WND_CLASS::GetStatusBarHeight() const { return BarHeight(m_hStatusBar); }

void WND_CLASS::SetStatusText(const char* text) {
    if (!m_hStatusBar) return;
    // The simple text is part 0 to read, SB_SIMPLEID to write. The length
    // is counted in characters: a buffer of twice as many bytes holds it.
    const int length = LOWORD(SendMessageA(m_hStatusBar, SB_GETTEXTLENGTHA, 0, 0));
    std::string shown(2 * static_cast<size_t>(length) + 1, '\0');
    SendMessageA(m_hStatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(&shown[0]));
    shown.resize(std::strlen(shown.c_str()));
    if (shown != text) SendMessageA(m_hStatusBar, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text));
}

void WND_CLASS::Show(int flag) { ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE); }

void WND_CLASS::TakeFocus() {
    HWND focus = GetFocus();
    if (m_hWnd && focus != m_hWnd && !IsChild(m_hWnd, focus)) SetFocus(m_hWnd);
}

// ---- Tool bar, accelerators, menus -----------------------------------------------

void WND_CLASS::CreateToolBar(WORD id) {
    m_hToolBar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                                 m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_hInst, nullptr);
    SendMessageA(m_hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

int WND_CLASS::AddStdToolButtons(TOOLBAR_BUTTON* buttons, int count) {
    TBADDBITMAP bitmap = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    int first = static_cast<int>(SendMessageA(m_hToolBar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&bitmap)));
    for (int i = 0; i < count; ++i) {
        if (!(buttons[i].button.fsStyle & TBSTYLE_SEP)) buttons[i].button.iBitmap += first;
        SendMessageA(m_hToolBar, TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&buttons[i].button));
        AddToolTip(&buttons[i], -1);
    }
    return 1;
}

int WND_CLASS::AddToolButtons(TOOLBAR_BUTTON* buttons, int count, const char* bitmapFile) {
    HBITMAP bmp = static_cast<HBITMAP>(
        LoadImageA(nullptr, bitmapFile, IMAGE_BITMAP, count * 16, 15, LR_LOADFROMFILE | LR_SHARED));
    if (!bmp) return 0;
    TBADDBITMAP bitmap = {nullptr, reinterpret_cast<UINT_PTR>(bmp)};
    int first = static_cast<int>(SendMessageA(m_hToolBar, TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&bitmap)));
    for (int i = 0; i < count; ++i) {
        buttons[i].button.iBitmap += first;
        SendMessageA(m_hToolBar, TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&buttons[i].button));
        AddToolTip(&buttons[i], -1);
    }
    return 1;
}

void WND_CLASS::AddToolTip(TOOLBAR_BUTTON* button, int index) {
    // A tooltip window takes the mouse messages of the tool bar by
    // subclassing it, and each further one takes them from the one before:
    // every button shares one window.
    if (!button->tip) return;  // a separator
    if (!m_hToolTip)
        // A pop-up: an overlapped tip would be a top-level window that the
        // system manages, and hiding it could stall the thread.
        m_hToolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, m_hInst, nullptr);
    if (!m_hToolTip) return;
    if (index == -1) index = static_cast<int>(SendMessageA(m_hToolBar, TB_BUTTONCOUNT, 0, 0)) - 1;
    TOOLINFOA ti;
    std::memset(&ti, 0, sizeof(ti));
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = m_hToolBar;
    ti.uId = reinterpret_cast<UINT_PTR>(button->tip);
    ti.lpszText = const_cast<char*>(button->tip);
    SendMessageA(m_hToolBar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&ti.rect));
    SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void WND_CLASS::AddAccelerator(HWND target, WORD tableId) {
    HACCEL table = LoadAcceleratorsA(m_hInst, MAKEINTRESOURCEA(tableId));
    m_Accels.push_back({table, target});
}

void WND_CLASS::TrackPopup(HMENU menu) {
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, m_CursorPos.x, m_CursorPos.y, 0, m_hWnd, nullptr);
}

// ---- Mouse ------------------------------------------------------------------------

void WND_CLASS::Present() {
    if (!m_hWnd || !m_DrawDib.m_hDC) return;
    HDC dc = m_hPaintDC ? m_hPaintDC : GetDC(m_hWnd);
    Present(dc);
    if (!m_hPaintDC) ReleaseDC(m_hWnd, dc);
}

void WND_CLASS::Present(HDC paintDC) {
    if (!paintDC || !m_DrawDib.m_hDC) return;
    cDib::Blt(paintDC, m_nDrawX, m_nDrawY, m_DrawDib.m_nWidth, m_DrawDib.m_nHeight, &m_DrawDib, 0, 0, 1);
}

int WND_CLASS::UpdateMouseState(int force, int parts) {
    if (!m_hWnd) return 0;
    POINT pt = {0, 0};
    if (!GetCursorPos(&pt)) ECSP("GetCursorPos失敗！");
    POINT client = pt;
    ScreenToClient(m_hWnd, &client);
    int x = client.x - m_nDrawX, y = client.y - m_nDrawY;
    if (!force && (x < 0 || y < 0 || x >= m_nDrawW || y >= m_nDrawH)) return 0;
    m_Mouse.x = x;
    m_Mouse.y = y;
    // The real screen point: the list hit test and the popup menu use it.
    m_CursorPos = pt;
    HWND active = GetActiveWindow();
    if (active && (active == m_hWnd || active == m_hOwner)) {
        ReadMouseButtons(&m_Mouse, parts);
        if (parts & MOUSE_RELEASED) m_bRightReleaseDue |= m_Mouse.rReleased;
    }
    return 1;
}

int WND_CLASS::UpdateMouseStateFrom(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The wheel's point is on the screen, the other mouse messages' in the client area.
    if (msg < WM_MOUSEFIRST || msg > WM_MBUTTONDBLCLK || !m_hWnd) return UpdateMouseState(0, MOUSE_ALL);
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const int x = pt.x - m_nDrawX, y = pt.y - m_nDrawY;
    if (x < 0 || y < 0 || x >= m_nDrawW || y >= m_nDrawH) return 0;
    m_Mouse.x = x;
    m_Mouse.y = y;
    ClientToScreen(m_hWnd, &pt);
    m_CursorPos = pt;
    HWND active = GetActiveWindow();
    if (active && (active == m_hWnd || active == m_hOwner)) {
        TakeMouseButtons(&m_Mouse, MOUSE_ALL, (wParam & MK_LBUTTON) != 0, (wParam & MK_RBUTTON) != 0);
        m_bRightReleaseDue |= m_Mouse.rReleased;
    }
    return 1;
}

int WND_CLASS::IsCurrentPage() {
    const int released = std::exchange(m_bRightReleaseDue, 0);
    // Not before the window's initialisation has finished.
    if (!m_bCreated || !m_hWnd) return 0;
    if (!m_bRightGate) {
        if (!m_Mouse.rHeld) m_bRightGate = 1;
        return 0;
    }
    if (m_Mouse.lHeld || !released) return 0;
    HWND active = GetActiveWindow();
    int current;
    if (m_nMode == WND_MODE_PAGE)
        current = m_hOwner && active == m_hOwner &&
                  reinterpret_cast<HWND>(SendMessageA(m_hOwner, PSM_GETCURRENTPAGEHWND, 0, 0)) == m_hWnd;
    else
        current = active == m_hWnd;
    if (!current) return 0;
    m_bRightGate = 0;
    return 1;
}

// ---- The generic window procedure ---------------------------------------------------

LRESULT WND_CLASS::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    m_hWnd = msg == WM_NCDESTROY ? nullptr : hwnd;
    if (msg == WM_COMMAND) {
        if (m_bInCommand) return 0;
        m_bInCommand = 1;
    }
    if (m_bTrace && msg != WM_GETTEXT) {
        ECSP("%s | msg:%s | wp:%u(%u,%u) | lp:%d(%d,%d)", m_strName.c_str(), MessageName(msg),
             static_cast<unsigned>(wParam), HIWORD(wParam), LOWORD(wParam), static_cast<int>(lParam),
             static_cast<int>(HIWORD(lParam)), static_cast<int>(LOWORD(lParam)));
    }
    if (!m_bLayoutDone && (!m_bToolBar || m_hToolBar) && (!m_bStatusBar || m_hStatusBar) && m_hWnd) {
        m_bLayoutDone = 1;
        if (m_bToolBar || m_bStatusBar) {
            CalcFrameSize();
            Move(m_WndPos.x, m_WndPos.y);
            if (m_rcInitClient.right) SetClientSize(m_rcInitClient.right, m_rcInitClient.bottom);
        }
    }
    UpdateMouseStateFrom(msg, wParam, lParam);
    switch (msg) {
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 1;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 1;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 1;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, lParam); return 1;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(wParam, lParam); return 1;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 1;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        m_hPaintDC = BeginPaint(hwnd, &ps);
        OnPaint();
        EndPaint(hwnd, &ps);
        m_hPaintDC = nullptr;
        return 1;
    }
    case WM_DESTROY:
        m_hWnd = nullptr;
        m_hToolTip = nullptr;  // owned by the window, so gone with it
        return 1;
    case WM_MOVE: GetWindowPos(&m_WndPos); return 1;
    case WM_SIZE:
        RefreshStyle();
        if (m_hToolBar) SendMessageA(m_hToolBar, WM_SIZE, wParam, lParam);
        if (m_hStatusBar) {
            int h = GetStatusBarHeight();
            SetWindowPos(m_hStatusBar, nullptr, 0, m_rcClient.bottom - h, m_nDrawW, h, SWP_NOZORDER);
            SendMessageA(m_hStatusBar, WM_SIZE, wParam, lParam);
            // The bar repaints only what a resize uncovers, so the size grip
            // would stay drawn where the corner was.
            InvalidateRect(m_hStatusBar, nullptr, TRUE);
        }
        return 1;
    case WM_GETMINMAXINFO: {
        // A window that set no sizes keeps the system's limits.
        if (!m_MaxClient.cx && !m_MaxClient.cy && !m_MinClient.cx && !m_MinClient.cy) return 1;
        MINMAXINFO* mm = reinterpret_cast<MINMAXINFO*>(lParam);
        mm->ptMinTrackSize.x = m_MinClient.cx + m_Frame.totalX + m_Frame.innerX;
        mm->ptMinTrackSize.y = m_MinClient.cy + m_Frame.totalY + m_Frame.innerY;
        // The system's sizing loop stops the mouse one pixel inside the
        // largest size; WM_SIZING holds the size to the limit itself.
        mm->ptMaxTrackSize.x = GetMaxWindowWidth() + 1;
        mm->ptMaxTrackSize.y = GetMaxWindowHeight() + 1;
        return 1;
    }
    case WM_SIZING: {
        if (!m_MaxClient.cx && !m_MaxClient.cy) return 0;
        RECT* r = reinterpret_cast<RECT*>(lParam);
        const int maxW = GetMaxWindowWidth(), maxH = GetMaxWindowHeight();
        if (r->right - r->left > maxW) {
            if (wParam == WMSZ_LEFT || wParam == WMSZ_TOPLEFT || wParam == WMSZ_BOTTOMLEFT)
                r->left = r->right - maxW;
            else
                r->right = r->left + maxW;
        }
        if (r->bottom - r->top > maxH) {
            if (wParam == WMSZ_TOP || wParam == WMSZ_TOPLEFT || wParam == WMSZ_TOPRIGHT)
                r->top = r->bottom - maxH;
            else
                r->bottom = r->top + maxH;
        }
        return 1;
    }
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        m_bInCommand = 0;
        return 1;
    case WM_ACTIVATEAPP: return 1;
    }
    return 0;
}

LRESULT VIEW_CLASS::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = WND_CLASS::WndProc(hwnd, msg, wParam, lParam);
    if (msg == WM_CREATE) OnCreate(wParam, lParam);
    return r;
}
