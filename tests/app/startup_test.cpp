// Start-up and shut-down: the first start of a new project, a project that
// fails to load, the single-instance question and what shut-down writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/battle_mode.h"
#include "app/dlg_main.h"
#include "app/project_load.h"
#include "app/stage_edit_state.h"
#include "app/system_ini.h"
#include "base/editor_settings.h"
#include "base/file.h"
#include "base/paths.h"
#include "base/report.h"
#include "model/gvalinfo.h"
#include "model/stage.h"
#include "model/system.h"
#include "resources/stage_editor_ids.h"
#include "resources/worldmap_ids.h"
#include "tests/app/app_test_support.h"
#include "tests/support/bytes.h"
#include "worldmap/dlg_worldmap.h"

namespace {

int g_nBattleRow = 1;
int g_nBattleAnswered = 0;
struct BattleDialogSeen {
    int children = 0;
    POINT pointer = {0, 0};  // from the dialog's top-left corner
    bool pointerOnOk = false;
} g_BattleSeen;

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Answers the battle-mode question once it is open: picks a row and presses OK.
void CALLBACK AnswerBattleMode(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dlg = FindWindowA("#32770", "戦闘モードの選択");
    if (!dlg) return;
    KillTimer(nullptr, timer);
    g_BattleSeen = BattleDialogSeen();
    EnumChildWindows(dlg, CountChild, reinterpret_cast<LPARAM>(&g_BattleSeen.children));
    RECT wr, ok;
    POINT at;
    GetWindowRect(dlg, &wr);
    GetWindowRect(GetDlgItem(dlg, IDC_BATTLE_MODE_OK), &ok);
    GetCursorPos(&at);
    g_BattleSeen.pointer = {at.x - wr.left, at.y - wr.top};
    g_BattleSeen.pointerOnOk = PtInRect(&ok, at) != 0;
    HWND combo = GetDlgItem(dlg, IDC_BATTLE_MODE_COMBO);
    g_nBattleAnswered = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    SendMessageA(combo, CB_SETCURSEL, g_nBattleRow, 0);
    SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);  // no Cancel: ignored
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_BATTLE_MODE_OK, BN_CLICKED), 0);
}

const char kNoData[] = "データが存在しません！デフォルトデータを作成しますか？\n";
const char kMissingNames[] =
    "data\\GValInfo.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」"
    "フォルダへ同名のファイルをコピーして下さい。";

// The tests take the project's files away, or damage them.
class Startup : public ::testing::Test {
protected:
    void TearDown() override { ResetProject(); }
};

}  // namespace

TEST_F(Startup, FirstStartMakesTheProjectAndAsksTheBattleMode) {
    ResetProject(false);
    ScopedBoxes boxes(IDOK);
    boxes.Queue(IDYES);
    g_nBattleAnswered = 0;
    g_nBattleRow = 1;
    SetTimer(nullptr, 0, 20, AnswerBattleMode);
    ASSERT_EQ(1, StartEditor());
    ASSERT_GE(boxes.Count(), 1u);
    EXPECT_EQ(kNoData, boxes.Calls()[0].text);
    EXPECT_EQ(2, g_nBattleAnswered) << "both battle modes offered";
    EXPECT_EQ(2, g_BattleSeen.children) << "the combo and OK only";
    EXPECT_EQ(181, g_BattleSeen.pointer.x);
    EXPECT_EQ(198, g_BattleSeen.pointer.y);
    EXPECT_TRUE(g_BattleSeen.pointerOnOk);
    EXPECT_TRUE(FolderExists("data\\database"));
    EXPECT_TRUE(FileExists(g_PathTable.Land));
    EXPECT_TRUE(FolderExists("e_data") && FolderExists("user_data") && FolderExists("data\\random_name"));
    EXPECT_EQ(1, g_System.BattleMode);
    EXPECT_EQ(1, g_System.TurnMode);
    cSystem stored;
    ASSERT_TRUE(stored.LoadFile(g_PathTable.System));
    EXPECT_EQ(1, stored.BattleMode) << "written at once";
    ASSERT_NE(nullptr, g_lpStageWnd);
    EXPECT_TRUE(IsWindow(g_lpStageWnd->m_hWnd));
    EXPECT_EQ(1, g_bStarted);
    StopEditor();
}

