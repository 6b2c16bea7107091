#include "app/app.h"

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <cstdio>
#include <string>

#include "app/battle_mode.h"
#include "app/dlg_main.h"
#include "app/project_load.h"
#include "app/stage_edit_state.h"
#include "app/stage_file.h"
#include "app/system_ini.h"
#include "app/view_main.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/report.h"
#include "base/serial.h"
#include "database/sheet/prop_database.h"
#include "database/skills/prop_dbskill.h"
#include "database/skills/skill_csv.h"
#include "media/mci_sound.h"
#include "media/sound.h"
#include "model/gvalinfo.h"
#include "model/random_names.h"
#include "resources/stage_editor_ids.h"
#include "ui/frame_timer.h"
#include "ui/hook.h"
#include "ui/wnd_list.h"
#include "worldmap/dlg_worldmap.h"

const char g_szAppTitle[] = "Orrindale";
const char g_szAppVersion[] = "270";
const char g_szAppClass[] = "Orrindale_Editor";

HINSTANCE g_hInstance = nullptr;
int bTestPlay = 0;
int g_bAppActive = 0;
int g_bFocusRequest = 0;
unsigned char g_bStarted = 0;
int g_bStripCR = 0;
int g_nEditorMode = EDITOR_MODE_STAGE;
DLG_MAIN* g_lpStageWnd = nullptr;
int g_nFps = 0;
char g_szProjectFolder[MAX_PATH] = {};
int g_nExitCode = 0;

namespace {

const char kReportFile[] = "Report_Editor.txt";
const char kEcLogFile[] = "EC_Editor.txt";
const char kSystemIni[] = "System.ini";
const int kAnimatedPageRate = 20;

// While the database sheet shows an animation page or a skill sheet stands,
// the idle routine runs at a steady frame rate instead of waiting for input.
bool IsAnimating(PROP_DATABASE* db) {
    if (!db) return false;
    const int page = db->GetCurPage();
    if (page == PROP_DATABASE::TAB_CHARA_ANIM || page == PROP_DATABASE::TAB_EFFECT_ANIM) return true;
    PROP_DBSKILL* skills = db->SkillSheet();
    return skills && skills->IsOpen();
}

// A save that failed at the end is named in the report log, or in a box when
// the log cannot be written either.
void ReportIfNotSaved(int saved, const char* path) {
    if (!saved) ReportOrBox(kSaveFailedText, path);
}

// Without "data\" and "default\" the folder is no project, and a new one
// cannot be made in it.
int IsProjectFolder() {
    if (FolderExists(g_PathTable.Data) || FolderExists(g_PathTable.Default)) return 1;
    ErrorBoxPrintf(
        "%s\n\nこのフォルダには「data」フォルダも「default」フォルダもありません！\n"
        "ゲームのプロジェクトフォルダでエディターを起動して下さい。",
        g_szProjectFolder);
    return 0;
}

}  // namespace

int RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;  // 0x23
    wc.lpfnWndProc = &VIEW_MAIN::ClassProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_EDITOR));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MENU_STAGE);
    wc.lpszClassName = g_szAppClass;
    return RegisterClassA(&wc) != 0;
}

HANDLE AcquireSingleInstance(const char* name) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
    if (!mutex) return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS &&
        ShowMessageBox(nullptr, "既に起動しています。\n二重起動しますか？  ※非推奨。データの上書き保存に注意！\n",
                       "二重起動", MB_YESNO) != IDYES) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
        return nullptr;
    }
    return mutex;
}

int AppInit() {
    if (!g_hInstance) g_hInstance = GetModuleHandleA(nullptr);
    timeBeginPeriod(1);
    g_nDataVersion = DATA_VERSION;
    g_bFileTooNew = 0;
    g_bStripCR = 0;
    GetCurrentFolder(g_szProjectFolder, sizeof(g_szProjectFolder));

    g_nExitCode = EXIT_FAILED;
    if (!IsProjectFolder()) return 0;
    int created = 0;
    if (!CreateDefaultData(nullptr, &created)) {
        if (created < 0)  // said Yes, but the copy failed: not a quiet end
            ErrorBoxPrintf("%s", "デフォルトデータの作成に失敗しました！");
        else
            g_nExitCode = 0;  // the user declined the new project
        return 0;
    }
    CreateProjectFolders();
    LoadRandomNames(g_RandomNames);
    BuildSkillCsvColumns();
    LoadEditorSettings();

    // The settings' own version says nothing of the project's files.
    g_bFileTooNew = 0;
    if (!LoadProject(0)) {
        // The files were where they belong when one was too new or memory ran out.
        if (g_bFileTooNew || g_bFileOutOfMemory)
            ErrorBoxPrintf("%s", "プロジェクトのロードに失敗しました！");
        else
            ErrorBoxPrintf(
                "%s",
                "プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！");
        // The next start must not try the same stage again.
        g_EditConfig.LastStage.clear();
        SaveEditorSettingsReported();
        return 0;
    }
    OpenLastStage();

    SetDefaultSettings(g_IniSettings, g_System.IniKeys);
    if (!LoadSystemIni(kSystemIni, g_IniSettings, g_System.IniKeys))
        SetDefaultSettings(g_IniSettings, g_System.IniKeys);

    if (created && !RunBattleModeDialog()) return 0;

    g_Sound.Init(1, g_OggEntry, g_MidiEntry, 1, g_IniSettings[7]);
    MciInit(&g_MciTable);
    // Only a table that cannot be allocated fails: out of memory, the program ends.
    if (!MciOpenAll(&g_MciTable, "waveaudio", g_MciSoundFiles)) {
        MemoryShortageExit();
        return 0;
    }
    InitCommonControls();

    if (!CreateMainWindows()) return 0;
    g_nExitCode = 0;
    g_bStarted = 1;
    return 1;
}

