// BenchLists: the database sheet's record lists at their largest. Writes the
// sample project into a new temporary folder, opens the sheet on it (on the
// display in $DISPLAY, under Wine) and times, on the land page and on the
// party-variable page, a list of 999 rows filled, selected and drawn; the
// data count set to 999 through the "ﾃﾞｰﾀ数" button (the number box answered
// at once) until the page stands refreshed and drawn, and the box alone;
// then a row selected near the end, and the count set back.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "base/paths.h"
#include "base/report.h"
#include "base/serial.h"
#include "database/sheet/db_list_page.h"
#include "database/sheet/prop_database.h"
#include "database/tabs/database_tabs.h"
#include "model/project_files.h"
#include "resources/database_ids.h"
#include "resources/toolkit_ids.h"
#include "tools/bench/bench_gui.h"
#include "tools/bench/scratch_folder.h"
#include "tools/sample/sample_project.h"
#include "ui/dlg_input.h"
#include "ui/wnd_list.h"

namespace {

enum { RUNS = 5 };

// The number box, answered with this count as soon as it is built. The
// hook goes at once: while one is set, every message sent costs more.
int g_nAnswer = 0;
HHOOK g_hHook = nullptr;
LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG && GetDlgItem(msg->hwnd, IDC_INPUT_EDIT)) {
        SetDlgItemInt(msg->hwnd, IDC_INPUT_EDIT, g_nAnswer, TRUE);
        PostMessageA(msg->hwnd, WM_COMMAND, IDC_TOOLKIT_OK, 0);
        UnhookWindowsHookEx(g_hHook);
        g_hHook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A click on the page's "ﾃﾞｰﾀ数" button, the box answered with `count`.
void SetCount(DLG_DBLIST_PAGE* page, int count) {
    g_nAnswer = count;
    g_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, AnswerBox, nullptr, GetCurrentThreadId());
    SendMessageA(page->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_DBLIST_COUNT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page->m_hWnd, IDC_DBLIST_COUNT)));
}

struct cFigures {
    std::vector<double> ms;
    void Add(double value) { ms.push_back(value); }
    void Print(const char* what) {
        std::sort(ms.begin(), ms.end());
        std::printf("%-50s %8.1f %8.1f %6u\n", what, ms[ms.size() / 2], ms.back(), static_cast<unsigned>(ms.size()));
    }
};

}  // namespace

int main() {
    const cScratchFolder scratch("bench_lists");
    const std::string& root = scratch.Path();
    if (root.empty() || !(WriteSampleDefaults(root) && WriteSampleData(root))) {
        std::printf("cannot write the sample project into a new temporary folder\n");
        return 1;
    }
    SetCurrentDirectoryA(root.c_str());
    ReportOpen((root + "\\Report_Editor.txt").c_str());
    SetMessageBoxSink(PrintedBox);
    g_nDataVersion = DATA_VERSION;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    if (!LoadDataFiles(g_Project, 0)) {
        std::printf("the project did not load\n");
        return 1;
    }
    PROP_DATABASE* sheet = new PROP_DATABASE(1, nullptr, &g_WndList, &sheet, nullptr);
    if (!sheet->CreatePages(g_DatabaseTabs)) {
        std::printf("the database sheet did not open\n");
        return 1;
    }
    std::printf("%-50s %8s %8s %6s\n", "milliseconds, until drawn", "median", "max", "runs");
    {
        // The number box by itself, opened and answered at once.
        cFigures box;
        for (int run = 0; run < RUNS; ++run) {
            int value = 5;
            g_nAnswer = 5;
            g_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, AnswerBox, nullptr, GetCurrentThreadId());
            const auto start = std::chrono::steady_clock::now();
            InputValue(nullptr, &g_WndList, &value, 1, 999, "データ数");
            Pump();
            box.Add(Ms(start));
        }
        box.Print("the number box alone, answered at once");
    }
    int wrong = 0;
    const struct {
        int tab;
        const char* name;
    } pages[] = {{PROP_DATABASE::TAB_LAND, "lands"}, {PROP_DATABASE::TAB_PARTY_VAL, "party variables"}};
    for (const auto& p : pages) {
        SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, p.tab, 0);
        Pump();
        auto* page = dynamic_cast<DLG_DBLIST_PAGE*>(sheet->Page(p.tab));
        if (!page || !page->m_hWnd) {
            std::printf("%s: the page did not open\n", p.name);
            return 1;
        }
        CTRL_LIST_BASE& list = page->List();
        // Until the messages are handled and the list stands drawn.
        const auto drawn = [&list](std::chrono::steady_clock::time_point start) {
            Pump();
            UpdateWindow(list.m_hWnd);
            GdiFlush();
            return Ms(start);
        };
        cFigures alone, grow, select, shrink, box;
        for (int run = 0; run < RUNS; ++run) {
            // The list by itself: 999 rows filled, the first selected, drawn.
            auto start = std::chrono::steady_clock::now();
            list.Resize(999);
            list.RedrawList();
            alone.Add(drawn(start));
            wrong += list.GetRecordCount() != 999;
            SetCount(page, 6);
            Pump();

            start = std::chrono::steady_clock::now();
            SetCount(page, 999);
            grow.Add(drawn(start));
            wrong += list.GetRecordCount() != 999;

            // A click on a row near the end, as the list box reports it.
            start = std::chrono::steady_clock::now();
            SendMessageA(list.m_hWnd, LB_SETSEL, FALSE, -1);
            SendMessageA(list.m_hWnd, LB_SETSEL, TRUE, 990);
            SendMessageA(list.m_hWnd, LB_SETCARETINDEX, 990, 0);
            SendMessageA(page->m_hWnd, WM_COMMAND, MAKEWPARAM(list.m_wId, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list.m_hWnd));
            select.Add(drawn(start));
            wrong += list.GetCurSel() != 990;

            // The box alone: answered with the count it shows, nothing changes.
            start = std::chrono::steady_clock::now();
            SetCount(page, 999);
            Pump();
            box.Add(Ms(start));

            start = std::chrono::steady_clock::now();
            SetCount(page, 6);
            shrink.Add(drawn(start));
            wrong += list.GetRecordCount() != 6;
        }
        std::string what = std::string(p.name) + ": 999 rows filled, selected, drawn";
        alone.Print(what.c_str());
        what = std::string(p.name) + ": the data-count click to 999 (box answered)";
        grow.Print(what.c_str());
        what = std::string(p.name) + ":   the number box alone (no change)";
        box.Print(what.c_str());
        what = std::string(p.name) + ": row 991 of 999 selected";
        select.Print(what.c_str());
        what = std::string(p.name) + ": data count back to 6";
        shrink.Print(what.c_str());
    }
    SendMessageA(sheet->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    Pump();
    delete sheet;
    if (wrong) std::printf("%d lists not as asked\n", wrong);
    return wrong ? 1 : 0;
}
