#include "app/test_play.h"

#include "app/app.h"
#include "app/dlg_main.h"
#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/platform.h"
#include "base/report.h"
#include "ui/common_dialogs.h"

uint32_t g_nTestPlayStart = 0;

int TestPlayRequest(int running, uint32_t started, uint32_t now) {
    if (!running) return TESTPLAY_START;
    return now - started >= TESTPLAY_QUIET_MS ? TESTPLAY_REFUSE : TESTPLAY_IGNORE;
}

int LoadStringResource(HMODULE module, UINT id, std::wstring* text) {
    text->clear();
    LPCWSTR block = MAKEINTRESOURCEW(id / 16 + 1);
    HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(6), block, LANG_USER_DEFAULT);
    if (!found) found = FindResourceW(module, block, MAKEINTRESOURCEW(6));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const WORD* p = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (!p) return 0;
    // Sixteen counted strings; a damaged table ends the walk at its size.
    const WORD* end = p + SizeofResource(module, found) / sizeof(WORD);
    for (UINT i = 0; i < id % 16; ++i) {
        if (p >= end) return 0;
        p += 1 + *p;
    }
    if (p >= end || *p == 0 || p + 1 + *p > end) return 0;
    text->assign(reinterpret_cast<const wchar_t*>(p + 1), *p);
    return 1;
}

int IsGameProgram(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return 0;
    std::wstring text;
    const int game = LoadStringResource(module, 1, &text) && text == L"GAME";
    FreeLibrary(module);
    return game;
}

int FindDefaultGameProgram(std::string* name) {
    name->clear();
    char folder[MAX_PATH] = {};
    if (!GetCurrentFolder(folder, sizeof(folder))) return 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "\\*.exe").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        // A full path: a bare name would be looked for in the system's folders too.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsGameProgram(std::string(folder) + "\\" + found.cFileName))
            *name = found.cFileName;
    } while (name->empty() && FindNextFileA(search, &found));
    FindClose(search);
    return !name->empty();
}

int GetGameProgram(std::string* path) {
    if (!g_TestPlay.AutoFind) {
        *path = g_TestPlay.GamePath;
        if (!path->empty() && FileExists(path->c_str())) return 1;
        path->clear();
        return 0;
    }
    return FindDefaultGameProgram(path);
}

void DLG_MAIN::TestPlay() {
    std::string program;
    if (!GetGameProgram(&program)) {
        ErrorBox("ゲームプログラムが見つかりません！");
        return;
    }
    switch (TestPlayRequest(bTestPlay, g_nTestPlayStart, ClockMs())) {
    case TESTPLAY_IGNORE: return;
    case TESTPLAY_REFUSE:
        ErrorBox(
            "二重起動はできません！\n二重起動でないのにこのエラーが出る場合はエディタープログラ"
            "ムと"
            "ゲームプログラムのバージョンが合っていない可能性があります。");
        return;
    default: break;
    }
    g_nTestPlayStart = ClockMs();
    bTestPlay = 1;
    cStageEditState& st = g_StageEditState;
    if (st.StageOpen) {
        if (st.StagePath.empty()) {
            ErrorBox(
                "ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実"
                "行できません！");
            bTestPlay = 0;
            return;
        }
        // A failed write has named its file already; the game must not run
        // on what is on the disk instead.
        if (!SaveStageAs(1)) {
            bTestPlay = 0;
            return;
        }
        st.StageChanged = 0;
        UpdateTitle();
        if (!SaveEventPalette()) {
            bTestPlay = 0;
            return;
        }
        st.PaletteChanged = 0;
        st.ClearHistory();
        UpdateUndoMenu();
        UpdateUndoToolbar();
    }
    if (ShellOpen(g_hWndMain, program.c_str()) <= 32) {
        EnableWindows(1);
        bTestPlay = 0;
        MesBoxWnd(g_hWndMain, "ゲームプログラムが呼び出せません！", "エラー", MB_OK);
        return;
    }
    // The idle routine rests until the editor is activated again.
    g_bAppActive = 0;
}
