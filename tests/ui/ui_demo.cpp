// Shows the test dialogs with sample records, to look at them
// (tools/screenshot.sh build/screenshots/ui.png 2 build/win/tests/ui_demo.exe).
#include <windows.h>
#include <commctrl.h>

#include "tests/ui/test_dialogs.h"
#include "ui/wnd_list.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    DLG_CLASS::SetScrollBarIds(IDC_HSCROLL, IDC_VSCROLL);
    CTRL_TEST_DLG ctrls(&g_WndList);
    ctrls.m_Rec = {12, 200, 30, 1.25, 1, 0};
    ctrls.m_Source = MakeRecords(12);
    ctrls.m_MultiSource = MakeRecords(5);
    ctrls.m_nRememberX = 20;
    ctrls.m_nRememberY = 20;
    ctrls.Create(0, 1);
    SMALL_TEST_DLG palette(&g_WndList);
    palette.m_nRememberX = 570;
    palette.m_nRememberY = 20;
    palette.Create(0, 1);
    DRAW_TEST_DLG draw(&g_WndList);
    draw.m_nRememberX = 570;
    draw.m_nRememberY = 220;
    draw.Create(0, 1);
    if (cDib* dib = draw.m_Picture.Surface()) {
        dib->Fill(RGB(40, 80, 160));
        draw.m_Picture.Present();
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (DispatchAppMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
