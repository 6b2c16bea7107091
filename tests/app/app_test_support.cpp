#include "tests/app/app_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "app/app.h"
#include "app/dlg_main.h"
#include "app/list_palette.h"
#include "app/project_load.h"
#include "app/stage_edit_state.h"
#include "app/view_main.h"
#include "base/editor_settings.h"
#include "base/file.h"
#include "base/paths.h"
#include "base/report.h"
#include "base/serial.h"
#include "editing/map_cursor.h"
#include "media/dib.h"
#include "resources/stage_editor_ids.h"
#include "tests/support/left_behind.h"
#include "tools/sample/sample_project.h"
#include "ui/common_dialogs.h"
#include "ui/wnd_list.h"

namespace {

// Removed with everything in it when the program ends.
std::unique_ptr<ScratchFolder> g_pFolder;
std::string g_strRoot;

// The row the list palettes keep for the next one lives as long as the
// program: left by a test, the next test's palettes open on it (the event
// palette on its append row, where "編集" opens nothing).
void ForgetPaletteChoice() {
    const cPaletteChoice fresh;
    const cPaletteChoice& left = g_PaletteChoice;
    if (left.SavedRow != fresh.SavedRow || left.RowChosen != fresh.RowChosen || left.PutEnemy != fresh.PutEnemy)
        ADD_FAILURE() << "the test left the palettes' saved row " << left.SavedRow << " (a record's row chosen "
                      << left.RowChosen << ", enemy row " << left.PutEnemy << ")";
    g_PaletteChoice = fresh;
}

const bool g_bPaletteChoiceChecked = (AddTestEndCheck(ForgetPaletteChoice), true);

}  // namespace

const std::string& ProjectRoot() {
    if (!g_pFolder) {
        g_pFolder.reset(new ScratchFolder("app_project"));
        char here[MAX_PATH];
        GetCurrentFolder(here, sizeof(here));
        g_strRoot = here;
        // Load failures are logged before they are shown.
        ReportOpen((g_strRoot + "\\Report_Editor.txt").c_str());
        DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
        g_hInstance = GetModuleHandleA(nullptr);
        RegisterMainWindowClass(g_hInstance);
        WriteSampleDefaults(g_strRoot);
    }
    return g_strRoot;
}

void ResetProject(bool withData) {
    const std::string& root = ProjectRoot();
    if (withData) {
        WriteSampleData(root);
        // No test-play settings stored, as none are held below: those a test
        // stored would choose the program of the next.
        FileDelete(g_PathTable.TestPlay);
        // The folders every start makes stand before the first: made by a
        // test, they would be that test's leftovers.
        for (const char* const* folder = g_ProjectFolders; *folder; ++folder)
            FolderCreate((root + "\\" + *folder).c_str());
    } else {
        FolderDelete(nullptr, (root + "\\data").c_str());
        FolderDelete(nullptr, (root + "\\e_data").c_str());
        FolderDelete(nullptr, (root + "\\user_data").c_str());
    }
    g_EditConfig.SetDefault();
    g_TestPlay = cTestPlay();
    g_StageEditState.Reset();
    g_StageEditState.ClearHistory();
    g_StageEditState.StagePath.clear();
    g_MapCursor.Reset();
    g_bStarted = 0;
    g_bFileTooNew = 0;
    g_bGValInfoLoaded = 0;
    g_nEditorMode = EDITOR_MODE_STAGE;
    bTestPlay = 0;
    g_bAppActive = 0;
    g_bFocusRequest = 0;
}

void PumpMessages() { DispatchWaitingMessages(); }

void SetFileVersion(const char* path, uint32_t version) {
    std::string bytes = ReadFileBytes(path);
    if (bytes.size() < 4) return;
    std::memcpy(&bytes[0], &version, 4);
    WriteFileBytes(path, bytes);
}

int StartEditor() {
    const int ok = AppInit();
    PumpMessages();
    return ok;
}

void StopEditor() {
    if (g_hWndMain && IsWindow(g_hWndMain)) DestroyWindow(g_hWndMain);
    PumpMessages();
    AppExit();
    g_hWndMain = nullptr;
    // The program's end forgets it; the next start opens the palettes on their first row.
    g_PaletteChoice = cPaletteChoice();
}

unsigned SurfacePixel(const cDib& dib, int x, int y) {
    GdiFlush();
    const BYTE* row = dib.Row(y);
    if (!row) return 0xFFFFFFFF;
    const int bytes = dib.m_nBpp / 8;
    const BYTE* p = row + x * bytes;
    return (p[2] << 16) | (p[1] << 8) | p[0];
}

unsigned ViewPixel(int x, int y) { return SurfacePixel(g_lpStageWnd->View().Surface(), x, y); }

namespace {

std::string g_strDialogAnswer;
std::vector<std::string> g_DialogTitles;

BOOL WINAPI AnswerFileDialog(OPENFILENAMEA* ofn) {
    g_DialogTitles.push_back(ofn->lpstrTitle ? ofn->lpstrTitle : "");
    if (g_strDialogAnswer.empty() || g_strDialogAnswer.size() >= ofn->nMaxFile) return FALSE;
    std::memcpy(ofn->lpstrFile, g_strDialogAnswer.c_str(), g_strDialogAnswer.size() + 1);
    return TRUE;
}

}  // namespace

ScopedFileDialog::ScopedFileDialog(const std::string& path) {
    Answer(path);
    g_DialogTitles.clear();
    SetFileDialogProcs(AnswerFileDialog, AnswerFileDialog);
}

ScopedFileDialog::~ScopedFileDialog() { SetFileDialogProcs(nullptr, nullptr); }

void ScopedFileDialog::Answer(const std::string& path) { g_strDialogAnswer = path; }

const std::vector<std::string>& ScopedFileDialog::Titles() const { return g_DialogTitles; }

std::string FileBytes(const std::string& path) { return ReadFileBytes(path.c_str()); }

void SetReadOnly(const std::string& path, bool readOnly) {
    SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

void PickRow(HWND dlg, int id, int row) {
    HWND list = GetDlgItem(dlg, id);
    if (GetWindowLongA(list, GWL_STYLE) & LBS_EXTENDEDSEL) {
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        SendMessageA(list, LB_SETSEL, TRUE, row);
        SendMessageA(list, LB_SETCARETINDEX, row, 0);
    } else {
        SendMessageA(list, LB_SETCURSEL, row, 0);
    }
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}
