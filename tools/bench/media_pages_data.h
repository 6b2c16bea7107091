// The records the media-page programs show: a sample project in a scratch
// folder, started in the editor, with animations, files, help topics and
// world chips that make every media page of the database sheet look used.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/app.h"
#include "app/dlg_main.h"
#include "base/paths.h"
#include "database/sheet/db_list_page.h"
#include "database/sheet/prop_database.h"
#include "model/media_database.h"
#include "resources/stage_editor_ids.h"
#include "tools/sample/sample_project.h"

namespace media_pages {

template <class Pat>
void AddAnim(VECTOR_CLASS<Pat>& list, const char* name, int graphic, std::initializer_list<int> cells, int time) {
    Pat anim;
    anim.strName = name;
    anim.nGraphic = static_cast<unsigned short>(graphic);
    anim.vAnim.clear();
    for (int cell : cells) {
        anim.vAnim.emplace_back();
        anim.vAnim.back().nCel = cell;
        anim.vAnim.back().nTime = time;
    }
    list.push_back(anim);
}

template <class T>
void AddFile(VECTOR_CLASS<T>& list, const char* name, const char* path) {
    T record;
    record.SetDefault();
    record.strName = name;
    record.strPath = path;
    list.push_back(record);
}

inline void FillRecords() {
    cDatabase& db = g_Database;
    db.CharaAnims.resize(1);
    AddAnim(db.CharaAnims, "歩き", 1, {0, 1, 2, 1}, 8);
    AddAnim(db.CharaAnims, "攻撃", 2, {3, 4, 5}, 6);
    AddAnim(db.CharaAnims, "倒れる", 21, {6, 7}, 20);
    db.CharaAnims[1].vAnim[2].nMoveX = 8;
    db.CharaAnims[2].vAnim[0].bEffectStart = 1;
    db.EffectAnims.resize(1);
    AddAnim(db.EffectAnims, "炎", 1, {0, 1, 2, 3, 4, 5}, 4);
    AddAnim(db.EffectAnims, "氷", 17, {0, 1, 2, 3}, 6);
    db.EffectAnims[1].vAnim[3].nMoveY = -4;
    db.Pictures.resize(1);
    AddFile(db.Pictures, "town", "image\\picture\\town.png");
    AddFile(db.Pictures, "castle", "image\\picture\\castle.png");
    db.Pictures[1].bSameAsFileName = 1;
    db.Backs.resize(1);
    AddFile(db.Backs, "草原", "image\\back\\field.png");
    AddFile(db.Backs, "夕焼け", "");
    db.Backs[2].nDispMode = BACK_COLOR;
    db.Backs[2].byColorR = 224;
    db.Backs[2].byColorG = 112;
    db.Backs[2].byColorB = 48;
    db.Backs[2].dScrollX = 0.5;
    db.Sounds.resize(1);
    AddFile(db.Sounds, "door", "wave\\door.wav");
    AddFile(db.Sounds, "bell", "wave\\bell.wav");
    db.Bgms.resize(1);
    AddFile(db.Bgms, "Field", "bgm\\Field.ogg");
    AddFile(db.Bgms, "Battle01", "bgm\\Battle01.mid");
    db.Bgms[1].nVolume = 80;
    db.Helps.resize(2);
    db.Helps[0].strParentTitle = "基本操作";
    db.Helps[0].strTitle = "移動";
    db.Helps[0].vText[0].strText = "#P3.のついたマスへは移動できません。\r\n移動力は地形で変わります。";
    db.Helps[1].strParentTitle = "基本操作";
    db.Helps[1].strTitle = "攻撃";
    db.Helps[1].vText[0].strText = "隣のマスの敵を攻撃します。";
}

// Writes the sample project into `root`, makes it the current folder and
// starts the editor there; 0 when it did not start.
inline int StartEditor(const std::string& root) {
    if (!(WriteSampleDefaults(root) && WriteSampleData(root))) return 0;
    SetCurrentDirectoryA(root.c_str());
    g_hInstance = GetModuleHandleA(nullptr);
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit() || !g_lpStageWnd) return 0;
    DispatchWaitingMessages();
    FillRecords();
    return 1;
}

// The database sheet open on `tab`.
inline PROP_DATABASE* OpenSheet(int tab) {
    SendMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_DATABASE, 0);
    PROP_DATABASE* sheet = g_lpStageWnd->Database();
    if (!sheet) return nullptr;
    SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, tab, 0);
    DispatchWaitingMessages();
    return sheet;
}

// Chooses a row of a page's record list, as a click would: a command of an
// animation page loads its preview into the player.
inline void ChooseRow(PROP_DATABASE* sheet, int tab, int row) {
    auto* page = dynamic_cast<DLG_DBLIST_PAGE*>(sheet->Page(tab));
    if (!page) return;
    CTRL_LIST_BASE& list = page->List();
    SendMessageA(list.m_hWnd, LB_SETSEL, FALSE, -1);
    SendMessageA(list.m_hWnd, LB_SETSEL, TRUE, row);
    SendMessageA(list.m_hWnd, LB_SETCARETINDEX, row, 0);
    SendMessageA(page->m_hWnd, WM_COMMAND, MAKEWPARAM(list.m_wId, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.m_hWnd));
}

}  // namespace media_pages