int CreateMainWindows() {
    g_ViewMain.SetWindowParam(640, 480, 100, 100, 640, 480,
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, 1, 0, 0, 0, 0);
    const RECT& size = g_ViewMain.m_rcWindow;
    // Off screen: the frame only carries the task-bar entry; the stage editor is what shows.
    HWND wnd = CreateWindowExA(0, g_szAppClass, g_szAppTitle, 0, 9999, 9999, size.right - size.left,
                               size.bottom - size.top, nullptr, nullptr, g_hInstance, nullptr);
    if (!wnd) {
        // Told as a shortage only when it is one: a frame refused for want of
        // a display (Wine's session held by another) comes with no error code.
        const DWORD error = GetLastError();
        if (error == ERROR_NOT_ENOUGH_MEMORY || error == ERROR_OUTOFMEMORY)
            MemoryShortageExit();
        else
            ReportError("メインウィンドウを作成できませんでした！（エラー %s）", std::to_string(error).c_str());
        return 0;
    }
    g_hWndMain = wnd;
    ShowWindow(wnd, SW_SHOWNORMAL);
    UpdateWindow(wnd);
    g_ViewMain.Register(wnd, 0, &g_WndList);
    g_ViewMain.CreateStageWindow();
    g_lpStageWnd = g_ViewMain.m_lpStageWnd;
    if (!g_lpStageWnd) return 0;
    // The layer of the last session, with its own tool state, once a stage is open.
    int layer = g_EditConfig.EditLayer;
    Clamp(layer, LAYER_CHIP, LAYER_EVENT);
    if (g_StageEditState.StageOpen) g_lpStageWnd->SetEditLayer(layer);
    SetFocus(g_lpStageWnd->m_hWnd);
    return 1;
}

int AppIdle() {
    DLG_MAIN* stage = g_lpStageWnd;
    if (!stage) return 1;
    if (IsAnimating(stage->Database())) {
        while (!IsFrameDue(kAnimatedPageRate)) Sleep(1);
    } else {
        WaitMessage();
    }
    if (g_bFocusRequest) {
        g_bFocusRequest = 0;
        if (g_nEditorMode == EDITOR_MODE_STAGE && stage->m_hWnd)
            SetFocus(stage->m_hWnd);
        else if (g_nEditorMode == EDITOR_MODE_WORLDMAP && stage->WorldMap() && stage->WorldMap()->m_hWnd)
            SetFocus(stage->WorldMap()->m_hWnd);
    }
    g_nFps = CountFps(1);
    // A window's idle step may open or close others.
    for (size_t i = 0; i < g_WndList.m_Wnds.size(); ++i) g_WndList.m_Wnds[i]->OnIdle();
    stage = g_lpStageWnd;
    if (stage && stage->Database()) {
        stage->Database()->OnIdle(1);
        PROP_DBSKILL* skills = stage->Database() ? stage->Database()->SkillSheet() : nullptr;
        if (skills && skills->IsOpen()) skills->OnIdle(1);
    }
    return 1;
}

void AppExit() {
    timeEndPeriod(1);
    if (g_bStarted) {
        g_EditConfig.LastStage = g_StageEditState.StagePath;
        g_EditConfig.EditLayer = g_StageEditState.Layer;
        SaveEditorSettingsReported();
    }
    // Names that were never read are not written over the project's file.
    if (g_bGValInfoLoaded) ReportIfNotSaved(SaveGValInfoFile(g_GValInfo, g_PathTable.GValInfo), g_PathTable.GValInfo);
    MciTerm(&g_MciTable);
    g_Sound.Release();
    cHook::Unhook();
    SafeDelete(g_ViewMain.m_lpStageWnd);
    g_lpStageWnd = nullptr;
}

int DispatchWaitingMessages() {
    MSG msg;
    int quit = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = 1;
            continue;
        }
        if (DispatchAppMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return !quit;
}

int RunMessageLoop(int* exitCode) {
    MSG msg = {};
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) break;
            if (DispatchAppMessage(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (!bTestPlay && g_bAppActive) {
            if (!AppIdle()) {
                *exitCode = 0;
                return 0;
            }
        } else {
            WaitMessage();
        }
    }
    *exitCode = static_cast<int>(msg.wParam);
    return 1;
}

int EditorMain(HINSTANCE instance) {
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    EcLogOpen(0, kEcLogFile);
    char report[MAX_PATH] = {};
    std::snprintf(report, sizeof(report), "%s", kReportFile);
    MakeAbsolutePath(report);
    if (!ReportOpen(report)) {
        // Nothing could say why the editor did not start.
        ErrorBoxPrintf("%s を作成できません！\n書き込みのできるフォルダでエディターを起動して下さい。", report);
        return EXIT_FAILED;
    }
    Report("App : ver %s", g_szAppVersion);
    ReportSystemInfo();

    HANDLE mutex = AcquireSingleInstance(g_szAppClass);
    if (!mutex) return 0;
    g_hInstance = instance;
    int code = EXIT_FAILED;
    if (RegisterMainWindowClass(instance)) {
        if (AppInit())
            RunMessageLoop(&code);
        else
            code = g_nExitCode;
        AppExit();
    }
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return code;
}
