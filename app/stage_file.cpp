// The open stage's file: opening, creating from the default stage, saving,
// the questions before unsaved work is dropped, the default stage and the
// title that names the file. Every write is checked: a file that could not
// be written is named in an error box and its changed flag stays set.
#include "app/stage_file.h"

#include <memory>
#include <new>
#include <string>

#include "app/app.h"
#include "app/dlg_main.h"
#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/report.h"
#include "model/event.h"
#include "model/fixup_inputs.h"
#include "model/stage.h"
#include "ui/common_dialogs.h"

namespace {

const char kStageFilter[] = "StageFile ( *.stg2 )\0*.stg2\0";
const char kStageFolder[] = "data\\stg";
const char kOtherDrive[] =
    "Orrindale本体が存在するドライブとステージファイルが存在するドライブとが異なります！\n"
    "全てのファイルは同一ドライブに保存することを推奨します。";

int WriteFailed(const std::string& path) { return ReportSave(0, path); }

int AskSave(HWND owner, const char* text) { return MesBoxWnd(owner, text, "保存確認", MB_YESNOCANCEL); }

}  // namespace

int OpenLastStage() {
    cStageEditState& st = g_StageEditState;
    st.StageOpen = 0;
    st.StagePath.clear();
    // Settings that came with a copied or moved project may name the stage
    // of the folder it came from: that one is never opened, to be written over.
    const std::string path = StoredStagePath(g_EditConfig.LastStage, std::string());
    if (path.empty()) return 0;
    if (!g_Stage.LoadFile(path)) {
        // A stage gone or damaged opens no stage quietly; memory that ran out is said.
        if (g_bFileOutOfMemory) ReportLoadFailure(path);
        g_Stage.SetDefault();
        return 0;
    }
    st.StageOpen = 1;
    st.StagePath = path;
    return 1;
}

void DLG_MAIN::UpdateTitle() {
    if (!m_hWnd) return;
    std::string title = g_szAppTitle;
    if (!g_StageEditState.StagePath.empty()) title += "  " + g_StageEditState.StagePath;
    SetWindowTextA(m_hWnd, title.c_str());
}

int DLG_MAIN::ConfirmSaveStage() {
    cStageEditState& st = g_StageEditState;
    if (!st.StageOpen || !st.StageChanged) return 1;
    switch (AskSave(m_hWnd, "ステージが変更された可能性があります。\n保存しますか？")) {
    case IDCANCEL: return 0;
    case IDYES:
        // A save that failed or was cancelled keeps the stage, and the editor, open.
        if (!SaveStageAs(1)) return 0;
        st.StageChanged = 0;
        UpdateTitle();
        return 1;
    default: return 1;
    }
}

int DLG_MAIN::ConfirmSave() {
    if (!ConfirmSaveStage()) return 0;
    cStageEditState& st = g_StageEditState;
    if (!st.PaletteChanged) return 1;
    switch (AskSave(m_hWnd, "イベントパレットが変更された可能性があります。\n保存しますか？")) {
    case IDCANCEL: return 0;
    case IDYES:
        if (!SaveEventPalette()) return 0;
        st.PaletteChanged = 0;
        return 1;
    default: return 1;
    }
}

int DLG_MAIN::SaveStageAs(int overwrite) {
    cStageEditState& st = g_StageEditState;
    if (overwrite && !st.StagePath.empty()) return g_Stage.SaveFile(st.StagePath) ? 1 : WriteFailed(st.StagePath);
    char path[MAX_PATH] = {};
    if (!SelectSaveFile(m_hWnd, path, "data\\stg\\", "保存先のファイルの選択", kStageFilter, g_ExtTable.Stage))
        return 0;
    if (!g_Stage.SaveFile(path)) return WriteFailed(path);
    // Named from the project folder, so that a copy of the project saves its own.
    st.StagePath = ProjectPath(path);
    if (!IsOnProgramDrive(path)) ErrorBox(kOtherDrive);
    return 1;
}

int DLG_MAIN::SaveEventPalette() {
    return SaveRecordList(g_EventPlt, g_PathTable.EventPlt) ? 1 : WriteFailed(g_PathTable.EventPlt);
}

int DLG_MAIN::OpenStage() {
    char path[MAX_PATH] = {};
    if (!SelectOpenFile(m_hWnd, path, sizeof(path), kStageFolder, "読み込むファイルの選択", kStageFilter,
                        g_ExtTable.Stage))
        return 0;
    if (!ConfirmSaveStage()) return 0;
    if (!IsOnProgramDrive(path)) ErrorBox(kOtherDrive);
    // Read aside: a file that fails leaves the open stage and its path as they were.
    std::unique_ptr<cStage> loaded(new (std::nothrow) cStage);
    if (!loaded) {
        MemoryShortageExit();
        return 0;
    }
    if (!loaded->LoadFile(path)) {
        ReportLoadFailure(path);
        return 0;
    }
    g_Stage.CopyFrom(*loaded);
    g_StageEditState.StageOpen = 1;
    g_StageEditState.StagePath = ProjectPath(path);
    return 1;
}

int DLG_MAIN::NewStageFromDefault() {
    if (!ConfirmSaveStage()) return 0;
    const std::string& path = g_EditConfig.DefaultStage;
    if (!g_Stage.LoadFile(path)) {
        g_Stage.SetDefault();
        g_Stage.Fixup(ProjectFixupInputs());
        ErrorBoxPrintf("デフォルトステージ %s の読み込みに失敗しました！", path.c_str());
    }
    g_StageEditState.StageOpen = 1;
    g_StageEditState.StagePath.clear();
    return 1;
}

int DLG_MAIN::CloseStage() {
    if (!ConfirmSaveStage()) return 0;
    g_StageEditState.StageOpen = 0;
    g_StageEditState.StagePath.clear();
    g_Stage.SetDefault();
    return 1;
}

int DLG_MAIN::SelectDefaultStage() {
    char path[MAX_PATH] = {};
    if (!SelectOpenFile(m_hWnd, path, sizeof(path), kStageFolder, "デフォルトステージの選択", kStageFilter,
                        g_ExtTable.Stage))
        return 0;
    if (!IsOnProgramDrive(path)) return 0;
    g_EditConfig.DefaultStage = ProjectPath(path);
    if (!SaveEditorSettings()) return WriteFailed(g_PathTable.EditConfig);
    return 1;
}
