#include "ui/hook.h"

#include <imm.h>

#include "base/report.h"

HHOOK cHook::s_hHook = nullptr;
HHOOK cHook::s_hHook2 = nullptr;
int cHook::s_bCtrl = 0;

static const char kHookProp[] = "cHook";

int cHook::Attach(HWND wnd, int modeless, int option) {
    m_hWnd = wnd;
    m_bModeless = modeless;
    m_bOption = option;
    SetPropA(wnd, kHookProp, this);
    if (s_hHook) return 1;
    s_hHook = SetWindowsHookExA(WH_KEYBOARD, HookProc, nullptr, GetCurrentThreadId());
    return s_hHook != nullptr;
}

int cHook::Unhook() {
    if (s_hHook) {
        if (!UnhookWindowsHookEx(s_hHook)) return 0;
        s_hHook = nullptr;
    }
    if (s_hHook2) {
        if (!UnhookWindowsHookEx(s_hHook2)) return 0;
        s_hHook2 = nullptr;
    }
    return 1;
}

static int ImeState(HWND wnd) {
    HIMC imc = wnd ? ImmGetContext(wnd) : nullptr;
    if (!imc) return HOOK_IME_NO_CONTEXT;
    LONG composing = ImmGetCompositionStringA(imc, GCS_COMPSTR, nullptr, 0);
    ImmReleaseContext(wnd, imc);
    return composing > 0 ? HOOK_IME_COMPOSING : HOOK_IME_IDLE;
}

// Whether the focused control of the active window asks for Return itself,
// as a multi-line edit that breaks its lines does.
static int FocusTakesReturn(HWND active, WPARAM key, LPARAM data) {
    HWND focus = GetFocus();
    if (!focus || focus == active || !IsChild(active, focus)) return 0;
    MSG msg = {focus, WM_KEYDOWN, key, data, 0, {0, 0}};
    const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

static int IsDroppedCombo(HWND wnd) {
    char name[16] = {};
    return wnd && GetClassNameA(wnd, name, sizeof(name)) && lstrcmpiA(name, "ComboBox") == 0 &&
           SendMessageA(wnd, CB_GETDROPPEDSTATE, 0, 0);
}

// A menu's loop, or the list of the focused combo box (whose edit has the
// focus when it has one), takes the keys itself.
static int MenuOrListOpen() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE))) return 1;
    HWND focus = GetFocus();
    return IsDroppedCombo(focus) || (focus && IsDroppedCombo(GetParent(focus)));
}

LRESULT CALLBACK cHook::HookProc(int code, WPARAM key, LPARAM data) {
    if (code < 0 || code == HC_NOREMOVE) return CallNextHookEx(s_hHook, code, key, data);
    HWND active = GetActiveWindow();
    cHook* client = active ? static_cast<cHook*>(GetPropA(active, kHookProp)) : nullptr;
    HOOK_KEY_INPUT in;
    in.key = static_cast<unsigned>(key);
    in.keyUp = (static_cast<DWORD>(data) & 0x80000000u) != 0;
    in.altHeld = (static_cast<DWORD>(data) & 0x20000000u) != 0;
    in.hasClient = client != nullptr;
    in.clientActive = client && client->m_hWnd == active;
    in.option = client ? client->m_bOption : 0;
    in.modeless = client ? client->m_bModeless : 0;
    in.ime = ImeState(active);
    in.ctrlHeld = s_bCtrl;
    in.menuOrListOpen = MenuOrListOpen();
    if (key == VK_RETURN && !in.keyUp && in.clientActive) in.focusTakesReturn = FocusTakesReturn(active, key, data);
    HOOK_KEY_DECISION d = DecideHookKey(in);
    s_bCtrl = d.ctrlHeld;
    if (d.logNoContext) ECMSP("Err ImmGetContext");
    if (d.swallow) return 1;
    if (d.post) PostMessageA(active, d.post, key, data);
    return CallNextHookEx(s_hHook, code, key, data);
}
