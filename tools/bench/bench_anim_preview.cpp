// BenchAnimPreview: how steadily the idle routine drives the animation
// previews. Writes the sample project into a new temporary folder, starts the
// editor there (on the display in $DISPLAY, under Wine), opens the database
// sheet on the character-animation page and then the effect-animation page,
// and runs the main loop's own steps (the waiting messages, then the idle
// routine) for 10 seconds each. Prints the idle passes, their mean interval
// (the pacing aims at 50 ms, 20 a second), the shortest and the worst gap,
// and what one pass's drawing costs. The exit code is 1 when the editor or a
// page did not open.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "base/report.h"
#include "tools/bench/media_pages_data.h"
#include "tools/bench/scratch_folder.h"

namespace {

typedef std::chrono::steady_clock Clock;

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A box is answered at once; its text tells why a start failed.
int PrintBox(HWND, const char* text, const char*, unsigned) {
    std::printf("message: %s\n", text);
    return IDOK;
}

// The main loop's steps on `tab` for `seconds`; the figures printed. 0 when
// the page is missing.
int Measure(PROP_DATABASE* sheet, int tab, const char* what, double seconds) {
    SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, tab, 0);
    DLG_DBPAGE* page = sheet->Page(tab);
    if (!page || !page->m_hWnd) {
        std::printf("%s: the page did not open\n", what);
        return 0;
    }
    media_pages::ChooseRow(sheet, tab, 0);
    DispatchWaitingMessages();
    AppIdle();  // the pacer starts from here

    std::vector<double> gaps;
    const Clock::time_point start = Clock::now();
    Clock::time_point last = start;
    while (Ms(start, last) < seconds * 1000) {
        DispatchWaitingMessages();
        AppIdle();
        const Clock::time_point now = Clock::now();
        gaps.push_back(Ms(last, now));
        last = now;
    }
    // One pass's drawing alone: the page's step and the sheet's.
    const int runs = 200;
    const Clock::time_point draw = Clock::now();
    for (int i = 0; i < runs; ++i) {
        page->OnIdle();
        sheet->OnIdle(1);
    }
    GdiFlush();
    const double drawMs = Ms(draw, Clock::now()) / runs;

    double sum = 0;
    for (double g : gaps) sum += g;
    std::sort(gaps.begin(), gaps.end());
    std::printf("%-18s %6u %10.2f %8.2f %8.2f %8.2f %10.3f\n", what, static_cast<unsigned>(gaps.size()),
                sum / gaps.size(), gaps.front(), gaps[gaps.size() / 2], gaps.back(), drawMs);
    return 1;
}

}  // namespace

int main() {
    const cScratchFolder scratch("bench_anim_preview");
    const std::string& root = scratch.Path();
    if (root.empty()) {
        std::printf("cannot make a temporary folder\n");
        return 1;
    }
    SetMessageBoxSink(PrintBox);
    if (!media_pages::StartEditor(root)) {
        std::printf("the editor did not start\n");
        return 1;
    }
    PROP_DATABASE* sheet = media_pages::OpenSheet(PROP_DATABASE::TAB_CHARA_ANIM);
    if (!sheet) return 1;
    std::printf("idle passes over 10 s; milliseconds\n");
    std::printf("%-18s %6s %10s %8s %8s %8s %10s\n", "page", "passes", "mean gap", "min", "median", "worst",
                "draw/pass");
    int ok = Measure(sheet, PROP_DATABASE::TAB_CHARA_ANIM, "character (48 px)", 10);
    ok &= Measure(sheet, PROP_DATABASE::TAB_EFFECT_ANIM, "effect (64 px)", 10);

    DestroyWindow(g_hWndMain);
    DispatchWaitingMessages();
    AppExit();
    return ok ? 0 : 1;
}
