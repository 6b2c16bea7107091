// Not a test: starts the editor in the current project with a skill list as
// a game would have one, opens the database sheet on the skill pages and one
// of their windows, for a screenshot. "csv" exports the list into the
// project's "csv" folder (made when missing) and shows the box that follows.
// skills_demo <list|sheet|slot|categ|types|infl|csv>
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "app/app.h"
#include "app/dlg_main.h"
#include "base/platform.h"
#include "database/sheet/prop_database.h"
#include "database/skills/dlg_dbskill.h"
#include "database/skills/dlg_dbskilllist.h"
#include "database/skills/dlg_dbskilltype.h"
#include "database/skills/prop_dbskill.h"
#include "model/class.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "resources/db_skills_ids.h"
#include "resources/stage_editor_ids.h"

namespace {

const char* g_What = "list";

cSkill Skill(const char* name, const char* help, int categ, int kind, int sp, int effect) {
    cSkill s;
    s.strName = name;
    s.strHelp = help;
    s.nCateg = categ;
    s.nKind = kind;
    s.nTarget = kind <= 1 ? 1 : 0;
    s.nSp = sp;
    s.nEffect = effect;
    s.nPrice = sp * 100;
    s.nNeedSense = 2;
    s.nLearnRate = 30;
    s.dLearnRateSense = 2.5;
    s.nLearnLvMin = 5;
    s.nLearnLvMax = 20;
    s.nEffectGraphic = 21;
    s.nEffectAnim = 1;
    return s;
}

void MakeDemoData() {
    cSkillList list;
    list.strName = "剣と魔法";
    list.nSlotType = 0;
    const char* categs[] = {"剣", "槍", "斧", "魔", "癒"};
    list.vCateg.resize(5);
    for (int i = 0; i < 5; ++i) {
        list.vCateg[i].strName = categs[i];
        list.vCateg[i].nSymbol = i + 1;
    }
    list.vSlot.resize(3);
    list.vSlot[1].bAllCateg = 0;
    list.vSlot[1].vAcqCond.resize(2);
    list.vSlot[1].vAcqCond[0].nCateg = 0;
    list.vSlot[1].vAcqCond[1].nCateg = 3;
    list.vSlot[1].bShowAllSymbols = 0;
    list.vSlot[1].nSymbol = 4;
    list.vSlot[2].bAllCateg = 0;
    list.vSlot[2].vAcqCond.resize(1);
    list.vSlot[2].vAcqCond[0].nCateg = 4;
    list.vSkill.resize(1);
    list.vSkill.push_back(Skill("ファイア", "敵一体に炎のダメージを与える。", 3, 1, 12, 120));
    list.vSkill.back().sHue = 20;
    list.vSkill.back().nCompatiType = 1;
    list.vSkill.push_back(Skill("ブリザド", "敵一体に氷のダメージを与える。", 3, 1, 12, 110));
    list.vSkill.push_back(Skill("ケアル", "味方一体のHPを回復する。", 4, 2, 8, 80));
    list.vSkill.push_back(Skill("二段斬り", "二回続けて斬りつける。", 0, 0, 6, 150));
    list.vSkill.push_back(Skill("鉄壁", "受けるダメージを減らす。", 1, 3, 10, 30));
    list.vSkill.push_back(Skill("ロングソード", "攻撃力が上がる剣。", 0, 7, 0, 0));
    list.vSkill.back().nSubA[2] = 12;
    g_SkillLists.assign(1, list);
    cSkillList magic;
    magic.strName = "召喚術";
    g_SkillLists.push_back(magic);

    cEffectAnimPat& anim = g_Database.EffectAnims.At(1);
    anim.strName = "炎の渦";
    anim.vAnim.resize(8);
    for (int i = 0; i < 8; ++i) {
        anim.vAnim[i].nCel = i;
        anim.vAnim[i].nTime = 4;
    }
    g_Database.CompatiTypes.resize(4);
    const char* types[] = {"", "炎", "氷", "聖"};
    for (int i = 1; i < 4; ++i) g_Database.CompatiTypes[i].strName = types[i];
    cInfl infl;
    infl.nTarget = 2;
    infl.nStat = 2;
    infl.nOperator = 3;
    infl.nValue = 150;
    g_Database.CompatiTypes[1].vInfl.push_back(infl);
    infl.nTarget = 1;
    infl.nValue = 50;
    g_Database.CompatiTypes[1].vInfl.push_back(infl);
    infl.nTarget = 3;
    infl.nStat = 0;
    infl.nOperator = 2;
    infl.nValue = 20;
    g_Database.CompatiTypes[1].vInfl.push_back(infl);
}

void Press(HWND dlg, int id) { PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void Select(HWND dlg, int list, int row) {
    SendDlgItemMessageA(dlg, list, LB_SETSEL, FALSE, -1);
    SendDlgItemMessageA(dlg, list, LB_SETSEL, TRUE, row);
    SendDlgItemMessageA(dlg, list, LB_SETCARETINDEX, row, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), 0);
}

// The export's questions are answered Yes; what follows is shown.
int AnswerQuestions(HWND owner, const char* text, const char* caption, unsigned type) {
    if ((type & 0xF) == MB_YESNO) return IDYES;
    return MessageBoxA(owner, text, caption, type);
}

void CALLBACK SelectSkill(HWND, UINT, UINT_PTR timer, DWORD) {
    PROP_DATABASE* sheet = g_lpStageWnd ? g_lpStageWnd->Database() : nullptr;
    PROP_DBSKILL* skills = sheet ? sheet->SkillSheet() : nullptr;
    if (!skills || !skills->IsOpen()) return;
    KillTimer(nullptr, timer);
    Select(skills->m_pPage->m_hWnd, IDC_SKILL_LIST, 0);
    if (!std::strcmp(g_What, "csv")) {
        CreateDirectoryA("csv", nullptr);
        SetMessageBoxSink(AnswerQuestions);
        Press(skills->m_pPage->m_hWnd, IDC_SKILL_CSV_SAVE);
    }
}

void CALLBACK ShowTab(HWND, UINT, UINT_PTR timer, DWORD) {
    PROP_DATABASE* sheet = g_lpStageWnd ? g_lpStageWnd->Database() : nullptr;
    if (!sheet || !sheet->m_hWnd) return;
    KillTimer(nullptr, timer);
    const int types = !std::strcmp(g_What, "types") || !std::strcmp(g_What, "infl");
    const int tab = types ? PROP_DATABASE::TAB_SKILL_TYPE : PROP_DATABASE::TAB_SKILL_LIST;
    SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, tab, 0);
    HWND page = sheet->Page(tab)->m_hWnd;
    if (!std::strcmp(g_What, "sheet") || !std::strcmp(g_What, "csv")) {
        Press(page, IDC_SKILLLIST_EDIT_SKILLS);
        SetTimer(nullptr, 0, 300, SelectSkill);
    } else if (!std::strcmp(g_What, "slot")) {
        Select(page, IDC_SLOT_LIST, 1);
        Press(page, IDC_SLOT_EDIT);
    } else if (!std::strcmp(g_What, "categ")) {
        Select(page, IDC_CATEG_LIST, 3);
        Press(page, IDC_CATEG_EDIT);
    } else if (!std::strcmp(g_What, "infl")) {
        Select(page, IDC_INFL_LIST, 0);
        Press(page, IDC_INFL_EDIT);
    }
}

}  // namespace

int main(int argc, char** argv) {
    g_What = argc > 1 ? argv[1] : "list";
    g_hInstance = GetModuleHandleA(nullptr);
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit()) return 1;
    MakeDemoData();
    PostMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_DATABASE, 0);
    SetTimer(nullptr, 0, 200, ShowTab);
    int code = 0;
    RunMessageLoop(&code);
    AppExit();
    return code;
}
