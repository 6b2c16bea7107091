#include "tests/ui/ui_driver.h"

#include <gtest/gtest.h>

#include "tests/support/left_behind.h"
#include "ui/wnd_list.h"

namespace {

std::function<bool()> g_Step;
bool g_bWhenShown = false;  // the timer runs it, else the hook after an initialisation
HHOOK g_hInitHook = nullptr;
UINT_PTR g_nTimer = 0;

LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam);
void CALLBACK StepTimer(HWND, UINT, UINT_PTR, DWORD);

// The hook or the timer of the waiting step. Each leaves once no step of its
// kind waits, also while a step runs a nested modal loop: the step taken out.
void Arm() {
    if (g_Step && !g_bWhenShown && !g_hInitHook)
        g_hInitHook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterInit, nullptr, GetCurrentThreadId());
    if (g_Step && g_bWhenShown && !g_nTimer) g_nTimer = SetTimer(nullptr, 0, 5, StepTimer);
}

// Takes the step out while it runs: it may open a nested modal loop, and
// set the next step before it is done.
void RunStep() {
    std::function<bool()> step = g_Step;
    g_Step = nullptr;
    if (!step() && !g_Step) g_Step = step;
    Arm();
}

LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG && g_Step && !g_bWhenShown) RunStep();
    if ((!g_Step || g_bWhenShown) && g_hInitHook) {
        UnhookWindowsHookEx(g_hInitHook);
        g_hInitHook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK StepTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_Step && g_bWhenShown) RunStep();
    if ((!g_Step || !g_bWhenShown) && g_nTimer) {
        KillTimer(nullptr, g_nTimer);
        g_nTimer = 0;
    }
}

void DropStep() {
    g_Step = nullptr;
    if (g_hInitHook) UnhookWindowsHookEx(g_hInitHook);
    g_hInitHook = nullptr;
    if (g_nTimer) KillTimer(nullptr, g_nTimer);
    g_nTimer = 0;
}

// A step still waiting when its test ends fails the test, and goes with its
// hook and timer: run by a later test, it would reach the ended one's locals.
void DropStepLeftWaiting() {
    if (g_Step) ADD_FAILURE() << "a step of WhenOpen or WhenShown was still waiting when the test ended";
    DropStep();
}

const bool g_bStepChecked = (AddTestEndCheck(DropStepLeftWaiting), true);

}  // namespace

void PumpMessages(WND_LIST_CLASS* wndList) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (DispatchAppMessage(&msg, wndList)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void WhenOpen(std::function<bool()> step) {
    if (!step) return DropStep();
    g_Step = step;
    g_bWhenShown = false;
    Arm();
}

void WhenShown(std::function<bool()> step) {
    if (!step) return DropStep();
    g_Step = [step] {
        HWND active = GetActiveWindow();
        return active && IsWindowVisible(active) && step();
    };
    g_bWhenShown = true;
    Arm();
}

void TypeKeys(const std::vector<WORD>& chord) {
    std::vector<INPUT> in;
    for (int up = 0; up < 2; ++up)
        for (size_t i = 0; i < chord.size(); ++i) {
            INPUT k = {};
            k.type = INPUT_KEYBOARD;
            k.ki.wVk = chord[up ? chord.size() - 1 - i : i];
            k.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            in.push_back(k);
        }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

bool IsMenuOrListShown() {
    for (const char* popup : {"#32768", "ComboLBox"}) {
        HWND wnd = FindWindowA(popup, nullptr);
        if (wnd && IsWindowVisible(wnd)) return true;
    }
    return false;
}

void RightClickFirstRow(HWND list) {
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    POINT at = {item.left + 10, (item.top + item.bottom) / 2};
    ClientToScreen(list, &at);
    PostMessageA(GetParent(list), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
}

void DropFirstRow(HWND combo) {
    SetFocus(combo);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
}
