// Every dialog a Windows test opens is looked at once it has initialised: a
// number edit that would cut an end of its range fails the test that opened
// it, whatever that test is about. So no dialog with numbers is left out of
// the layout checks, including those a test opens in passing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/control_layout.h"

namespace {

LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG)
        for (const std::string& cut : CutNumbers(msg->hwnd))
            ADD_FAILURE() << "dialog \"" << text_fit::TextOf(msg->hwnd) << "\": " << cut;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CutNumbersWatch : public ::testing::Environment {
public:
    void SetUp() override { m_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterInit, nullptr, GetCurrentThreadId()); }
    void TearDown() override {
        if (m_hHook) UnhookWindowsHookEx(m_hHook);
    }

private:
    HHOOK m_hHook = nullptr;
};

::testing::Environment* const s_pWatch = ::testing::AddGlobalTestEnvironment(new CutNumbersWatch);

}  // namespace
