// Stage files: a write that fails keeps the changes and says so, a damaged
// file leaves the open stage, and unsaved work is offered for saving before
// a stage is replaced or the program closes.
#include <string>
#include <vector>

#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "tests/app/editor_test.h"

namespace {

using Texts = std::vector<std::string>;
const char kSample[] = "data\\stg\\Sample.stg2";
const char kAskStage[] = "ステージが変更された可能性があります。\n保存しますか？";
const char kAskNew[] = "現在のステージは破棄されます。\n新規作成しますか？\n";

std::string SaveFailed(const std::string& path) { return path + " の保存に失敗しました！"; }

class StageFiles : public EditorTest {
protected:
    void TearDown() override {
        SetReadOnly(kSample, false);
        SetReadOnly(g_PathTable.EventPlt, false);
        EditorTest::TearDown();
        for (const char* stage : {"data\\stg\\Broken.stg2", "data\\stg\\Copy.stg2"}) FileDelete(stage);
    }
    // An edit the file does not hold yet.
    void Change() {
        g_Stage.SetChip(0, 0, g_Stage.ChipAt(0, 0) == 1 ? 2 : 1);
        g_StageEditState.StageChanged = 1;
    }
    void Answer(std::initializer_list<int> answers) {
        Boxes().Reset();
        for (int a : answers) Boxes().Queue(a);
    }
    int SavedChip() {
        cStage saved;
        return saved.LoadFile(kSample) ? saved.ChipAt(0, 0) : -1;
    }
    std::string Full(const std::string& path) { return ProjectRoot() + "\\" + path; }
};

}  // namespace

