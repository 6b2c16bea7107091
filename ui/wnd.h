// The window object under every window of the editor (main frame, dialogs,
// sheet pages): window handle and geometry, message dispatch to virtual
// handlers, mouse state, accelerators and the tool bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "media/dib.h"

class WND_LIST_CLASS;
class CTRL_CLASS;
class cWndPosInfo;

// Window modes.
enum { WND_MODE_TOP = 0, WND_MODE_DIALOG = 1, WND_MODE_PAGE = 2 };

// Where a window was placed last, kept when it has none yet.
const int WND_NO_POSITION = -1000;

// Mouse state relative to the drawing origin, refreshed by every message.
struct MOUSE_STATE {
    int x = 0, y = 0;
    int spare = 0;
    int lHeld = 0, rHeld = 0;          // button down now
    int lPressed = 0, rPressed = 0;    // pressed since the last update
    int lReleased = 0, rReleased = 0;  // released since the last update
};

// Parts of ReadMouseButtons.
enum { MOUSE_HELD = 1, MOUSE_PRESSED = 2, MOUSE_RELEASED = 4, MOUSE_ALL = 7 };

// The window's outer place and size into its record of the editor settings,
// so that it opens there again; 0 when the window has none.
int StoreWindowPlace(HWND hwnd, cWndPosInfo* place);

// Reads the buttons into a mouse state. The pressed-edge latches and the
// remembered held flags are process-wide, so a press is reported once
// however many windows poll.
void ReadMouseButtons(MOUSE_STATE* state, int parts);
// The same with the buttons as a mouse message carries them (its MK_ flags).
void TakeMouseButtons(MOUSE_STATE* state, int parts, int left, int right);

// The mouse buttons are read as the thread's queue has seen them (the
// thread's key state, or a mouse message's flags), never as they are now:
// a press and its release that waited behind a slow message still read as a
// click when they are handled. The reader sets each to 1 while its button
// is down; replaced by tests.
typedef void (*BUTTON_READER)(int* left, int* right);
BUTTON_READER SetButtonReader(BUTTON_READER reader);  // null: the system's
// A reader of a key's state, the sign bit set while the key is down.
typedef SHORT(WINAPI* KEY_READER)(int key);
// The keyboard's asynchronous state (GetAsyncKeyState), replaced by tests.
KEY_READER SetAsyncKeyReader(KEY_READER reader);  // null: the system's

// Destroys an owned object through its virtual destructor and empties the slot.
template <class T>
void SafeDelete(T*& slot) {
    if (slot) {
        delete slot;
        slot = nullptr;
    }
}

// The frame around the client area and the bars inside it.
struct FRAME_METRICS {
    int totalX = 0, totalY = 0;  // outer size less client size
    int left = 0, right = 0;     // borders (right with the window's own vertical bar)
    int top = 0, bottom = 0;     // caption, border, menu / border, own horizontal bar
    int innerX = 0, innerY = 0;  // bars inside the client area
    int spare = 0;
    int ownVScroll = 0;        // own vertical scroll-bar control width
    int toolBar = 0;           // tool-bar height
    int statusAndHScroll = 0;  // status bar plus own horizontal scroll-bar control
};

// One tool-bar button and its tooltip.
struct TOOLBAR_BUTTON {
    TBBUTTON button;
    const char* tip;
    TOOLBAR_BUTTON();
};
// An enabled button: image, command, style (TBSTYLE_BUTTON, TBSTYLE_CHECKGROUP ...) and tooltip.
TOOLBAR_BUTTON ToolButton(int image, int command, BYTE style, const char* tip);
TOOLBAR_BUTTON ToolSeparator();

// Message names of the trace; a number not in the table is its decimal digits.
const char* MessageName(UINT msg);

class WND_CLASS {
public:
    WND_CLASS();
    WND_CLASS(const CTRL_CLASS* placeRef, int center);
    WND_CLASS(const WND_CLASS* placeRef, int center);
    WND_CLASS(const WND_CLASS&) = delete;
    WND_CLASS& operator=(const WND_CLASS&) = delete;

    // Virtual operations in slot order.
    virtual ~WND_CLASS();
    virtual void OnIdle() {}
    virtual int OnCommand(WPARAM, LPARAM) { return 0; }
    virtual void OnMouseMove(WPARAM, LPARAM) {}
    virtual void OnLButtonDown(WPARAM, LPARAM) {}
    virtual void OnRButtonDown(WPARAM, LPARAM) {}
    virtual void OnLButtonDblClk(WPARAM, LPARAM) {}
    virtual void OnRButtonDblClk(WPARAM, LPARAM) {}
    virtual void OnLButtonUp(WPARAM, LPARAM) {}
    virtual void OnRButtonUp(WPARAM, LPARAM) {}
    virtual LRESULT MsgProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
    virtual LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void RedrawList() {}
    virtual void OnPaint() {}

    void Init(WORD resId, HWND parent, WND_LIST_CLASS* wndList);
    int IsWindowOpen() const { return m_hWnd && IsWindow(m_hWnd); }

