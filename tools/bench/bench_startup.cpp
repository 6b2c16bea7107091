// BenchStartup [folder]: start-up to the first painted stage editor, in
// milliseconds, split into loading the data files, loading the images and
// creating the windows (main frame, stage editor, first paint of the map).
// Without a folder it writes the sample project into a new temporary folder,
// measures that and removes the folder again; a given folder, relative to the
// current one or absolute (such as the one "BenchProject <folder> keep"
// leaves), gets the sample images and opens its first stage when it has none of
// its own. The exit code is 1 when the project did not load cleanly or the
// stage editor did not open.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/dlg_main.h"
#include "app/project_load.h"
#include "app/stage_edit_state.h"
#include "app/stage_file.h"
#include "app/view_main.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/report.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "tools/bench/bench_gui.h"
#include "tools/bench/scratch_folder.h"
#include "tools/sample/sample_images.h"
#include "tools/sample/sample_project.h"
#include "ui/wnd_list.h"

namespace {

enum { RUNS = 5 };

int g_nBoxes = 0;
int CountBox(HWND, const char* text, const char*, unsigned) {
    std::printf("message: %s\n", text);
    ++g_nBoxes;
    return IDOK;
}

// Images and editor settings for a project that brings only its data.
bool Prepare(const std::string& root) {
    if (!FolderExists((root + "\\image").c_str()) && !WriteSampleImages(root)) return false;
    const std::string config = root + "\\e_data\\EditConfig.dat";
    if (FileExists(config.c_str())) return true;
    VECTOR_CLASS<std::string> stages;
    ListFiles(stages, (root + "\\data\\stg").c_str(), "stg2");
    std::sort(stages.begin(), stages.end());
    cEditConfig settings;
    for (const std::string& path : stages) {
        std::string name = path;
        if (StripFolderPartStr(name) == "Default.stg2") continue;
        settings.LastStage = "data\\stg\\" + name;
        break;
    }
    FolderCreate((root + "\\e_data").c_str());
    return settings.SaveFile(config) != 0;
}

struct cTimes {
    double data = 0, images = 0, windows = 0;
    bool opened = false;  // the stage editor stood painted
    double Total() const { return data + images + windows; }
};

cTimes StartOnce() {
    cTimes t;
    auto start = std::chrono::steady_clock::now();
    g_EditConfig.LoadFile(g_PathTable.EditConfig);
    LoadProjectFiles(0);
    t.data = Ms(start);
    start = std::chrono::steady_clock::now();
    LoadProjectImages(0);
    t.images = Ms(start);
    start = std::chrono::steady_clock::now();
    g_StageEditState.StageOpen = 0;
    OpenLastStage();
    CreateMainWindows();
    if (g_lpStageWnd) {
        UpdateWindow(g_lpStageWnd->m_hWnd);
        UpdateWindow(g_lpStageWnd->View().Window());
        t.opened = !g_StageEditState.StagePath.empty();
    }
    GdiFlush();
    t.windows = Ms(start);
    return t;
}

void StopOnce() {
    DestroyWindow(g_hWndMain);
    DispatchWaitingMessages();
    SafeDelete(g_ViewMain.m_lpStageWnd);
    g_lpStageWnd = nullptr;
    g_hWndMain = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    char given[MAX_PATH];
    const bool sample = argc < 2;
    // The folder as given, relative to the current one or absolute.
    if (!sample && !GetFullPath(argv[1], given, sizeof(given))) {
        std::printf("cannot resolve %s\n", argv[1]);
        return 1;
    }
    const cScratchFolder scratch(sample ? "bench_startup" : nullptr);
    const std::string root = sample ? scratch.Path() : std::string(given);
    if (root.empty()) {
        std::printf("cannot make a temporary folder\n");
        return 1;
    }
    if (sample && !(WriteSampleDefaults(root) && WriteSampleData(root))) {
        std::printf("cannot write the sample project into %s\n", root.c_str());
        return 1;
    }
    if (!Prepare(root)) {
        std::printf("cannot prepare %s\n", root.c_str());
        return 1;
    }
    SetCurrentDirectoryA(root.c_str());
    ReportOpen((root + "\\Report_Editor.txt").c_str());
    SetMessageBoxSink(CountBox);
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    g_hInstance = GetModuleHandleA(nullptr);
    RegisterMainWindowClass(g_hInstance);
    InitCommonControls();

    std::vector<cTimes> runs;
    int closed = 0;
    for (int i = 0; i < RUNS; ++i) {
        runs.push_back(StartOnce());
        closed += !runs.back().opened;
        if (i == 0)
            std::printf("%s: stage %s (%d x %d, %u enemies, %u events), %u classes, %u enemies in the database\n",
                        sample ? "sample project" : argv[1], g_StageEditState.StagePath.c_str(), g_Stage.Width,
                        g_Stage.Height, static_cast<unsigned>(g_Stage.PutEnemies.size()),
                        static_cast<unsigned>(g_Stage.Events.size()), static_cast<unsigned>(g_ClassList.size()),
                        static_cast<unsigned>(g_EnemyList.size()));
        StopOnce();
    }
    cTimes best = runs[1];
    for (size_t i = 1; i < runs.size(); ++i) {
        best.data = std::min(best.data, runs[i].data);
        best.images = std::min(best.images, runs[i].images);
        best.windows = std::min(best.windows, runs[i].windows);
    }
    std::printf("%-28s %10s %10s %10s %10s\n", "start-up to the painted map", "data ms", "images ms", "windows ms",
                "total ms");
    std::printf("%-28s %10.1f %10.1f %10.1f %10.1f\n", "first run", runs[0].data, runs[0].images, runs[0].windows,
                runs[0].Total());
    std::printf("%-28s %10.1f %10.1f %10.1f %10.1f\n", "best of the later runs", best.data, best.images, best.windows,
                best.Total());
    if (g_nBoxes) std::printf("%d message boxes: the project did not load cleanly\n", g_nBoxes);
    if (closed) std::printf("%d of %d runs did not open the stage editor on a stage\n", closed, RUNS);
    return g_nBoxes || closed ? 1 : 0;
}