TEST_F(Startup, AFailedWriteOfTheBattleModeIsSaidAndTheChoiceKept) {
    ResetProject();
    ScopedBoxes boxes;
    const std::string before = ReadFileBytes(g_PathTable.System);
    g_System.BattleMode = 0;
    g_nBattleRow = 1;
    const FileFaultHook old = SetFileFaultHook([](int step) { return step == FILE_FAULT_WRITE ? 1 : 0; });
    SetTimer(nullptr, 0, 20, AnswerBattleMode);
    const int ended = RunBattleModeDialog();
    SetFileFaultHook(old);
    EXPECT_EQ(1, ended);
    EXPECT_EQ((std::vector<std::string>{"data\\database\\System.dat の保存に失敗しました！"}), boxes.Texts());
    EXPECT_EQ(1, g_System.BattleMode) << "kept for the next save";
    EXPECT_EQ(1, g_System.TurnMode);
    EXPECT_EQ(before, ReadFileBytes(g_PathTable.System)) << "the old file stands";
}

TEST_F(Startup, DecliningTheNewProjectEndsStartUp) {
    ResetProject(false);
    ScopedBoxes boxes(IDNO);
    EXPECT_EQ(0, AppInit());
    EXPECT_FALSE(FolderExists("data"));
    EXPECT_EQ(nullptr, g_hWndMain);
    AppExit();
    EXPECT_FALSE(FileExists(g_PathTable.GValInfo)) << "nothing was read, nothing is written";
    EXPECT_EQ(0, g_nExitCode) << "a refusal is no failure";
}

TEST_F(Startup, ReadyProjectOpensTheLastStage) {
    ResetProject();
    ScopedBoxes boxes;
    ASSERT_EQ(1, StartEditor());
    EXPECT_EQ(1, g_StageEditState.StageOpen);
    EXPECT_EQ("data\\stg\\Sample.stg2", g_StageEditState.StagePath);
    EXPECT_EQ(20, g_Stage.Width);
    EXPECT_EQ(1, g_IniSettings[INI_BLOCK_VALID]);
    char title[128] = {};
    GetWindowTextA(g_lpStageWnd->m_hWnd, title, sizeof(title));
    EXPECT_STREQ("Orrindale  data\\stg\\Sample.stg2", title);
    // Only the sound layer may complain: the tests run without its library.
    for (const cBoxCall& call : boxes.Calls())
        if (call.text != "oggの初期化に失敗！") ADD_FAILURE() << "unexpected box: " << call.text;
    StopEditor();
    cEditConfig stored;
    ASSERT_TRUE(stored.LoadFile(g_PathTable.EditConfig));
    EXPECT_EQ("data\\stg\\Sample.stg2", stored.LastStage) << "the open stage is remembered";

    // A last stage that claims more position groups than memory holds opens
    // no stage, and says why.
    cStage bare;
    bare.Groups.clear();
    bare.PutEnemies.clear();
    bare.Events.clear();
    bare.WinConds.clear();
    bare.LoseConds.clear();
    bare.OtherConds.clear();
    ASSERT_TRUE(bare.SaveFile("data\\stg\\Sample.stg2"));
    std::string damaged = ReadFileBytes("data\\stg\\Sample.stg2");
    const uint32_t left = (160u << 20) - static_cast<uint32_t>(damaged.size());
    damaged.replace(damaged.size() - 24, 4, Bytes().U32(left));  // then five more counts
    damaged.resize(160 << 20);
    ASSERT_TRUE(WriteFileBytes("data\\stg\\Sample.stg2", damaged));
    boxes.Reset();
    ASSERT_EQ(1, StartEditor());
    EXPECT_EQ(0, g_StageEditState.StageOpen);
    const std::vector<std::string> texts = boxes.Texts();
    EXPECT_EQ(1, std::count(texts.begin(), texts.end(),
                            "data\\stg\\Sample.stg2 の読み込みに失敗しました！\nメモリが不足しています！"));
    StopEditor();
}

