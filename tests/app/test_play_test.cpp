// Test play end to end under Wine with the stand-in game program: the search
// past the decoys, the stage saved first, the game's log, its WM_COPYDATA,
// the rule against a second start, and the test-play settings dialog.
#include "app/test_play.h"

#include <string>
#include <vector>

#include "app/dlg_testplay.h"
#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "tests/app/editor_test.h"
#include "tests/ui/ui_driver.h"
#include "ui/common_dialogs.h"

namespace {

using Texts = std::vector<std::string>;
const char* const kPrograms[][2] = {
    {"DecoyNoString.exe", "Decoy1.exe"}, {"DecoyLowerCase.exe", "Decoy2.exe"}, {"StandinGame.exe", "Game.exe"}};

// The stand-in and its decoys, built beside the test programs, copied into
// the project (the game itself only when asked).
void CopyPrograms(bool game) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string bin = self;
    bin = bin.substr(0, bin.find_last_of('\\')) + "\\..\\bin\\";
    for (const auto& p : kPrograms) {
        DeleteFileA(p[1]);
        if (game || std::string(p[1]) != "Game.exe") CopyFileA((bin + p[0]).c_str(), p[1], FALSE);
    }
    DeleteFileA("Game.log");
}

// A game that has just written its log's last line is still ending: its
// program file stays in use a moment longer.
void DeleteProgram(const char* name) {
    for (int i = 0; i < 500 && !DeleteFileA(name) && GetLastError() != ERROR_FILE_NOT_FOUND; ++i) Sleep(10);
}

// Runs the main loop's filter until the game's log ends with `last`.
std::string WaitForLog(const std::string& last) {
    for (int i = 0; i < 1500; ++i) {
        PumpMessages();
        const std::string log = ReadFileBytes("Game.log");
        if (log.size() > last.size() && log.compare(log.size() - last.size() - 1, last.size(), last) == 0) return log;
        Sleep(10);
    }
    return "no log: " + ReadFileBytes("Game.log");
}

int g_nStarts = 0;
BOOL WINAPI CountStart(SHELLEXECUTEINFOA* info) {
    ++g_nStarts;
    return ShellExecuteExA(info);
}
BOOL WINAPI FailStart(SHELLEXECUTEINFOA* info) {
    ++g_nStarts;
    info->hInstApp = reinterpret_cast<HINSTANCE>(SE_ERR_FNF);
    return FALSE;
}

class TestPlay : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        CopyPrograms(true);
        g_nStarts = 0;
        SetShellExecuteProc(CountStart);
    }
    void TearDown() override {
        SetShellExecuteProc(nullptr);
        for (const auto& p : kPrograms) DeleteProgram(p[1]);
        DeleteFileA("Game.cfg");
        DeleteFileA("Game.log");
        EditorTest::TearDown();
        // The project's files a test took away or wrote are put back.
        ResetProject();
    }
};

}  // namespace

TEST_F(TestPlay, TheGameIsFoundPastTheDecoys) {
    const struct {
        int autoFind;
        const char* chosen;
        bool game;
        const char* found;
    } cases[] = {
        {1, "", true, "Game.exe"},
        {1, "", false, ""},                      // string 1 missing, or "game"
        {0, "Decoy2.exe", false, "Decoy2.exe"},  // a chosen program needs only to be there
        {0, "Missing.exe", true, ""},
    };
    for (const auto& c : cases) {
        CopyPrograms(c.game);
        g_TestPlay.AutoFind = c.autoFind;
        g_TestPlay.GamePath = c.chosen;
        std::string path;
        EXPECT_EQ(c.found[0] ? 1 : 0, GetGameProgram(&path)) << c.chosen;
        EXPECT_EQ(c.found, path) << c.chosen;
        if (c.found[0]) continue;
        Boxes().Reset();
        Command(CM_TESTPLAY);
        EXPECT_EQ((Texts{"ゲームプログラムが見つかりません！"}), Boxes().Texts()) << c.chosen;
    }
    EXPECT_EQ(0, g_nStarts);
}

TEST_F(TestPlay, TheStageIsSavedTheGameRunsAndReportsItsEnd) {
    WriteFileBytes("Game.cfg", "delay=300\n");
    g_Stage.SetChip(1, 1, 2);
    g_StageEditState.StageChanged = g_StageEditState.PaletteChanged = 1;
    Command(CM_CLEAR_ENEMIES);  // an undo step
    Boxes().Reset();
    Command(CM_TESTPLAY_KEY);
    EXPECT_EQ(0u, Boxes().Count());
    EXPECT_EQ(1, bTestPlay);
    EXPECT_EQ(0, g_StageEditState.StageChanged + g_StageEditState.PaletteChanged);
    EXPECT_TRUE(g_StageEditState.UndoHistory.Empty());
    cStage saved;
    ASSERT_TRUE(saved.LoadFile("data\\stg\\Sample.stg2"));
    EXPECT_TRUE(saved.Chips == g_Stage.Chips) << "saved before the game starts";
    EXPECT_TRUE(saved.PutEnemies.empty());

    const std::string log = WaitForLog("answered 0");
    EXPECT_EQ("folder " + ProjectRoot() + "\nstage data\\stg\\Sample.stg2 " +
                  std::to_string(FileBytes("data\\stg\\Sample.stg2").size()) + "\neventpalette data\\EventPlt.dat " +
                  std::to_string(FileBytes(g_PathTable.EventPlt).size()) + "\nanswered 0\n",
              log);
    EXPECT_EQ(0, bTestPlay) << "WM_COPYDATA with 0 ended the test play";

    WriteFileBytes("Game.cfg", "data=5\n");
    Command(CM_TESTPLAY_KEY);
    WaitForLog("answered 5");
    EXPECT_EQ(1, bTestPlay) << "another numeric field ends nothing";
    EXPECT_EQ(2, g_nStarts);
}

