// An up-down worked as the user works it: a click on one of its arrows, or
// Up or Down pressed in the edit it steps. The messages go to the real items,
// so the up-down's own handling (its notification to the dialog and what it
// does to its edit) runs as on the screen.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

enum UPDOWN_WAY { UPDOWN_CLICK_UP, UPDOWN_CLICK_DOWN, UPDOWN_KEY_UP, UPDOWN_KEY_DOWN };

// Puts `from` into the up-down's edit (as pasted; null leaves the edit as it
// is), works the up-down `times` times and returns what the edit then shows.
inline std::string StepUpDown(HWND spin, const char* from, UPDOWN_WAY way, int times = 1) {
    HWND edit = reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0));
    if (from) SetWindowTextA(edit, from);
    RECT rc = {};
    GetClientRect(spin, &rc);
    // A vertical up-down: the up arrow is its upper half.
    const LPARAM at = MAKELPARAM(rc.right / 2, way == UPDOWN_CLICK_UP ? rc.bottom / 4 : rc.bottom * 3 / 4);
    const WPARAM key = way == UPDOWN_KEY_UP ? VK_UP : VK_DOWN;
    for (int i = 0; i < times; ++i) {
        if (way == UPDOWN_CLICK_UP || way == UPDOWN_CLICK_DOWN) {
            SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageA(spin, WM_LBUTTONUP, 0, at);
        } else {
            SendMessageA(edit, WM_KEYDOWN, key, 1);
            SendMessageA(edit, WM_KEYUP, key, 0xC0000001);
        }
    }
    char text[256] = {};
    GetWindowTextA(edit, text, sizeof(text));
    return text;
}
