// An up-down worked as the user works it, with real input: the pointer is
// moved onto one of its arrows and clicked there, or left resting on the
// arrow while Up or Down is pressed in the edit it steps. Wine's up-down
// runs timers of its own after a click and after a key, so each step is
// followed by the messages of the next moments.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

enum UPDOWN_WAY { UPDOWN_CLICK_UP, UPDOWN_CLICK_DOWN, UPDOWN_KEY_UP, UPDOWN_KEY_DOWN };

// Runs the thread's messages until `ms` milliseconds after `last` (a
// mouse or key message) went through; at most two seconds.
inline void RunUpDownMessages(UINT last, DWORD ms) {
    const DWORD start = GetTickCount();
    DWORD until = start + 2000;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            if (msg.message == last && GetTickCount() + ms < until) until = GetTickCount() + ms;
        }
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(until - now) <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_ALLINPUT);
    }
}

inline void SendUpDownInput(DWORD mouse, WORD key) {
    INPUT in[2] = {};
    for (int up = 0; up < 2; ++up) {
        in[up].type = mouse ? INPUT_MOUSE : INPUT_KEYBOARD;
        if (mouse)
            in[up].mi.dwFlags = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
        else
            in[up].ki = {key, 0, static_cast<DWORD>(up ? KEYEVENTF_KEYUP : 0), 0, 0};
    }
    SendInput(2, in, sizeof(INPUT));
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
    RECT rc = {};
    GetWindowRect(spin, &rc);
    // A vertical up-down: the up arrow is its upper half.
    const bool up = way == UPDOWN_CLICK_UP || way == UPDOWN_KEY_UP;
    SetCursorPos((rc.left + rc.right) / 2,
                 up ? rc.top + (rc.bottom - rc.top) / 4 : rc.bottom - (rc.bottom - rc.top) / 4);
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;  // by nothing: the up-down sees the pointer arrive
    SendInput(1, &move, sizeof(INPUT));
    RunUpDownMessages(WM_MOUSEMOVE, 50);
    for (int i = 0; i < times; ++i) {
        if (way == UPDOWN_CLICK_UP || way == UPDOWN_CLICK_DOWN) {
            SendUpDownInput(1, 0);
            RunUpDownMessages(WM_LBUTTONUP, 50);
        } else {
            SetFocus(edit);
            SendUpDownInput(0, way == UPDOWN_KEY_UP ? VK_UP : VK_DOWN);
            // Past the moment the up-down shows the key pressed.
            RunUpDownMessages(WM_KEYUP, 400);
        }
    }
    char text[256] = {};
    GetWindowTextA(edit, text, sizeof(text));
    return text;
}