TEST_F(TestPlay, ASecondRequestIsIgnoredThenRefused) {
    WriteFileBytes("Game.cfg", "answer=0\n");
    ScopedClock clock(50000);
    Command(CM_TESTPLAY_KEY);
    WaitForLog("no answer");
    for (uint32_t after : {1u, 2999u, 3000u, 90000u}) {
        ScopedClock::Now() = 50000 + after;
        Boxes().Reset();
        Command(CM_TESTPLAY_KEY);
        EXPECT_EQ(after < 3000 ? Texts{}
                               : Texts{"二重起動はできません！\n二重起動でないのにこのエラーが出る場合はエデ"
                                       "ィタープログラムと"
                                       "ゲームプログラムのバージョンが合っていない可能性があります。"},
                  Boxes().Texts())
            << after;
    }
    EXPECT_EQ(1, g_nStarts);
    EXPECT_EQ(1, bTestPlay) << "a game that never answers";
}

TEST_F(TestPlay, WhatIsSavedDependsOnTheOpenStage) {
    Boxes().Queue(IDYES);
    Command(CM_NEW_STAGE);
    PumpMessages();
    Boxes().Reset();
    Command(CM_TESTPLAY);
    EXPECT_EQ((Texts{"ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイ"
                     "は実行できません！"}),
              Boxes().Texts());
    EXPECT_EQ(0, g_nStarts) << "a stage never saved";

    // Without a stage nothing is written; a program that does not start is named.
    Command(CM_CLOSE_STAGE);
    PumpMessages();
    DeleteFileA(g_PathTable.EventPlt);
    SetShellExecuteProc(FailStart);
    Boxes().Reset();
    Command(CM_TESTPLAY);
    EXPECT_EQ(1, g_nStarts);
    EXPECT_FALSE(FileExists(g_PathTable.EventPlt));
    EXPECT_EQ((Texts{"ゲームプログラムが呼び出せません！"}), Boxes().Texts());
    EXPECT_EQ("エラー", Boxes().Calls()[0].caption);
    EXPECT_EQ(0, bTestPlay);
}

TEST_F(TestPlay, SettingsDialogChoosesTheProgram) {
    ScopedFileDialog dialog(ProjectRoot() + "\\Decoy2.exe");
    bool pathEnabled[2] = {true, false};
    std::string training;
    WhenOpen([&] {
        DLG_TESTPLAY* box = OpenBox<DLG_TESTPLAY>();
        if (!box) return false;
        HWND wnd = box->m_hWnd, path = GetDlgItem(wnd, IDC_TESTPLAY_PATH);
        char text[160] = {};
        GetDlgItemTextA(wnd, IDC_TESTPLAY_TRAINING, text, sizeof(text));
        training = text;
        // The path is typed only while the program is not found automatically.
        pathEnabled[0] = IsWindowEnabled(path);
        SendDlgItemMessageA(wnd, IDC_TESTPLAY_AUTO, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(IDC_TESTPLAY_AUTO, BN_CLICKED), 0);
        pathEnabled[1] = IsWindowEnabled(path);
        SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(IDC_TESTPLAY_BROWSE, BN_CLICKED), 0);
        SendDlgItemMessageA(wnd, IDC_TESTPLAY_TRAINING, CB_SETCURSEL, 1, 0);
        SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(IDC_TESTPLAY_OK, BN_CLICKED), 0);
        return true;
    });
    Command(CM_TESTPLAY_SETTINGS);
    EXPECT_EQ("全ての敵と闘える", training) << "training 2 by default";
    EXPECT_FALSE(pathEnabled[0]);
    EXPECT_TRUE(pathEnabled[1]);
    EXPECT_EQ((Texts{"ゲームプログラムの選択"}), dialog.Titles());
    cTestPlay stored;
    ASSERT_TRUE(stored.LoadFile(g_PathTable.TestPlay)) << "written at once";
    EXPECT_EQ(0, stored.AutoFind);
    EXPECT_EQ(".\\Decoy2.exe", stored.GamePath) << "relative to the project";
    EXPECT_EQ(1, stored.Training);

    // A file that cannot be written is named; the settings hold for this run.
    SetReadOnly(g_PathTable.TestPlay, true);
    WhenOpen([] {
        DLG_TESTPLAY* box = OpenBox<DLG_TESTPLAY>();
        if (!box) return false;
        SendDlgItemMessageA(box->m_hWnd, IDC_TESTPLAY_NO_GROWTH, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(box->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TESTPLAY_OK, BN_CLICKED), 0);
        return true;
    });
    Boxes().Reset();
    Command(CM_TESTPLAY_SETTINGS);
    SetReadOnly(g_PathTable.TestPlay, false);
    EXPECT_EQ((Texts{std::string(g_PathTable.TestPlay) + " の保存に失敗しました！"}), Boxes().Texts());
    EXPECT_EQ(1, g_TestPlay.NoRandomGrowth);

    // Esc cancels: nothing changed is kept.
    bool stayed = false;
    WhenOpen([&stayed] {
        DLG_TESTPLAY* box = OpenBox<DLG_TESTPLAY>();
        if (!box) return false;
        SendDlgItemMessageA(box->m_hWnd, IDC_TESTPLAY_NO_GROWTH, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(box->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        stayed = !box->m_CtrlList.empty();  // an ended dialog has let its controls go
        if (stayed) SendMessageA(box->m_hWnd, WM_CLOSE, 0, 0);
        return true;
    });
    Command(CM_TESTPLAY_SETTINGS);
    EXPECT_FALSE(stayed) << "Esc left the dialog open";
    EXPECT_EQ(1, g_TestPlay.NoRandomGrowth);
}
