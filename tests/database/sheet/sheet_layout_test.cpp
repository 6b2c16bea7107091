// The sheet takes the size of its largest page and stands whole on the
// screen: every page, each control of it, and on the media pages every text
// and every number a stepped edit can hold, uncut and apart.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "database/media/dlg_db_charaanim.h"
#include "database/media/dlg_db_effectanim.h"
#include "database/media/dlg_db_help.h"
#include "database/media/dlg_text.h"
#include "database/skills/dlg_dbskill.h"
#include "database/skills/prop_dbskill.h"
#include "resources/db_media_ids.h"
#include "tests/database/sheet/sheet_test_support.h"
#include "tests/support/control_layout.h"
#include "tests/support/text_fit.h"

namespace {

// The media tabs, the help page among them.
enum { kFirstMedia = 7, kHelp = 13, kLastMedia = 14 };

// The whole of the primary display.
RECT Screen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// Whatever of a dialog or page is cut or lies over something else.
std::vector<std::string> Faults(HWND dlg) {
    std::vector<std::string> all;
    for (auto check : {CutControls, OverlappingControls, CutNumbers, UnfitTexts}) {
        const std::vector<std::string> found = check(dlg);
        all.insert(all.end(), found.begin(), found.end());
    }
    return all;
}

// The faults of the next modal dialog of class D, which is then cancelled.
template <class D>
void LookAtNext(std::vector<std::string>* faults, int* opened) {
    WhenOpen([faults, opened] {
        D* d = OpenBox<D>();
        if (!d) return false;
        ++*opened;
        *faults = Faults(d->m_hWnd);
        SendMessageA(d->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FRAME_CANCEL, BN_CLICKED), 0);
        return true;
    });
}

}  // namespace

TEST_F(SheetTest, EveryPageStandsWholeInTheSheetOnTheScreen) {
    Open();
    EXPECT_TRUE(Inside(ScreenRect(m_pSheet->m_hWnd), Screen())) << "the sheet opens whole on the screen";
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(m_pSheet->m_hWnd, PSM_GETTABCONTROL, 0, 0));
    ASSERT_NE(nullptr, tabs);
    for (int tab = 0; tab < PROP_DATABASE::PAGE_COUNT; ++tab) {
        DLG_DBPAGE* page = Show<DLG_DBPAGE>(tab);
        ASSERT_NE(nullptr, page->m_hWnd);
        SCOPED_TRACE("tab " + std::to_string(tab) + " \"" + text_fit::TextOf(page->m_hWnd) + "\"");
        RECT display;
        GetClientRect(tabs, &display);
        SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&display), 2);
        EXPECT_TRUE(Inside(ScreenRect(page->m_hWnd), display)) << "the page lies within the tabs";
        for (const std::string& cut : CutControls(page->m_hWnd)) ADD_FAILURE() << cut;
        const bool media = tab >= kFirstMedia && tab <= kLastMedia;
        if (!media) continue;
        for (const std::string& fault : Faults(page->m_hWnd)) ADD_FAILURE() << fault;
    }
}

TEST_F(SheetTest, TheMediaDialogsAndTheSkillPageStandWhole) {
    Open();
    struct Dialog {
        int tab;
        std::function<void(std::vector<std::string>*, int*)> look;
        std::function<void(DLG_DBPAGE*)> open;
    };
    const std::vector<Dialog> dialogs = {
        {PROP_DATABASE::TAB_CHARA_ANIM, LookAtNext<DLG_DB_CHARAANIM_ANIM>,
         [](DLG_DBPAGE* page) { static_cast<DLG_DB_CHARAANIM*>(page)->m_FrameEdits.EditSelected(); }},
        {PROP_DATABASE::TAB_EFFECT_ANIM, LookAtNext<DLG_DB_EFFECTANIM_ANIM>,
         [](DLG_DBPAGE* page) { static_cast<DLG_DB_EFFECTANIM*>(page)->m_FrameEdits.EditSelected(); }},
        {kHelp, LookAtNext<DLG_TEXT>,
         [](DLG_DBPAGE* page) { static_cast<DLG_DB_HELP*>(page)->m_TextEdits.EditSelected(); }},
    };
    for (const Dialog& d : dialogs) {
        std::vector<std::string> faults;
        int opened = 0;
        DLG_DBPAGE* page = Show<DLG_DBPAGE>(d.tab);
        d.look(&faults, &opened);
        d.open(page);
        WhenOpen(nullptr);
        EXPECT_EQ(1, opened) << "tab " << d.tab;
        for (const std::string& fault : faults) ADD_FAILURE() << fault;
    }

    OpenSkills();
    PROP_DBSKILL* skills = m_pSheet->SkillSheet();
    ASSERT_TRUE(skills && skills->m_pPage && skills->m_pPage->m_hWnd);
    EXPECT_TRUE(Inside(ScreenRect(skills->m_hWnd), Screen())) << "the skill sheet opens whole on the screen";
    for (const std::string& fault : Faults(skills->m_pPage->m_hWnd)) ADD_FAILURE() << fault;
}
