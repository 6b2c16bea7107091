// ToolsDemo <pen|line|preview|rect|fill|chip>: starts the editor in the current
// project (the sample's) and paints its stage with one tool, as the mouse
// would, then runs until closed: a picture of each tool for a screenshot
// (tools/screenshot.sh). "preview" keeps the button of a line held;
// "chip" only chooses a chip and the fill.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "app/app.h"
#include "app/dlg_chip.h"
#include "app/dlg_main.h"
#include "resources/stage_editor_ids.h"

namespace {

// A mouse message at the middle of a cell of the map view.
void Mouse(UINT msg, int x, int y, WPARAM keys) {
    DLG_MAIN* stage = g_lpStageWnd;
    SendMessageA(stage->m_hWnd, msg, keys, MAKELPARAM(x * 32 + 16 + stage->m_nDrawX, y * 32 + 16 + stage->m_nDrawY));
}

void Stroke(int x0, int y0, int x1, int y1, bool release) {
    Mouse(WM_LBUTTONDOWN, x0, y0, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, (x0 + x1) / 2, (y0 + y1) / 2, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, x1, y1, MK_LBUTTON);
    if (release) Mouse(WM_LBUTTONUP, x1, y1, 0);
}

// The selection picked up from the map with the right button.
void PickUp(int x0, int y0, int x1, int y1) {
    Mouse(WM_RBUTTONDOWN, x0, y0, MK_RBUTTON);
    Mouse(WM_RBUTTONUP, x1, y1, 0);
}

// As a click on the palette's tool button: checked, and its command sent.
void Tool(WORD command) {
    DLG_CHIP* chips = g_lpStageWnd->ChipPalette();
    SendMessageA(chips->m_hToolBar, TB_CHECKBUTTON, command, TRUE);
    SendMessageA(chips->m_hWnd, WM_COMMAND, command, 0);
}

void ChooseChip(int chip) {
    DLG_CHIP* chips = g_lpStageWnd->ChipPalette();
    SendMessageA(chips->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(chip % 8 * 32 + 16 + chips->m_nDrawX, chip / 8 * 32 + 16 + chips->m_nDrawY));
}

// Paints the sample stage with one tool.
void PaintWith(const char* what) {
    if (!g_lpStageWnd || !g_lpStageWnd->ChipPalette()) return;
    SetActiveWindow(g_lpStageWnd->m_hWnd);
    if (std::strcmp(what, "pen") == 0) {
        ChooseChip(4);
        Tool(CM_TOOL_PEN);
        for (int i = 0; i < 8; ++i) Stroke(2 + i, 2 + i / 2, 3 + i, 2 + i / 2, true);
        PickUp(13, 2, 14, 3);
        Stroke(3, 10, 3, 10, true);
    } else if (std::strcmp(what, "line") == 0 || std::strcmp(what, "preview") == 0) {
        PickUp(13, 2, 14, 2);
        Tool(CM_TOOL_LINE);
        Stroke(1, 12, 17, 3, std::strcmp(what, "line") == 0);
    } else if (std::strcmp(what, "rect") == 0) {
        PickUp(13, 2, 14, 3);
        Tool(CM_TOOL_RECT);
        Stroke(9, 9, 3, 4, true);
    } else if (std::strcmp(what, "chip") == 0) {
        Tool(CM_TOOL_FILL);
        ChooseChip(2);
    } else if (std::strcmp(what, "fill") == 0) {
        PickUp(13, 2, 14, 3);
        Tool(CM_TOOL_FILL);
        Stroke(6, 10, 6, 10, true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    g_hInstance = GetModuleHandleA(nullptr);
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit()) return 1;
    DispatchWaitingMessages();
    PaintWith(argc > 1 ? argv[1] : "pen");
    int code = 0;
    RunMessageLoop(&code);
    AppExit();
    return code;
}