    // Geometry.
    void SetWindowParam(int width, int height, int minWidth, int minHeight, int maxWidth, int maxHeight, DWORD style,
                        int menu, int toolBar, int statusBar, int option, int ownScroll);
    int CalcFrameSize();
    void RefreshStyle();
    void AddStyle(DWORD bits);
    void RemoveStyle(DWORD bits);
    void Enable(int flag);
    void Move(int x, int y);
    void SetClientSize(int width, int height);
    // The view (the client area less the bars inside it) that an outer
    // window size leaves with the frame and bars the window has now.
    SIZE ViewOfWindowSize(int width, int height) const;
    // A window size stored in a window record: the view it leaves, kept
    // within the window's smallest and largest view, is the window's size
    // from now on. Called once the bars stand.
    void TakeWindowSize(int width, int height);
    void PlaceWindow();
    // Where the window first opens: the stored place when it holds one,
    // otherwise (dx, dy) from the top-left corner of `beside`'s window, or
    // from its top-right corner with `fromRight`; with neither, where the
    // window would open anyway.
    void StartAt(const cWndPosInfo* stored, const WND_CLASS* beside, int fromRight, int dx, int dy);
    int GetMaxWindowWidth() const;
    int GetMaxWindowHeight() const;
    void GetWindowPos(POINT* pt) const;
    void GetClientRectOf(RECT* rc) const;
    int GetToolBarHeight() const;
    int GetStatusBarHeight() const;
    // The status bar's simple text; the bar draws itself whole at every
    // change, so an unchanged text is not set again.
    void SetStatusText(const char* text);
    void Show(int flag);
    // The keyboard focus to the window, unless it or one of its controls
    // has it already (a dialog hands it on to a control at once).
    void TakeFocus();

    // Tool bar: the bar itself (child `id`, with tooltips), then its buttons.
    void CreateToolBar(WORD id);
    int AddStdToolButtons(TOOLBAR_BUTTON* buttons, int count);
    int AddToolButtons(TOOLBAR_BUTTON* buttons, int count, const char* bitmapFile);
    void AddToolTip(TOOLBAR_BUTTON* button, int index);

    // Accelerators and menus.
    void AddAccelerator(HWND target, WORD tableId);
    void TrackPopup(HMENU menu);

    // Mouse.
    int UpdateMouseState(int force, int parts);
    // The same for the message being handled: a mouse message gives the
    // point and the buttons itself.
    int UpdateMouseStateFrom(UINT msg, WPARAM wParam, LPARAM lParam);
    // The right-click gate: 1 once for each release of the right button that
    // came since the last call, the left button up, this window (or this
    // page of its active sheet) active.
    int IsCurrentPage();
    int IsRightClicked() { return IsCurrentPage(); }
    BOOL CheckCommand(WPARAM) { return TRUE; }
    // The paint device context while WM_PAINT is handled, else null.
    HDC GetPaintDC() const { return m_hPaintDC; }
    // Copies the off-screen drawing surface onto the window at the drawing
    // origin: the OnPaint of windows that draw off-screen.
    void Present();
    void Present(HDC paintDC);

    struct ACCEL_ENTRY {
        HACCEL table;
        HWND target;
    };

    int m_nMode = WND_MODE_TOP;
    HWND m_hWnd = nullptr;
    HINSTANCE m_hInst = nullptr;
    WORD m_wResId = 0;
    HWND m_hParent = nullptr;
    HWND m_hOwner = nullptr;  // a sheet page's sheet window
    DLGPROC m_lpDlgProc = nullptr;
    WND_CLASS* m_pSelf = nullptr;
    WND_LIST_CLASS* m_pWndList = nullptr;
    HDC m_hPaintDC = nullptr;  // the window surface while WM_PAINT is handled
    cDib m_DrawDib;            // the off-screen drawing surface
    POINT m_WndPos = {0, 0};
    int m_nDrawX = 0, m_nDrawY = 0;
    int m_nDrawW = 0, m_nDrawH = 0;
    MOUSE_STATE m_Mouse;
    POINT m_CursorPos = {0, 0};  // screen position of the cursor at the last update
    MOUSE_STATE m_PrevMouse;
    int m_bRightGate = 0;
    // A release that an update saw, kept for the gate: the message whose
    // update sees it (the cursor's, before a button's own) need not be the
    // one after which, or the idle step at which, the window asks.
    int m_bRightReleaseDue = 0;
    RECT m_rcInitClient = {0, 0, 0, 0};
    RECT m_rcClient = {0, 0, 0, 0};
    SIZE m_MinClient = {0, 0};
    SIZE m_MaxClient = {0, 0};
    RECT m_rcWindow = {0, 0, 0, 0};
    DWORD m_dwStyle = 0;
    int m_bMenu = 0, m_bToolBar = 0, m_bStatusBar = 0, m_nOption = 0, m_nOwnScroll = 0;
    HWND m_hToolBar = nullptr, m_hStatusBar = nullptr;
    HWND m_hToolTip = nullptr;  // one for every tool-bar button: a second one would take the bar from the first
    FRAME_METRICS m_Frame;
    std::vector<ACCEL_ENTRY> m_Accels;
    int m_bCreated = 0;
    int m_bLayoutDone = 0;
    int m_bInCommand = 0;
    std::string m_strName;
    int m_bTrace = 0;
    int m_nRememberX = WND_NO_POSITION, m_nRememberY = WND_NO_POSITION;
    const HWND* m_phPlaceRef = nullptr;  // the window handle of the placement reference
    int m_bCenter = 0;
};

// A top-level window with a creation hook, called on WM_CREATE.
class VIEW_CLASS : public WND_CLASS {
public:
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual void OnCreate(WPARAM, LPARAM) {}
};
