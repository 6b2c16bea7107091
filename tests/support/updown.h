// An up-down worked as the user works it, with real input: the pointer is
// moved onto one of its arrows and clicked or held there, or left resting on
// the arrow while Up or Down is pressed in the edit it steps. Wine's up-down
// runs timers of its own after a click and after a key, so each step is
// followed by the messages of the next moments.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

enum UPDOWN_WAY {
    UPDOWN_CLICK_UP,
    UPDOWN_CLICK_DOWN,
    UPDOWN_KEY_UP,
    UPDOWN_KEY_DOWN,
    // Up (Down), then within a quarter second a press on the up (down)
    // arrow, released a moment later: two steps.
    UPDOWN_KEY_PRESS_UP,
    UPDOWN_KEY_PRESS_DOWN,
    // The up (down) arrow held while Up (Down) is pressed, released before
    // it repeats: two steps.
    UPDOWN_HOLD_KEY_UP,
    UPDOWN_HOLD_KEY_DOWN,
};

// Runs the thread's messages until `ms` milliseconds after `last` (a
// mouse or key message) went through, at most two seconds; with `last` 0,
// for `ms` milliseconds. A message `filter` takes is not dispatched again.
inline void RunUpDownMessages(UINT last, DWORD ms, int (*filter)(MSG*) = nullptr) {
    DWORD until = GetTickCount() + (last ? 2000 : ms);
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const UINT kind = msg.message;
            if (!filter || !filter(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (last && kind == last && GetTickCount() + ms < until) until = GetTickCount() + ms;
        }
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(until - now) <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_ALLINPUT);
    }
}

inline void SendUpDownButton(int release) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = release ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &in, sizeof(INPUT));
}

// A press and release of the left button where the pointer rests, and the
// messages until `ms` milliseconds after the release.
inline void SendUpDownClick(DWORD ms = 50) {
    SendUpDownButton(0);
    SendUpDownButton(1);
    RunUpDownMessages(WM_LBUTTONUP, ms);
}

// Up (or Down) pressed and let go in the edit.
inline void SendUpDownKey(HWND edit, int up) {
    SetFocus(edit);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = static_cast<WORD>(up ? VK_UP : VK_DOWN);
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

// Moves the pointer onto the middle of `wnd`, or of the upper or lower
// quarter of it (a vertical up-down's arrows), with real input.
inline void PointAt(HWND wnd, int part) {
    RECT rc = {};
    GetWindowRect(wnd, &rc);
    const int h = rc.bottom - rc.top;
    SetCursorPos((rc.left + rc.right) / 2, part > 0 ? rc.top + h / 4 : part < 0 ? rc.bottom - h / 4 : rc.top + h / 2);
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;  // by nothing: the window sees the pointer arrive
    SendInput(1, &move, sizeof(INPUT));
    RunUpDownMessages(WM_MOUSEMOVE, 50);
}

// Puts `from` into the up-down's edit (as pasted; null leaves the edit as it
// is), works the up-down `times` times and returns what the edit then shows.
// The up-down's window is brought to the front and shown first, if need be.
inline std::string StepUpDown(HWND spin, const char* from, UPDOWN_WAY way, int times = 1) {
    HWND edit = reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0));
    if (!IsWindowEnabled(edit) || !IsWindowEnabled(spin)) return "(disabled: no user can step it)";
    HWND top = GetAncestor(spin, GA_ROOT);
    if (!IsWindowVisible(top)) ShowWindow(top, SW_SHOWNA);
    SetForegroundWindow(top);
    SetActiveWindow(top);
    if (from) SetWindowTextA(edit, from);
    const int up =
        way == UPDOWN_CLICK_UP || way == UPDOWN_KEY_UP || way == UPDOWN_KEY_PRESS_UP || way == UPDOWN_HOLD_KEY_UP;
    PointAt(spin, up ? 1 : -1);
    for (int i = 0; i < times; ++i) {
        switch (way) {
        case UPDOWN_CLICK_UP:
        case UPDOWN_CLICK_DOWN: SendUpDownClick(); break;
        case UPDOWN_KEY_UP:
        case UPDOWN_KEY_DOWN:
            SendUpDownKey(edit, up);
            // Past the moment the up-down shows the key pressed.
            RunUpDownMessages(WM_KEYUP, 400);
            break;
        case UPDOWN_KEY_PRESS_UP:
        case UPDOWN_KEY_PRESS_DOWN:
            // The press outlasts the key's quarter second, as a user's does.
            SendUpDownKey(edit, up);
            RunUpDownMessages(WM_KEYUP, 150);
            SendUpDownButton(0);
            RunUpDownMessages(WM_LBUTTONDOWN, 180);
            SendUpDownButton(1);
            RunUpDownMessages(WM_LBUTTONUP, 50);
            break;
        case UPDOWN_HOLD_KEY_UP:
        case UPDOWN_HOLD_KEY_DOWN:
            // Held past the key's quarter second, released before the
            // arrow's half-second wait for its repeat.
            SendUpDownButton(0);
            RunUpDownMessages(WM_LBUTTONDOWN, 30);
            SendUpDownKey(edit, up);
            RunUpDownMessages(WM_KEYUP, 300);
            SendUpDownButton(1);
            RunUpDownMessages(WM_LBUTTONUP, 50);
            break;
        }
    }
    char text[256] = {};
    GetWindowTextA(edit, text, sizeof(text));
    return text;
}

// What the up-down's edit shows `ms` milliseconds after the last step, the
// pointer still resting where it was: nothing may step it meanwhile.
inline std::string UpDownShowsAfter(HWND spin, DWORD ms) {
    RunUpDownMessages(0, ms);
    char text[256] = {};
    GetWindowTextA(reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)), text, sizeof(text));
    return text;
}

// Clicks a button with real input; returns whether its window then closed
// (ended, hidden or destroyed), as OK or Cancel close a dialog.
inline bool ClickCloses(HWND button) {
    HWND top = GetAncestor(button, GA_ROOT);
    PointAt(button, 0);
    SendUpDownClick(100);
    return !IsWindow(top) || !IsWindowVisible(top);
}
