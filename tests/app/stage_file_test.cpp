// Stage files: a write that fails keeps the changes and says so, a damaged
// file leaves the open stage, unsaved work is offered for saving before a
// stage is replaced or the program closes, and a copied project saves its
// own stage.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "model/stage.h"
#include "resources/stage_editor_ids.h"
#include "tests/app/editor_test.h"
#include "ui/common_dialogs.h"

namespace {

using Texts = std::vector<std::string>;
const char kSample[] = "data\\stg\\Sample.stg2";
const char kAskStage[] = "ステージが変更された可能性があります。\n保存しますか？";
const char kAskNew[] = "現在のステージは破棄されます。\n新規作成しますか？\n";

std::string SaveFailed(const std::string& path) { return path + " の保存に失敗しました！"; }

// The project folder copied beside itself, and moved on when asked; removed
// with all it holds afterwards, the project folder current again.
class ProjectCopy {
public:
    explicit ProjectCopy(const char* name) : m_strPath(ProjectRoot() + "_" + name) {
        FolderDelete(nullptr, m_strPath.c_str());
        FolderCopy(nullptr, ProjectRoot().c_str(), m_strPath.c_str());
    }
    ~ProjectCopy() {
        SetCurrentDirectoryA(ProjectRoot().c_str());
        FolderDelete(nullptr, m_strPath.c_str());
    }
    ProjectCopy(const ProjectCopy&) = delete;
    ProjectCopy& operator=(const ProjectCopy&) = delete;
    const std::string& Path() const { return m_strPath; }
    bool MoveTo(const char* name) {
        const std::string to = ProjectRoot() + "_" + name;
        FolderDelete(nullptr, to.c_str());
        if (!MoveFileA(m_strPath.c_str(), to.c_str())) return false;
        m_strPath = to;
        return true;
    }
    bool Enter() const { return SetCurrentDirectoryA(m_strPath.c_str()) != FALSE; }

private:
    std::string m_strPath;
};

BOOL WINAPI StartNothing(SHELLEXECUTEINFOA*) { return TRUE; }

class StageFiles : public EditorTest {
protected:
    void TearDown() override {
        SetShellExecuteProc(nullptr);
        SetReadOnly(kSample, false);
        SetReadOnly(g_PathTable.EventPlt, false);
        EditorTest::TearDown();
        for (const char* stage : {"data\\stg\\Broken.stg2", "data\\stg\\Copy.stg2", "data\\stg\\x.stg2"})
            FileDelete(stage);
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
    int SavedChip(const char* path = kSample) {
        cStage saved;
        return saved.LoadFile(path) ? saved.ChipAt(0, 0) : -1;
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
    EXPECT_EQ("data\\stg\\Copy.stg2", g_StageEditState.StagePath) << "named from the project folder";
    EXPECT_EQ(0, g_StageEditState.StageChanged);
    char title[256] = {};
    GetWindowTextA(StageWnd(), title, sizeof(title));
    EXPECT_STREQ("Orrindale  data\\stg\\Copy.stg2", title);
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

// A stage saved as a new file is named from the project folder, so that a
// copy of the folder, or the folder moved, edits its own stage. Settings
// that name a stage in another folder (as older ones do) open the copy's
// stage of that name, or none; its default stage likewise, or the standard one.
TEST_F(StageFiles, ACopiedOrMovedProjectSavesItsOwnStage) {
    const char kX[] = "data\\stg\\x.stg2";
    const char kDefault[] = "data\\stg\\Default.stg2";
    {
        ScopedFileDialog dialog(Full(kX));
        Change();
        Command(CM_SAVE_AS);
    }
    EXPECT_EQ(kX, g_StageEditState.StagePath);
    char title[256] = {};
    GetWindowTextA(StageWnd(), title, sizeof(title));
    EXPECT_EQ(std::string("Orrindale  ") + kX, title);
    StopEditor();
    cEditConfig stored;
    ASSERT_TRUE(stored.LoadFile(g_PathTable.EditConfig));
    EXPECT_EQ(kX, stored.LastStage) << "remembered as it is named";
    const std::string original = FileBytes(kX);

    SetShellExecuteProc(StartNothing);
    // "<orig>" is the project folder, "<here>" the copy's where its settings were written.
    const struct {
        const char* what;
        bool moved;
        const char* last;
        const char* defaultStage;
        const char* opened;
        const char* defaultOpened;
        WORD save;
    } cases[] = {
        {"as saved", false, kX, kDefault, kX, kDefault, CM_SAVE_ALL_KEY},
        {"full paths in the copy", false, "<here>\\data\\stg\\x.stg2", "<here>\\data\\stg\\Sample.stg2", kX, kSample,
         CM_TESTPLAY_KEY},
        {"full paths in the original", false, "<orig>\\data\\stg\\x.stg2", "<orig>\\data\\stg\\Sample.stg2", kX,
         kSample, CM_SAVE_ALL_KEY},
        {"moved from its full paths", true, "<here>\\data\\stg\\x.stg2", "<here>\\data\\stg\\x.stg2", kX, kX,
         CM_TESTPLAY_KEY},
        {"a stage the copy lacks", false, "<orig>\\data\\stg\\gone.stg2", "<orig>\\data\\stg\\gone.stg2", "", kDefault,
         0},
    };
    for (const auto& c : cases) {
        ResetProject();
        ASSERT_TRUE(WriteFileBytes(kX, original));
        {
            ProjectCopy copy("copy");
            const auto expand = [&](std::string text) {
                for (const auto& token :
                     {std::make_pair("<orig>", ProjectRoot()), std::make_pair("<here>", copy.Path())})
                    if (text.compare(0, std::strlen(token.first), token.first) == 0)
                        text.replace(0, std::strlen(token.first), token.second);
                return text;
            };
            const std::string settings = copy.Path() + "\\" + g_PathTable.EditConfig;
            ASSERT_TRUE(stored.LoadFile(settings)) << c.what << ": no copy";
            stored.LastStage = expand(c.last);
            stored.DefaultStage = expand(c.defaultStage);
            ASSERT_TRUE(stored.SaveFile(settings));
            if (c.moved) {
                ASSERT_TRUE(copy.MoveTo("moved")) << c.what;
            }
            ASSERT_TRUE(copy.Enter());
            Boxes().Reset();
            ASSERT_EQ(1, StartEditor()) << c.what;
            EXPECT_EQ(c.opened, g_StageEditState.StagePath) << c.what;
            EXPECT_EQ(*c.opened ? 1 : 0, g_StageEditState.StageOpen) << c.what;
            EXPECT_EQ(c.defaultOpened, g_EditConfig.DefaultStage) << c.what;
            for (const cBoxCall& call : Boxes().Calls())
                if (call.text != "oggの初期化に失敗！") ADD_FAILURE() << c.what << ": unexpected box: " << call.text;
            if (c.save) {
                g_TestPlay.AutoFind = 0;
                g_TestPlay.GamePath = "System.ini";  // started by nobody
                Change();
                Command(c.save);
                EXPECT_EQ(g_Stage.ChipAt(0, 0), SavedChip(kX)) << c.what << ": the copy's own stage saved";
                EXPECT_EQ(0, g_StageEditState.StageChanged) << c.what;
                EXPECT_EQ(c.save == CM_TESTPLAY_KEY, bTestPlay == 1) << c.what;
            }
            StopEditor();
        }
        EXPECT_TRUE(original == FileBytes(kX)) << c.what << ": the original's stage was written";
    }
    ResetProject();
    ASSERT_EQ(1, StartEditor());
}
