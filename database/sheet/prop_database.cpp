#include "database/sheet/prop_database.h"

#include <new>
#include <utility>

#include "base/report.h"
#include "database/sheet/dlg_db_ptval.h"
#include "database/sheet/dlg_dbland.h"
#include "database/sheet/dlg_dbsystem.h"
#include "database/sheet/dlg_dbsystem_4.h"
#include "model/project_files.h"
#include "ui/wnd_list.h"

// The tabs that later parts of the database fill: an empty page each.
typedef DLG_DBPLACEHOLDER<111> DLG_DBCLASS;
typedef DLG_DBPLACEHOLDER<110> DLG_DBFRIEND;
typedef DLG_DBPLACEHOLDER<127> DLG_DBENEMY;
typedef DLG_DBPLACEHOLDER<196> DLG_DBSKILLLIST;
typedef DLG_DBPLACEHOLDER<227> DLG_DBSKILLTYPE;
typedef DLG_DBPLACEHOLDER<209> DLG_DB_CHARAANIM;
typedef DLG_DBPLACEHOLDER<210> DLG_DB_EFFECTANIM;
typedef DLG_DBPLACEHOLDER<217> DLG_DB_PICTURE;
typedef DLG_DBPLACEHOLDER<220> DLG_DB_BACK;
typedef DLG_DBPLACEHOLDER<123> DLG_DB_SOUND;
typedef DLG_DBPLACEHOLDER<195> DLG_DB_BGM;
typedef DLG_DBPLACEHOLDER<230> DLG_DB_HELP;
typedef DLG_DBPLACEHOLDER<226> DLG_DBWORLDCHIP;

namespace {

typedef DLG_DBPAGE* (*PAGE_MAKER)(WORD dialog, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

template <class P>
DLG_DBPAGE* Make(WORD dialog, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList) {
    return new (std::nothrow) P(dialog, sheet, wndList);
}

// The pages in tab order; the tab text is the dialog's caption.
const struct {
    WORD dialog;
    PAGE_MAKER make;
} kPages[PROP_DATABASE::PAGE_COUNT] = {
    {111, Make<DLG_DBCLASS>},     {110, Make<DLG_DBFRIEND>},     {127, Make<DLG_DBENEMY>},
    {196, Make<DLG_DBSKILLLIST>}, {227, Make<DLG_DBSKILLTYPE>},  {194, Make<DLG_DBLAND>},
    {197, Make<DLG_DB_PTVAL>},    {209, Make<DLG_DB_CHARAANIM>}, {210, Make<DLG_DB_EFFECTANIM>},
    {217, Make<DLG_DB_PICTURE>},  {220, Make<DLG_DB_BACK>},      {123, Make<DLG_DB_SOUND>},
    {195, Make<DLG_DB_BGM>},      {230, Make<DLG_DB_HELP>},      {226, Make<DLG_DBWORLDCHIP>},
    {112, Make<DLG_DBSYSTEM>},    {128, Make<DLG_DBSYSTEM_2>},   {172, Make<DLG_DBSYSTEM_3>},
    {191, Make<DLG_DBSYSTEM_4>},  {203, Make<DLG_DBSYSTEM_5>},   {204, Make<DLG_DBSYSTEM_6>},
    {205, Make<DLG_DBSYSTEM_7>},  {206, Make<DLG_DBSYSTEM_8>},   {207, Make<DLG_DBSYSTEM_9>},
    {208, Make<DLG_DBSYSTEM_10>},
};

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
    for (DLG_DBPAGE*& page : m_pPage) SafeDelete(page);
}

int PROP_DATABASE::CreatePages() {
    for (int tab = 0; tab < PAGE_COUNT; ++tab) {
        m_pPage[tab] = kPages[tab].make(kPages[tab].dialog, this, m_pWndList);
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

void PROP_DATABASE::OnIdle(int) {
    const int page = GetCurPage();
    if (page >= 0 && page < PAGE_COUNT && m_pPage[page] && m_pPage[page]->m_hWnd) m_pPage[page]->OnPaint();
}