TEST_F(StageFiles, FailedWritesKeepTheChanges) {
    const std::string file = FileBytes(kSample);
    SetReadOnly(kSample, true);
    SetReadOnly(g_PathTable.EventPlt, true);
    Change();
    g_StageEditState.PaletteChanged = 1;
    Command(CM_SAVE_ALL_KEY);
    EXPECT_EQ((Texts{SaveFailed(g_PathTable.EventPlt), SaveFailed(kSample)}), Boxes().Texts());
    EXPECT_EQ("エラー", Boxes().Calls()[0].caption);
    EXPECT_EQ(1, g_StageEditState.StageChanged);
    EXPECT_EQ(1, g_StageEditState.PaletteChanged);
    EXPECT_EQ(file, FileBytes(kSample));

    // Yes to saving on closing the editor fails and keeps it open; test play
    // does not start on what the disk holds.
    Answer({IDYES});
    SendMessageA(StageWnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(IsWindow(g_hWndMain));
    g_TestPlay.AutoFind = 0;
    g_TestPlay.GamePath = "System.ini";  // a program that is there, never started
    Command(CM_TESTPLAY_KEY);
    EXPECT_EQ((Texts{kAskStage, SaveFailed(kSample), SaveFailed(kSample)}), Boxes().Texts());
    EXPECT_EQ(0, bTestPlay);

    SetReadOnly(kSample, false);
    SetReadOnly(g_PathTable.EventPlt, false);
    Answer({});
    Command(CM_SAVE_ALL_KEY);
    EXPECT_EQ(0u, Boxes().Count());
    EXPECT_EQ(0, g_StageEditState.StageChanged + g_StageEditState.PaletteChanged);
    EXPECT_EQ(g_Stage.ChipAt(0, 0), SavedChip());
}

TEST_F(StageFiles, DamagedFileLeavesTheOpenStage) {
    WriteFileBytes("data\\stg\\Broken.stg2", FileBytes(kSample).substr(0, 40));
    Change();
    const VECTOR_CLASS<int> chips = g_Stage.Chips;
    ScopedFileDialog dialog(Full("data\\stg\\Broken.stg2"));
    Answer({IDNO});
    Command(CM_OPEN_STAGE_KEY);
    EXPECT_EQ((Texts{kAskStage, Full("data\\stg\\Broken.stg2") +
                                    " の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フ"
                                    "ォルダから「data」フォルダへ同名のファイルをコピーして下さい。"}),
              Boxes().Texts());
    EXPECT_EQ((Texts{"読み込むファイルの選択"}), dialog.Titles());
    EXPECT_TRUE(chips == g_Stage.Chips);
    EXPECT_EQ(kSample, g_StageEditState.StagePath);

    // A whole file opens in a rebuilt editor titled with it.
    WriteFileBytes("data\\stg\\Copy.stg2", FileBytes(kSample));
    dialog.Answer(Full("data\\stg\\Copy.stg2"));
    Answer({IDNO});
    Command(CM_OPEN_STAGE);
    PumpMessages();
    EXPECT_EQ(Full("data\\stg\\Copy.stg2"), g_StageEditState.StagePath);
    EXPECT_EQ(0, g_StageEditState.StageChanged);
    char title[256] = {};
    GetWindowTextA(StageWnd(), title, sizeof(title));
    EXPECT_EQ("Orrindale  " + Full("data\\stg\\Copy.stg2"), title);
}

TEST_F(StageFiles, UnsavedWorkIsOfferedForSaving) {
    ScopedFileDialog dialog(Full(kSample));
    const struct {
        WORD command;
        std::vector<int> answers;
        Texts asked;
        bool replaced;
    } cases[] = {
        {CM_OPEN_STAGE, {IDCANCEL}, {kAskStage}, false},
        {CM_NEW_STAGE, {IDYES, IDCANCEL}, {kAskNew, kAskStage}, false},
        {CM_NEW_STAGE, {IDYES, IDNO}, {kAskNew, kAskStage}, true},
    };
    for (const auto& c : cases) {
        Change();
        const VECTOR_CLASS<int> chips = g_Stage.Chips;
        Answer({});
        for (int a : c.answers) Boxes().Queue(a);
        Command(c.command);
        PumpMessages();
        EXPECT_EQ(c.asked, Boxes().Texts()) << c.command;
        EXPECT_EQ(c.replaced, !(chips == g_Stage.Chips)) << c.command;
        EXPECT_EQ(c.replaced ? "" : kSample, g_StageEditState.StagePath) << c.command;
    }

    // Closing the program: the quit question, then the stage's; Cancel keeps it.
    Change();
    dialog.Answer(Full(kSample));  // the new stage is saved under this name
    Answer({IDYES, IDCANCEL});
    SendMessageA(g_hWndMain, WM_CLOSE, 0, 0);
    EXPECT_EQ((Texts{"終了しますか？\n", kAskStage}), Boxes().Texts());
    EXPECT_EQ("保存確認", Boxes().Calls()[1].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_YESNOCANCEL), Boxes().Calls()[1].type);
    ASSERT_TRUE(IsWindow(g_hWndMain));
    Answer({IDYES, IDYES});
    SendMessageA(g_hWndMain, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(g_hWndMain));
    EXPECT_EQ(g_Stage.ChipAt(0, 0), SavedChip()) << "saved before the end";
}

// Closing the stage asks as opening and creating do: Yes saves and closes,
// No closes without saving, Cancel keeps the stage open and changed.
TEST_F(StageFiles, ClosingAChangedStageAsksToSaveIt) {
    const struct {
        int answer;
        bool closed;
        bool saved;
    } cases[] = {{IDCANCEL, false, false}, {IDNO, true, false}, {IDYES, true, true}};
    for (const auto& c : cases) {
        StopEditor();
        ResetProject();
        ASSERT_EQ(1, StartEditor());
        const int before = SavedChip();
        Change();
        const int changed = g_Stage.ChipAt(0, 0);
        Answer({c.answer});
        Command(CM_CLOSE_STAGE);
        PumpMessages();
        EXPECT_EQ((Texts{kAskStage}), Boxes().Texts()) << c.answer;
        EXPECT_EQ(c.closed ? 0 : 1, g_StageEditState.StageOpen) << c.answer;
        EXPECT_EQ(c.closed ? 0 : 1, g_StageEditState.StageChanged) << c.answer;
        EXPECT_EQ(c.closed ? "" : kSample, g_StageEditState.StagePath) << c.answer;
        EXPECT_EQ(c.saved ? changed : before, SavedChip()) << c.answer;
    }
}
