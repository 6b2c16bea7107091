#include "database/sheet/prop_database.h"

#include <new>
#include <utility>

#include "base/report.h"
#include "model/project_files.h"
#include "ui/wnd_list.h"

namespace {

// The order Apply commits the tabs in: system pages 1 to 10; land, skill
// list, compatibility type, class, ally, enemy, party variable; the two
// animations, picture, background, sound effect, BGM, help, world chip.
const int kCommitOrder[PROP_DATABASE::PAGE_COUNT] = {
    15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 5, 3, 4, 0, 1, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14,
};

}  // namespace

PROP_DATABASE::PROP_DATABASE(int modeless, WND_CLASS* parent, WND_LIST_CLASS* wndList, PROP_DATABASE** owner,
                             std::function<void()> onClosed)
    : PROP_CLASS(modeless, parent, wndList), m_OnClosed(std::move(onClosed)) {
    // The registry deletes the sheet through the owner's pointer as a PROP_CLASS.
    if (wndList) wndList->AddSheet(this, reinterpret_cast<PROP_CLASS**>(owner));
}

PROP_DATABASE::~PROP_DATABASE() {
    // The windows go first: a page's controls are reached through their
    // windows' procedures until those windows are destroyed.
    Close();
    for (DLG_DBPAGE*& page : m_pPage) SafeDelete(page);
}

int PROP_DATABASE::CreatePages(const DB_TAB* tabs) {
    for (int tab = 0; tab < PAGE_COUNT; ++tab) {
        m_pPage[tab] = tabs[tab].make(tabs[tab].dialog, this, m_pWndList);
        if (!m_pPage[tab]) {
            MemoryShortageExit();
            return 0;
        }
    }
    for (DLG_DBPAGE* page : m_pPage) m_Pages.push_back(page);
    if (!Run()) return 0;
    SetWindowTextA(m_hWnd, "データベースの設定");
    return 1;
}

std::string ApplyFailureText(const std::vector<std::string>& failed) {
    std::string text = "次のファイルを保存できませんでした！\n元のファイルはそのまま残っています。\n";
    for (const std::string& path : failed) text += "\n" + path;
    return text;
}

int PROP_DATABASE::ApplyAll() {
    for (int tab : kCommitOrder)
        if (m_pPage[tab]) m_pPage[tab]->Commit();
    for (DLG_DBPAGE* page : m_pPage)
        if (page) page->m_bApplied = 1;
    std::vector<std::string> failed;
    if (SaveDatabaseFiles(g_Project, &failed)) return 1;
    ErrorBox(ApplyFailureText(failed).c_str());
    return 0;
}

void PROP_DATABASE::OnIdle(int advance) {
    const int page = GetCurPage();
    // A sheet whose window is gone has no current page: nothing is drawn or stepped.
    if (page >= 0 && page < PAGE_COUNT && m_pPage[page]) m_pPage[page]->OnTick(advance);
}