TEST_F(Startup, FailedLoadForgetsTheLastStageAndKeepsTheFiles) {
    enum { MISSING, NEWER, HUGE_COUNT };
    struct Case {
        const char* what;
        int damage;
        const char* first;
        const char* message;
    };
    const Case cases[] = {
        {"missing file", MISSING, kMissingNames,
         "プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！"},
        {"newer file", NEWER,
         "data\\GValInfo.dat の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。",
         "プロジェクトのロードに失敗しました！"},
        // A count that claims every byte left, zeros after it: more templates
        // than memory holds.
        {"damaged list", HUGE_COUNT, "data\\MoveAITemplate.dat の読み込みに失敗しました！\nメモリが不足しています！",
         "プロジェクトのロードに失敗しました！"},
    };
    for (const Case& c : cases) {
        ResetProject();
        if (c.damage == NEWER) SetFileVersion(g_PathTable.GValInfo, 271);
        if (c.damage == MISSING) FileDelete(g_PathTable.GValInfo);
        if (c.damage == HUGE_COUNT) {
            std::string bytes = Bytes().U32(DATA_VERSION).U32((96 << 20) - 8);
            bytes.resize(96 << 20);
            ASSERT_TRUE(WriteFileBytes(g_PathTable.MoveAITemplate, bytes));
        }
        const std::string before = ReadFileBytes(g_PathTable.GValInfo);
        ScopedBoxes boxes;
        EXPECT_EQ(0, AppInit()) << c.what;
        ASSERT_EQ(2u, boxes.Count()) << c.what;
        EXPECT_EQ(c.first, boxes.Calls()[0].text) << c.what;
        EXPECT_EQ(c.message, boxes.Calls()[1].text) << c.what;
        cEditConfig stored;
        ASSERT_TRUE(stored.LoadFile(g_PathTable.EditConfig));
        EXPECT_TRUE(stored.LastStage.empty()) << c.what;
        AppExit();
        EXPECT_EQ(before, ReadFileBytes(g_PathTable.GValInfo)) << c.what << ": never overwritten with empty names";
    }
}

TEST_F(Startup, ShutDownWritesTheCommonVariablesItRead) {
    ResetProject();
    ScopedBoxes boxes;
    ASSERT_EQ(1, StartEditor());
    g_GValInfo[5].Name = "新しい名前";
    StopEditor();
    VECTOR_CLASS<cGValInfo> stored;
    ASSERT_TRUE(LoadRecordList(stored, g_PathTable.GValInfo));
    ASSERT_EQ(static_cast<size_t>(GVALINFO_COUNT), stored.size());
    EXPECT_EQ("新しい名前", stored[5].Name);
}

// Settings of a newer version, unreadable here, survive start-up and
// shut-down; a project without settings gets them written.
TEST_F(Startup, EditorSettingsAreWrittenOnlyWhenReadOrMissing) {
    ResetProject();
    SetFileVersion(g_PathTable.EditConfig, 271);
    const std::string newer = ReadFileBytes(g_PathTable.EditConfig);
    {
        ScopedBoxes boxes;
        ASSERT_EQ(1, StartEditor());
        StopEditor();
    }
    EXPECT_EQ(newer, ReadFileBytes(g_PathTable.EditConfig)) << "shut-down";
    {
        FileDelete(g_PathTable.GValInfo);
        ScopedBoxes boxes;
        EXPECT_EQ(0, AppInit());
        AppExit();
        ASSERT_EQ(2u, boxes.Count());
        EXPECT_EQ(kMissingNames, boxes.Calls()[0].text) << "the settings' version is not the project's";
    }
    EXPECT_EQ(newer, ReadFileBytes(g_PathTable.EditConfig)) << "failed load";

    ResetProject();
    FileDelete(g_PathTable.EditConfig);
    ScopedBoxes boxes;
    ASSERT_EQ(1, StartEditor());
    StopEditor();
    cEditConfig stored;
    ASSERT_TRUE(stored.LoadFile(g_PathTable.EditConfig));
    EXPECT_EQ(g_StageEditState.StagePath, stored.LastStage);
}

