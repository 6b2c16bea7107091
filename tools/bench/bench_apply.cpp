// BenchApply <folder>: the database sheet's Apply on a project such as the
// one "BenchProject <folder> keep" leaves, and its files written alone,
// beside one plain write of the same bytes to a new folder in it, removed
// afterwards. The sheet opens on a display with every tab shown once, so that
// every page with a window commits; then Apply runs, the files are written
// again alone, and each is written once more plainly, one write each.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "base/report.h"
#include "base/serial.h"
#include "database/sheet/prop_database.h"
#include "database/tabs/database_tabs.h"
#include "model/project_files.h"
#include "tools/bench/bench_gui.h"
#include "tools/bench/scratch_folder.h"
#include "ui/wnd_list.h"

namespace {

enum { RUNS = 3 };

// The files Apply writes, from the project's table.
std::vector<std::string> ApplyFiles() {
    std::vector<std::string> files;
    for (const cProjectFile& file : ProjectFiles())
        if (file.ApplyOrder) files.push_back(file.Path);
    return files;
}

// One write of each file's bytes to a file of `folder`, the fastest a save of
// those bytes can be: each file is read, then only its write is timed, so
// that no more than one file's bytes are held beside the loaded project.
double PlainWrite(const std::vector<std::string>& names, const std::string& folder, double* total, int* ok) {
    double ms = 0;
    *total = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        std::string bytes;
        *ok &= FileReadAll(names[i].c_str(), &bytes);
        *total += static_cast<double>(bytes.size());
        const auto start = std::chrono::steady_clock::now();
        HANDLE file;
        const std::string path = folder + "\\" + std::to_string(i) + ".plain";
        if (!FileCreate(&file, path.c_str())) {
            *ok = 0;
            continue;
        }
        *ok &= bytes.empty() || FileWrite(file, bytes.data(), static_cast<unsigned>(bytes.size()));
        *ok &= FileClose(&file);
        ms += Ms(start);
    }
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("BenchApply <folder>: a project such as \"BenchProject <folder> keep\" leaves\n");
        return 1;
    }
    g_nDataVersion = DATA_VERSION;
    if (!SetCurrentDirectoryA(argv[1])) {
        std::printf("no folder %s\n", argv[1]);
        return 1;
    }
    SetMessageBoxSink(PrintedBox);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    auto start = std::chrono::steady_clock::now();
    if (!LoadDataFiles(g_Project, 0)) {
        std::printf("the project did not load\n");
        return 1;
    }
    std::printf("project loaded in %.0f ms\n", Ms(start));
    char project[MAX_PATH];
    const cScratchFolder plainFolder("bench_apply", GetCurrentFolder(project, sizeof(project)) ? project : nullptr);
    if (plainFolder.Path().empty()) {
        std::printf("cannot make a new folder in %s\n", argv[1]);
        return 1;
    }

    PROP_DATABASE* sheet = new PROP_DATABASE(1, nullptr, &g_WndList, &sheet, nullptr);
    if (!sheet->CreatePages(g_DatabaseTabs)) return 1;
    for (int tab = 0; tab < PROP_DATABASE::PAGE_COUNT; ++tab) {
        SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, tab, 0);
        Pump();
    }

    const std::vector<std::string> names = ApplyFiles();
    double apply = 1e30, write = 1e30, plain = 1e30;
    int ok = 1;
    double total = 0;
    for (int run = 0; run < RUNS; ++run) {
        start = std::chrono::steady_clock::now();
        ok &= sheet->ApplyAll();
        apply = std::min(apply, Ms(start));
        // The files alone, without the pages' commit.
        start = std::chrono::steady_clock::now();
        ok &= SaveDatabaseFiles(g_Project, nullptr);
        write = std::min(write, Ms(start));
        plain = std::min(plain, PlainWrite(names, plainFolder.Path(), &total, &ok));
    }
    SendMessageA(sheet->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    Pump();
    delete sheet;

    std::printf("best of %d runs, %zu files, %.2f MB\n", RUNS, names.size(), total / 1e6);
    std::printf("%-28s %9s %8s\n", "", "ms", "MB/s");
    std::printf("%-28s %9.1f %8.1f\n", "Apply (commit and write)", apply, total / 1e3 / apply);
    std::printf("%-28s %9.1f %8.1f\n", "  of which the files alone", write, total / 1e3 / write);
    std::printf("%-28s %9.1f %8.1f\n", "plain write of the bytes", plain, total / 1e3 / plain);
    std::printf("Apply / plain write: %.2f\n", apply / plain);
    if (!ok) std::printf("a file could not be read or written\n");
    return ok ? 0 : 1;
}
