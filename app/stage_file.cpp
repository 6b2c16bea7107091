// The open stage's file: the stage opened at start-up and the title that
// names it. Opening, saving and test play from the stage editor come with
// the stage files' own dialogs; until then those commands change nothing.
#include "app/stage_file.h"

#include <string>

#include "app/app.h"
#include "app/dlg_main.h"
#include "app/stage_edit_state.h"
#include "base/editor_settings.h"
#include "model/stage.h"

int OpenLastStage() {
    cStageEditState& st = g_StageEditState;
    st.StageOpen = 0;
    st.StagePath.clear();
    if (g_EditConfig.LastStage.empty()) return 0;
    if (!g_Stage.LoadFile(g_EditConfig.LastStage)) {
        g_Stage.SetDefault();
        return 0;
    }
    st.StageOpen = 1;
    st.StagePath = g_EditConfig.LastStage;
    return 1;
}

void DLG_MAIN::UpdateTitle() {
    if (!m_hWnd) return;
    std::string title = g_szAppTitle;
    if (!g_StageEditState.StagePath.empty()) title += "  " + g_StageEditState.StagePath;
    SetWindowTextA(m_hWnd, title.c_str());
}

// Nothing can be saved yet, so there is nothing to ask about.
int DLG_MAIN::ConfirmSave() { return 1; }
int DLG_MAIN::SaveStageAs(int) { return 0; }
int DLG_MAIN::OpenStage() { return 0; }
int DLG_MAIN::SelectDefaultStage() { return 0; }
int DLG_MAIN::NewStageFromDefault() { return 0; }
int DLG_MAIN::SaveEventPalette() { return 0; }
void DLG_MAIN::TestPlay() {}
