// MediaPagesDemo <tab> [frame|text]: writes the sample project into a new
// temporary folder (removed when the program is closed), starts the editor
// there with media records filled in and opens the database sheet on one of
// its media tabs (7 to 14), whose preview then runs until the program is
// closed: a picture of each page for a screenshot (tools/screenshot.sh).
// "frame" opens the animation page's frame dialog, "text" the help page's
// text dialog.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "database/media/dlg_db_charaanim.h"
#include "database/media/dlg_db_effectanim.h"
#include "database/media/dlg_db_help.h"
#include "tools/bench/media_pages_data.h"
#include "tools/bench/scratch_folder.h"

namespace {

enum { kBackTab = 10 };
int g_nTab = PROP_DATABASE::TAB_CHARA_ANIM;
const char* g_What = "";

// The dialog a page opens, from inside the running message loop.
void CALLBACK OpenDialog(HWND wnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(wnd, id);
    PROP_DATABASE* sheet = g_lpStageWnd ? g_lpStageWnd->Database() : nullptr;
    if (!sheet) return;
    DLG_DBPAGE* page = sheet->Page(g_nTab);
    if (std::strcmp(g_What, "text") == 0 && g_nTab == 13) static_cast<DLG_DB_HELP*>(page)->m_TextEdits.EditSelected();
    if (std::strcmp(g_What, "frame") == 0 && g_nTab == PROP_DATABASE::TAB_CHARA_ANIM) {
        auto* anim = static_cast<DLG_DB_CHARAANIM*>(page);
        anim->m_Frames.SelectOnly(1, 0);
        anim->m_FrameEdits.EditSelected();
    }
    if (std::strcmp(g_What, "frame") == 0 && g_nTab == PROP_DATABASE::TAB_EFFECT_ANIM) {
        auto* anim = static_cast<DLG_DB_EFFECTANIM*>(page);
        anim->m_Frames.SelectOnly(2, 0);
        anim->m_FrameEdits.EditSelected();
    }
}

}  // namespace

int main(int argc, char** argv) {
    g_nTab = argc > 1 ? std::atoi(argv[1]) : PROP_DATABASE::TAB_CHARA_ANIM;
    g_What = argc > 2 ? argv[2] : "";
    const cScratchFolder scratch("media_pages_demo");
    if (scratch.Path().empty()) {
        std::printf("cannot make a temporary folder\n");
        return 1;
    }
    PROP_DATABASE* sheet = media_pages::StartEditor(scratch.Path()) ? media_pages::OpenSheet(g_nTab) : nullptr;
    if (!sheet) return 1;
    DLG_DBPAGE* page = sheet->Page(g_nTab);
    // The background in colour shows its preview; elsewhere the first record.
    media_pages::ChooseRow(sheet, g_nTab, g_nTab == kBackTab ? 1 : 0);
    if (*g_What) SetTimer(page->m_hWnd, 1, 500, OpenDialog);
    int code = 0;
    RunMessageLoop(&code);
    AppExit();
    return code;
}
