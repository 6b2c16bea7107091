#include "tests/ui/ui_driver.h"

#include <gtest/gtest.h>

#include "ui/wnd_list.h"

namespace {

std::function<bool()> g_Step;
HHOOK g_hInitHook = nullptr;
UINT_PTR g_nTimer = 0;

// Takes the step out while it runs: it may open a nested modal loop.
bool RunStep() {
    if (!g_Step) return true;
    std::function<bool()> step = g_Step;
    g_Step = nullptr;
    if (step()) return true;
    g_Step = step;
    return false;
}

LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG && RunStep()) {
        UnhookWindowsHookEx(g_hInitHook);
        g_hInitHook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK StepTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!RunStep()) return;
    KillTimer(nullptr, g_nTimer);
    g_nTimer = 0;
}

// A step still waiting when its test ends (its box closed another way)
// would run in a later test, over the ended test's locals: it is dropped.
class DropWaitingStep : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        WhenShown(nullptr);
        if (g_hInitHook) UnhookWindowsHookEx(g_hInitHook);
        g_hInitHook = nullptr;
    }
};
const bool g_bDropWaitingStep = (::testing::UnitTest::GetInstance()->listeners().Append(new DropWaitingStep), true);

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
    g_Step = step;
    if (!g_hInitHook) g_hInitHook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterInit, nullptr, GetCurrentThreadId());
}

void WhenShown(std::function<bool()> step) {
    if (!step) {
        g_Step = nullptr;
        if (g_nTimer) KillTimer(nullptr, g_nTimer);
        g_nTimer = 0;
        return;
    }
    g_Step = [step] {
        HWND active = GetActiveWindow();
        return active && IsWindowVisible(active) && step();
    };
    if (!g_nTimer) g_nTimer = SetTimer(nullptr, 0, 5, StepTimer);
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