// A shut-down save that cannot be written leaves a line naming its file;
// when the report log cannot be written either (a read-only disk), a box
// names it instead.
TEST_F(Startup, FailedShutDownSavesAreReported) {
    const std::string log = ProjectRoot() + "\\Report_Editor.txt";
    const std::string editConfig = std::string(g_PathTable.EditConfig) + ".tmp";
    const std::string gvalInfo = std::string(g_PathTable.GValInfo) + ".tmp";
    const std::vector<std::string> failed = {"e_data\\EditConfig.dat の保存に失敗しました！",
                                             "data\\GValInfo.dat の保存に失敗しました！"};
    for (const bool logWritable : {true, false}) {
        ResetProject();
        ScopedBoxes boxes;
        ASSERT_EQ(1, StartEditor());
        boxes.Reset();
        // A folder in the temporary file's place: neither save can be made.
        ASSERT_TRUE(FolderCreate(editConfig.c_str()));
        ASSERT_TRUE(FolderCreate(gvalInfo.c_str()));
        const std::string before = ReadFileBytes(log.c_str());
        // A folder in the log's place: no line can be added.
        if (!logWritable) {
            ASSERT_TRUE(FileDelete(log.c_str()) && FolderCreate(log.c_str()));
        }
        StopEditor();
        if (!logWritable) {
            ASSERT_TRUE(FolderDelete(nullptr, log.c_str()) && WriteFileBytes(log.c_str(), before));
        }
        FolderDelete(nullptr, editConfig.c_str());
        FolderDelete(nullptr, gvalInfo.c_str());
        const std::string after = ReadFileBytes(log.c_str());
        ASSERT_GE(after.size(), before.size());
        const std::string added = after.substr(before.size());
        EXPECT_EQ(logWritable ? failed[0] + "\r\n" + failed[1] + "\r\n" : "", added);
        EXPECT_EQ(logWritable ? std::vector<std::string>{} : failed, boxes.Texts());
        if (!logWritable) {
            EXPECT_EQ("エラー", boxes.Calls()[0].caption);
        }
    }
}

// Settings of a newer version survive every writer of the settings: the
// world-map window with its two palettes, the default-stage command and
// shut-down. What the user chose still holds for this run.
TEST_F(Startup, NewerSettingsSurviveEveryWriter) {
    ResetProject();
    SetFileVersion(g_PathTable.EditConfig, 271);
    const std::string newer = ReadFileBytes(g_PathTable.EditConfig);
    ScopedBoxes boxes(IDNO);
    ASSERT_EQ(1, StartEditor());
    SendMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_WORLDMAP, 0);
    ASSERT_NE(nullptr, g_lpStageWnd->WorldMap());
    const HWND world = g_lpStageWnd->WorldMap()->m_hWnd;
    SendMessageA(world, WM_COMMAND, CM_WM_LAYER_EVENT, 0);  // the chip palette closes, the event palette opens
    SendMessageA(world, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(world));
    EXPECT_EQ(newer, ReadFileBytes(g_PathTable.EditConfig)) << "world map";
    const std::string stage = ProjectRoot() + "\\data\\stg\\Sample.stg2";
    {
        ScopedFileDialog dialog(stage);
        SendMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_DEFAULT_STAGE, 0);
    }
    EXPECT_EQ("data\\stg\\Sample.stg2", g_EditConfig.DefaultStage) << "named from the project folder";
    EXPECT_EQ(newer, ReadFileBytes(g_PathTable.EditConfig)) << "default stage";
    StopEditor();
    EXPECT_EQ(newer, ReadFileBytes(g_PathTable.EditConfig)) << "shut-down";
    for (const cBoxCall& call : boxes.Calls())
        if (call.text != "oggの初期化に失敗！" && call.caption != "保存確認")
            ADD_FAILURE() << "unexpected box: " << call.text;
}

