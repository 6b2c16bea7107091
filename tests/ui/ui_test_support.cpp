#include <windows.h>
#include <commctrl.h>

#include "base/platform.h"
#include "tests/ui/test_ui.h"
#include "ui/wnd_list.h"

namespace {

// Common controls (up-down items) are registered before any test dialog opens.
struct CommonControls {
    CommonControls() {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
    }
} g_CommonControls;

int RecordBox(HWND, const char* text, const char*, unsigned) {
    ScopedSeams::s_Boxes.push_back(text);
    return IDOK;
}

int RecordMainAction(int action) {
    ScopedSeams::s_MainActions.push_back(action);
    return 1;
}

MessageBoxSink g_OldSink;
MainWindowAction g_OldAction;

}  // namespace

std::vector<std::string> ScopedSeams::s_Boxes;
std::vector<int> ScopedSeams::s_MainActions;

ScopedSeams::ScopedSeams() {
    s_Boxes.clear();
    s_MainActions.clear();
    g_OldSink = SetMessageBoxSink(RecordBox);
    g_OldAction = SetMainWindowAction(RecordMainAction);
}

ScopedSeams::~ScopedSeams() {
    SetMessageBoxSink(g_OldSink);
    SetMainWindowAction(g_OldAction);
}

void PumpMessages(WND_LIST_CLASS* wndList) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (DispatchAppMessage(&msg, wndList)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
