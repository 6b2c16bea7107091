// BenchTools: the stage editor's fill and pen on a 64 x 64 map, through the
// mouse messages the user's hand sends, each timed with the repaint of the map
// view, the status bar and the chip palette that follows it, and the parts of a
// click timed alone. Writes the sample project into a new temporary folder,
// starts the editor there (on the display in $DISPLAY, under Wine) and prints
// milliseconds: the fill of the whole map at one click, and each mouse move of
// a pen stroke dragged across the view.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/dlg_main.h"
#include "app/stage_edit_state.h"
#include "app/stage_tools.h"
#include "base/report.h"
#include "model/land.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "tools/bench/bench_gui.h"
#include "tools/bench/scratch_folder.h"
#include "tools/sample/sample_project.h"

namespace {

enum { RUNS = 20, MAP = 64 };

// A mouse message at the middle of a cell of the view.
void Mouse(UINT msg, int x, int y, WPARAM keys) {
    DLG_MAIN* stage = g_lpStageWnd;
    SendMessageA(stage->m_hWnd, msg, keys, MAKELPARAM(x * 32 + 16 + stage->m_nDrawX, y * 32 + 16 + stage->m_nDrawY));
}

struct cFigures {
    std::vector<double> ms;
    void Add(double value) { ms.push_back(value); }
    void Print(const char* what) {
        std::sort(ms.begin(), ms.end());
        double sum = 0;
        for (double v : ms) sum += v;
        std::printf("%-44s %8.2f %8.2f %8.2f %6u\n", what, ms[ms.size() / 2], sum / ms.size(), ms.back(),
                    static_cast<unsigned>(ms.size()));
    }
};

}  // namespace

int main() {
    const cScratchFolder scratch("bench_tools");
    const std::string& root = scratch.Path();
    if (root.empty() || !(WriteSampleDefaults(root) && WriteSampleData(root))) {
        std::printf("cannot write the sample project into a new temporary folder\n");
        return 1;
    }
    SetCurrentDirectoryA(root.c_str());
    ReportOpen((root + "\\Report_Editor.txt").c_str());
    SetMessageBoxSink(PrintedBox);
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    g_hInstance = GetModuleHandleA(nullptr);
    RegisterMainWindowClass(g_hInstance);
    if (!AppInit() || !g_lpStageWnd) {
        std::printf("the editor did not start\n");
        return 1;
    }
    DispatchWaitingMessages();
    HWND wnd = g_lpStageWnd->m_hWnd;
    g_Stage.Resize(MAP, MAP);
    g_Stage.ClearChips();
    SendMessageA(wnd, WM_SIZE, 0, 0);
    SetActiveWindow(wnd);
    DispatchWaitingMessages();
    cStageEditState& st = g_StageEditState;
    std::printf("stage %d x %d, view %d x %d pixels, %u lands\n", g_Stage.Width, g_Stage.Height, g_lpStageWnd->m_nDrawW,
                g_lpStageWnd->m_nDrawH, static_cast<unsigned>(g_LandList.size()));
    std::printf("%-44s %8s %8s %8s %6s\n", "milliseconds, with the repaint", "median", "mean", "max", "runs");

    cFigures fill, hover, moves, strokes;
    int wrong = 0;
    for (int run = 0; run < RUNS; ++run) {
        const int chip = 1 + run % 2;
        st.ChipSel[0] = chip;
        st.SelW = st.SelH = 1;
        st.SetToolShape(TOOL_FILL);
        // The pointer comes to the cell before the click, as a hand brings it.
        auto start = std::chrono::steady_clock::now();
        Mouse(WM_MOUSEMOVE, 5, 5, 0);
        GdiFlush();
        hover.Add(Ms(start));
        start = std::chrono::steady_clock::now();
        Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, 5, 5, 0);
        GdiFlush();
        fill.Add(Ms(start));
        for (int y = 0; y < MAP; ++y)
            for (int x = 0; x < MAP; ++x) wrong += g_Stage.ChipAt(x, y) != chip;

        // The pen dragged across the view, one cell a move, corner to corner.
        st.ChipSel[0] = 3 - chip;
        st.SetToolShape(TOOL_PEN);
        const int columns = g_lpStageWnd->m_nDrawW / 32, rows = g_lpStageWnd->m_nDrawH / 32;
        auto stroke = std::chrono::steady_clock::now();
        Mouse(WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
        for (int i = 1; i < columns; ++i) {
            start = std::chrono::steady_clock::now();
            Mouse(WM_MOUSEMOVE, i, i * rows / columns, MK_LBUTTON);
            GdiFlush();
            moves.Add(Ms(start));
        }
        Mouse(WM_LBUTTONUP, columns - 1, rows - 1, 0);
        GdiFlush();
        strokes.Add(Ms(stroke));
        wrong += g_Stage.ChipAt(columns - 1, (columns - 1) * rows / columns) != 3 - chip;
    }
    // The parts of a click: the fill, the repaint of the view with the whole
    // map changed and with nothing changed (drawn, compared, not copied),
    // the status bar's text changed, and the mouse state that the window
    // reads at every message that is not the mouse's own.
    cFigures fillAlone, paint, paintSame, status, mouse;
    for (int run = 0; run < RUNS; ++run) {
        st.ChipSel[0] = 1 + run % 2;
        auto start = std::chrono::steady_clock::now();
        FloodFill(g_Stage, st, 5, 5);
        fillAlone.Add(Ms(start));
        start = std::chrono::steady_clock::now();
        g_lpStageWnd->OnPaint();
        GdiFlush();
        paint.Add(Ms(start));
        start = std::chrono::steady_clock::now();
        g_lpStageWnd->OnPaint();
        GdiFlush();
        paintSame.Add(Ms(start));
        start = std::chrono::steady_clock::now();
        g_lpStageWnd->UpdateMouseState(1, MOUSE_ALL);
        mouse.Add(Ms(start));
    }
    for (int run = 0; run < RUNS; ++run) {
        char text[32];
        std::snprintf(text, sizeof(text), "座標 (%d,%d)", run, run);
        auto start = std::chrono::steady_clock::now();
        g_lpStageWnd->SetStatusText(text);
        GdiFlush();
        status.Add(Ms(start));
    }
    fill.Print("fill of the whole 64 x 64 map (one click)");
    hover.Print("  the pointer brought to the cell before it");
    fillAlone.Print("  the fill alone, without the repaint");
    paint.Print("  a repaint, the whole view changed");
    paintSame.Print("  a repaint, nothing changed");
    status.Print("  the status bar's text changed");
    mouse.Print("  the mouse state read at another message");
    moves.Print("pen: one mouse move of a stroke");
    strokes.Print("pen: a whole stroke across the view");
    if (wrong) std::printf("%d cells not as painted\n", wrong);

    DestroyWindow(g_hWndMain);
    DispatchWaitingMessages();
    AppExit();
    return wrong ? 1 : 0;
}