// A damaged settings file is kept aside under a name that says so, the
// report log says where, and fresh settings are kept from then on; a later
// damaged file takes the next free name.
TEST_F(Startup, DamagedSettingsAreKeptAsideAndFreshOnesKept) {
    const std::string path = g_PathTable.EditConfig;
    const std::string log = ProjectRoot() + "\\Report_Editor.txt";
    const std::string whole = [] {
        ResetProject();
        return ReadFileBytes(g_PathTable.EditConfig);
    }();
    const struct {
        const char* what;
        std::string bytes;
        const char* aside;
    } cases[] = {
        {"cut short", whole.substr(0, whole.size() - 3), ".damaged"},
        {"no version word", "\x0E\x01", ".damaged2"},
        {"empty", "", ".damaged3"},
    };
    for (const char* suffix : {".damaged", ".damaged2", ".damaged3"}) FileDelete((path + suffix).c_str());
    for (const auto& c : cases) {
        ResetProject();
        ASSERT_TRUE(WriteFileBytes(path.c_str(), c.bytes));
        ScopedBoxes boxes;
        ASSERT_EQ(1, StartEditor()) << c.what;
        EXPECT_EQ(c.bytes, ReadFileBytes((path + c.aside).c_str())) << c.what;
        EXPECT_EQ(0, g_StageEditState.StageOpen) << c.what << ": the defaults name no stage";
        const std::string line =
            path + " が壊れていたため " + path + c.aside + " に移し、エディターの設定を初期値に戻しました。\r\n";
        EXPECT_NE(std::string::npos, ReadFileBytes(log.c_str()).find(line)) << c.what;
        g_EditConfig.UndoDepth = 7;
        StopEditor();
        cEditConfig stored;
        ASSERT_TRUE(stored.LoadFile(path)) << c.what;
        EXPECT_EQ(7, stored.UndoDepth) << c.what;
        for (const cBoxCall& call : boxes.Calls())
            if (call.text != "oggの初期化に失敗！") ADD_FAILURE() << "unexpected box: " << call.text;
    }
    for (const char* suffix : {".damaged", ".damaged2", ".damaged3"}) FileDelete((path + suffix).c_str());
}

// Started outside a project, or where the report log cannot be made, the
// editor says why and ends with a failure code, having made nothing.
TEST_F(Startup, StartingWhereNoProjectCanBeSaysWhy) {
    ResetProject();
    const std::string projectLog = g_szReportPath;
    ScratchFolder empty("no_project");
    const std::string report = empty.Path() + "\\Report_Editor.txt";
    const struct {
        bool logBlocked;
        std::string message;
    } cases[] = {
        {false, empty.Path() + "\n\nこのフォルダには「data」フォルダも「default」フォルダもありません！\n"
                               "ゲームのプロジェクトフォルダでエディターを起動して下さい。"},
        {true, report + " を作成できません！\n書き込みのできるフォルダでエディターを起動して下さい。"},
    };
    for (const auto& c : cases) {
        // A folder in the log's place: the log cannot be made.
        if (c.logBlocked) {
            ASSERT_TRUE(FileDelete(report.c_str()) && FolderCreate(report.c_str()));
        }
        UnregisterClassA(g_szAppClass, GetModuleHandleA(nullptr));  // the editor registers it itself
        ScopedBoxes boxes(IDYES);                                   // a second copy elsewhere is no matter here
        EXPECT_EQ(EXIT_FAILED, EditorMain(GetModuleHandleA(nullptr))) << c.message;
        std::vector<std::string> texts = boxes.Texts();
        EXPECT_EQ(1, std::count(texts.begin(), texts.end(), c.message)) << c.message;
        EXPECT_EQ("エラー", boxes.Calls().back().caption);
        EXPECT_FALSE(FolderExists("data") || FolderExists("e_data")) << c.message;
    }
    std::snprintf(g_szReportPath, sizeof(g_szReportPath), "%s", projectLog.c_str());
    RegisterMainWindowClass(GetModuleHandleA(nullptr));
}

// Refused for another reason than memory (here its class is missing), the
// frame is not told as a memory shortage.
TEST_F(Startup, AFrameThatCannotBeMadeSaysSoWithItsErrorCode) {
    ScopedBoxes boxes;
    UnregisterClassA(g_szAppClass, GetModuleHandleA(nullptr));
    EXPECT_EQ(0, CreateMainWindows());
    RegisterMainWindowClass(GetModuleHandleA(nullptr));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(0u, boxes.Calls()[0].text.rfind("メインウィンドウを作成できませんでした！（エラー 14", 0))
        << "the class's error, 1407 or 1411";
}

TEST_F(Startup, SecondCopyIsAskedFor) {
    const std::string name = "OrrindaleTest_" + std::to_string(GetCurrentProcessId());
    {
        ScopedBoxes boxes;
        HANDLE first = AcquireSingleInstance(name.c_str());
        ASSERT_NE(nullptr, first);
        EXPECT_EQ(0u, boxes.Count()) << "the first copy asks nothing";

        boxes.Queue(IDNO);
        EXPECT_EQ(nullptr, AcquireSingleInstance(name.c_str()));
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ("既に起動しています。\n二重起動しますか？  ※非推奨。データの上書き保存に注意！\n",
                  boxes.Calls()[0].text);
        EXPECT_EQ("二重起動", boxes.Calls()[0].caption);
        EXPECT_EQ(nullptr, boxes.Calls()[0].owner);
        EXPECT_EQ(static_cast<unsigned>(MB_YESNO), boxes.Calls()[0].type) << "no icon";

        boxes.Queue(IDYES);
        HANDLE second = AcquireSingleInstance(name.c_str());
        EXPECT_NE(nullptr, second);
        EXPECT_EQ(2u, boxes.Count());
        CloseHandle(second);
        CloseHandle(first);
    }
}

TEST_F(Startup, IdleStepServesTheFocusRequest) {
    ResetProject();
    ScopedBoxes boxes;
    ASSERT_EQ(1, StartEditor());
    SetFocus(nullptr);
    g_bFocusRequest = 1;
    PostMessageA(g_hWndMain, WM_NULL, 0, 0);  // the idle step waits for a message
    EXPECT_EQ(1, AppIdle());
    EXPECT_EQ(0, g_bFocusRequest);
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == g_lpStageWnd->m_hWnd || IsChild(g_lpStageWnd->m_hWnd, focus));
    StopEditor();
}

TEST_F(Startup, MainFrameOfTheRegisteredClassStandsOffScreen) {
    ResetProject();
    ScopedBoxes boxes;
    ASSERT_EQ(1, StartEditor());
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(g_hInstance, "Orrindale_Editor", &wc));
    EXPECT_EQ(0x23u, wc.style);
    EXPECT_EQ(MAKEINTRESOURCEA(IDR_MENU_STAGE), wc.lpszMenuName);
    EXPECT_EQ(GetStockObject(LTGRAY_BRUSH), wc.hbrBackground);
    char title[64] = {};
    GetWindowTextA(g_hWndMain, title, sizeof(title));
    EXPECT_STREQ("Orrindale", title);
    RECT rc;
    GetWindowRect(g_hWndMain, &rc);
    EXPECT_EQ(9999, rc.left);
    EXPECT_EQ(9999, rc.top);
    StopEditor();
}

TEST_F(Startup, LastEditLayerComesBackWithItsOwnToolState) {
    ResetProject();
    cEditConfig config;
    ASSERT_TRUE(config.LoadFile(g_PathTable.EditConfig));
    config.EditLayer = LAYER_EVENT;
    ASSERT_TRUE(config.SaveFile(g_PathTable.EditConfig));
    g_StageEditState.LayerSaved[LAYER_EVENT].SelW = 3;
    ScopedBoxes boxes;
    ASSERT_EQ(1, StartEditor());
    EXPECT_EQ(LAYER_EVENT, g_StageEditState.Layer);
    EXPECT_EQ(3, g_StageEditState.SelW) << "the event layer's selection, not the chip layer's";
    EXPECT_TRUE(GetMenuState(GetMenu(g_lpStageWnd->m_hWnd), CM_LAYER_EVENT, MF_BYCOMMAND) & MF_CHECKED);
    SendMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_LAYER_CHIP, 0);
    EXPECT_EQ(1, g_StageEditState.SelW);
    StopEditor();
    ASSERT_TRUE(config.LoadFile(g_PathTable.EditConfig));
    EXPECT_EQ(LAYER_CHIP, config.EditLayer) << "the layer at shut-down is kept";
}
