// The lists of the database sheet for the clicks of tests/app/list_clicks.h:
// every page's record list with its "ｸﾘｱ", the lists inside the pages with
// their edit and delete or clear, the lists of the dialogs those open, and
// the skill sheet's skills. Each case opens the sheet afresh on the records
// MakeDatabaseRecords put into the database and closes it again.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "database/sheet/prop_database.h"
#include "database/skills/dlg_dbskill.h"
#include "database/skills/dlg_dbskilllist.h"
#include "database/skills/dlg_slot.h"
#include "database/skills/prop_dbskill.h"
#include "database/units/dlg_battleai.h"
#include "database/units/dlg_dbclass.h"
#include "database/units/dlg_dbenemy.h"
#include "database/units/dlg_orgslot.h"
#include "database/units/dlg_sense.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/system.h"
#include "model/worldmap.h"
#include "resources/db_media_ids.h"
#include "resources/db_skills_ids.h"
#include "tests/app/app_test_support.h"
#include "tests/app/list_clicks_cases.h"

namespace {

typedef std::function<PROP_DATABASE*()> OPEN_SHEET;

// The pages' own control ids, as their dialogs' resources number them.
enum {
    IDC_CLASS_LIST = 1029,
    IDC_CLASS_SENSES = 1076,
    IDC_CLASS_SENSE_EDIT = 1542,
    IDC_CLASS_RESISTS = 1074,
    IDC_CLASS_RESIST_EDIT = 1077,
    IDC_CLASS_SLOTS = 1094,
    IDC_CLASS_SLOT_EDIT = 1543,
    IDC_ALLY_LIST = 1121,
    IDC_ALLY_SKILLS = 1074,
    IDC_ALLY_SKILL_EDIT = 1077,
    IDC_ALLY_SKILL_DELETE = 1071,
    IDC_ENEMY_LIST = 1179,
    IDC_ENEMY_RULES = 1111,
    IDC_ENEMY_RULE_EDIT = 1110,
    IDC_ENEMY_RULE_DELETE = 1070,
    IDC_LAND_LIST = 1129,
    IDC_LAND_ELEMS = 1074,
    IDC_LAND_ELEM_EDIT = 1077,
    IDC_PTVAL_LIST = 1387,
    IDC_SYSTEM_ELEMS = 1074,
    IDC_SYSTEM_ELEM_EDIT = 1077,
    IDC_SYSTEM_ELEM_CLEAR = 1069,
};
// The tabs PROP_DATABASE leaves unnamed.
enum { TAB_ALLY = 1, TAB_ENEMY = 2, TAB_PICTURE = 9, TAB_BACK, TAB_SOUND, TAB_BGM, TAB_HELP, TAB_WORLD_CHIP };

// `count` slots, each taking only the categories of its conditions: slot 0
// four of them (the rows of its dialog's list), slot j > 0 category j. Their
// symbols tell them apart in that dialog.
void MakeSlots(VECTOR_CLASS<cSlot>& slots, size_t count) {
    Distinct(slots, count, [](cSlot& slot, int j) {
        slot.bAllCateg = 0;
        slot.bShowAllSymbols = 0;
        slot.nSymbol = j + 1;
        Distinct(slot.vAcqCond, j ? 1 : 4, [j](cAcqCond& cond, int k) { cond.nCateg = j ? j : k; });
    });
}

// Opens the sheet on `tab`; row `row` of the page's list `list` is picked
// first (none when `list` is 0). The sheet is closed after.
LIST_HOST Tab(const OPEN_SHEET& open, int tab, WORD list = 0, int row = 0) {
    return [open, tab, list, row](const LIST_INSIDE& inside) {
        PROP_DATABASE* sheet = open();
        if (!sheet || !sheet->m_hWnd) return;
        SendMessageA(sheet->m_hWnd, PSM_SETCURSEL, tab, 0);
        PumpMessages();
        DLG_DBPAGE* page = sheet->Page(tab);
        if (page && page->m_hWnd) {
            if (list) PickRow(page->m_hWnd, list, row);
            InModeless(page, sheet->m_hWnd, inside);
        }
        SendMessageA(sheet->m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        PumpMessages();
    };
}

// The skill sheet of the skill list the skill-list page shows.
LIST_HOST SkillSheet(LIST_HOST skillLists) {
    return [skillLists](const LIST_INSIDE& inside) {
        skillLists([&](DLG_CLASS* p) {
            SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SKILLLIST_EDIT_SKILLS, BN_CLICKED), 0);
            PROP_DBSKILL* skills = static_cast<DLG_DBSKILLLIST*>(p)->m_pSkillSheet;
            if (!skills || !skills->m_pPage || !skills->m_pPage->m_hWnd) return;
            InModeless(skills->m_pPage, skills->m_hWnd, inside);
            SendMessageA(skills->m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            PumpMessages();
        });
    };
}

}  // namespace

void MakeDatabaseRecords() {
    // Resistances and land rates keep one entry per element, the senses one
    // row per skill list and one value per category of it.
    const size_t elements = 4;
    Distinct(g_System.Elements, elements, [](cElem& e, int i) { e.Name = Named("属性", i); });
    Distinct(g_SkillLists, 3, [](cSkillList& list, int i) {
        list.strName = Named("技能", i);
        list.nSlotType = 0;  // slots limited: the slot list is enabled
        Distinct(list.vCateg, 4 + i, [](cCateg& categ, int j) {
            categ.strName = Named("分類", j);
            categ.nSymbol = j;
        });
        MakeSlots(list.vSlot, 3);
        Distinct(list.vSkill, 4, [](cSkill& skill, int j) {
            skill.strName = Named("技", j);
            skill.nSp = j;
        });
    });
    const size_t lists = g_SkillLists.size();
    Distinct(g_ClassList, 4, [lists](cClass& c, int i) {
        c.Name = Named("職", i);
        c.Senses.resize(lists);
        for (size_t l = 0; l < lists; ++l) {
            Distinct(c.Senses[l], g_SkillLists[l].vCateg.size(), [](int& sense, int j) { sense = 10 + j; });
        }
        Distinct(c.Resists, elements, [](int& resist, int k) { resist = 100 + 10 * k; });
        c.OrgSlots.resize(lists);
        for (size_t l = 0; l < lists; ++l) {
            c.OrgSlots[l].OwnSlots = 1;
            MakeSlots(c.OrgSlots[l].Slots, 3 + l);
        }
    });
    Distinct(g_FriendList, 4, [](cFriend& ally, int i) {
        ally.Name = Named("仲間", i);
        Distinct(ally.LearntSkills, 4, [](cLearnSkill& learnt, int j) {
            learnt.SkillList = 0;
            learnt.Skill = 1 + j % 3;
            learnt.Level = 10 + j;
        });
    });
    Distinct(g_EnemyList, 4, [](cEnemy& enemy, int i) {
        enemy.Name = Named("敵", i);
        Distinct(enemy.BattleAI, 4, [](cBattleAI& rule, int j) {
            rule.PriorityValue = 10 + j;
            Distinct(rule.Conds, 4, [](cBattleAICond& cond, int k) { cond.Value = 100 + k; });
        });
    });
    Distinct(g_LandList, 3, [](cLand& land, int i) {
        land.Name = Named("地形", i);
        Distinct(land.ElemRate, elements, [](int& rate, int k) { rate = 100 + 10 * k; });
    });
    cDatabase& db = g_Database;
    Distinct(db.CompatiTypes, 4, [](cCompatiType& type, int i) {
        type.strName = Named("相性", i);
        Distinct(type.vInfl, 4, [](cInfl& infl, int j) {
            infl.nTarget = 1;
            infl.nValue = 10 + j;
        });
    });
    Distinct(db.PtVals, 4, [](cPtVal& value, int i) { value.Name = Named("変数", i); });
    Distinct(db.CharaAnims, 4, [](cCharaAnimPat& anim, int i) {
        anim.strName = Named("動作", i);
        Distinct(anim.vAnim, 4, [](cCharaAnim& frame, int j) { frame.nCel = j; });
    });
    Distinct(db.EffectAnims, 4, [](cEffectAnimPat& anim, int i) {
        anim.strName = Named("効果", i);
        Distinct(anim.vAnim, 4, [](cEffectAnim& frame, int j) { frame.nCel = j; });
    });
    Distinct(db.Pictures, 4, [](cEdPicture& picture, int i) { picture.strName = Named("絵", i); });
    Distinct(db.Backs, 4, [](cEdBack& back, int i) { back.strName = Named("背景", i); });
    Distinct(db.Sounds, 4, [](cEdSound& sound, int i) {
        sound.strName = Named("音", i);
        sound.bSameAsFileName = 0;
    });
    Distinct(db.Bgms, 4, [](cEdBgm& bgm, int i) {
        bgm.strName = Named("曲", i);
        bgm.bSameAsFileName = 0;
    });
    Distinct(db.Helps, 3, [](cEdHelp& help, int i) {
        help.strTitle = Named("項目", i);
        Distinct(help.vText, 4, [](cEdHelpText& text, int j) { text.strText = Named("本文", j); });
    });
    Distinct(g_WorldMap.Chips, 3, [](cWorldChip& chip, int i) { chip.strName = Named("地", i); });
}

std::vector<cListCase> DatabaseCases(const std::function<PROP_DATABASE*()>& openSheet) {
    const OPEN_SHEET& o = openSheet;
    typedef PROP_DATABASE DB;
    // The sub-lists follow the record picked in the page's list.
    const LIST_HOST classes = Tab(o, DB::TAB_CLASS, IDC_CLASS_LIST, 1);
    const LIST_HOST enemies = Tab(o, TAB_ENEMY, IDC_ENEMY_LIST, 1);
    const LIST_HOST skillLists = Tab(o, DB::TAB_SKILL_LIST, IDC_SKILLLIST_LIST, 0);
    const WORD clear = IDC_DBLIST_CLEAR;
    return {
        {"classes", Tab(o, DB::TAB_CLASS), IDC_CLASS_LIST, 0, clear, LIST_CLEARS},
        {"a class's senses", classes, IDC_CLASS_SENSES, IDC_CLASS_SENSE_EDIT, 0, LIST_CLEARS},
        {"a class's resistances", classes, IDC_CLASS_RESISTS, IDC_CLASS_RESIST_EDIT, 0, LIST_CLEARS},
        {"a class's slot organisations", classes, IDC_CLASS_SLOTS, IDC_CLASS_SLOT_EDIT, 0, LIST_CLEARS},
        {"a class's senses of a skill list",
         ModalIn<DLG_SENSE, DLG_DBCLASS>(classes, [](DLG_DBCLASS& p) { p.m_SenseEdits.EditSelected(); }),
         DLG_SENSE::IDC_SENSES, DLG_SENSE::IDC_EDIT, 0, LIST_CLEARS},
        {"a class's own slots",
         ModalIn<DLG_ORGSLOT, DLG_DBCLASS>(classes, [](DLG_DBCLASS& p) { p.m_SlotEdits.EditSelected(); }),
         DLG_ORGSLOT::IDC_SLOTS, DLG_ORGSLOT::IDC_EDIT, DLG_ORGSLOT::IDC_CLEAR, LIST_CLEARS},
        {"allies", Tab(o, TAB_ALLY), IDC_ALLY_LIST, 0, clear, LIST_CLEARS},
        {"an ally's learnt skills", Tab(o, TAB_ALLY, IDC_ALLY_LIST, 1), IDC_ALLY_SKILLS, IDC_ALLY_SKILL_EDIT,
         IDC_ALLY_SKILL_DELETE, LIST_DELETES},
        {"enemies", Tab(o, TAB_ENEMY), IDC_ENEMY_LIST, 0, clear, LIST_CLEARS},
        {"an enemy's battle rules", enemies, IDC_ENEMY_RULES, IDC_ENEMY_RULE_EDIT, IDC_ENEMY_RULE_DELETE, LIST_DELETES},
        {"a battle rule's conditions",
         ModalIn<DLG_BATTLEAI, DLG_DBENEMY>(enemies, [](DLG_DBENEMY& p) { p.m_Sub.EditSelected(); }),
         DLG_BATTLEAI::IDC_CONDS, DLG_BATTLEAI::IDC_EDIT, DLG_BATTLEAI::IDC_DELETE, LIST_DELETES},
        {"skill lists", Tab(o, DB::TAB_SKILL_LIST), IDC_SKILLLIST_LIST, 0, clear, LIST_CLEARS},
        {"a skill list's categories", skillLists, IDC_CATEG_LIST, IDC_CATEG_EDIT, IDC_CATEG_CLEAR, LIST_CLEARS},
        {"a skill list's slots", skillLists, IDC_SLOT_LIST, IDC_SLOT_EDIT, IDC_SLOT_CLEAR, LIST_CLEARS},
        {"a slot's conditions",
         ModalIn<DLG_SLOT, DLG_DBSKILLLIST>(skillLists, [](DLG_DBSKILLLIST& p) { p.m_SlotEdits.EditSelected(); }),
         DLG_SLOT::IDC_SLOT_CONDS, 0, DLG_SLOT::IDC_SLOT_DELETE, LIST_DELETES},
        {"skills", SkillSheet(skillLists), IDC_SKILL_LIST, 0, clear, LIST_CLEARS},
        {"compatibility types", Tab(o, DB::TAB_SKILL_TYPE), IDC_SKILLTYPE_LIST, 0, clear, LIST_CLEARS},
        {"a compatibility type's influences", Tab(o, DB::TAB_SKILL_TYPE, IDC_SKILLTYPE_LIST, 1), IDC_INFL_LIST,
         IDC_INFL_EDIT, IDC_INFL_DELETE, LIST_DELETES},
        {"lands", Tab(o, DB::TAB_LAND), IDC_LAND_LIST, 0, clear, LIST_CLEARS},
        {"a land's elements", Tab(o, DB::TAB_LAND, IDC_LAND_LIST, 1), IDC_LAND_ELEMS, IDC_LAND_ELEM_EDIT, 0,
         LIST_CLEARS},
        {"party variables", Tab(o, DB::TAB_PARTY_VAL), IDC_PTVAL_LIST, 0, clear, LIST_CLEARS},
        {"character animations", Tab(o, DB::TAB_CHARA_ANIM), IDC_CHARAANIM_LIST, 0, clear, LIST_CLEARS},
        {"a character animation's frames", Tab(o, DB::TAB_CHARA_ANIM, IDC_CHARAANIM_LIST, 1), IDC_ANIM_FRAMES,
         IDC_ANIM_EDIT, IDC_ANIM_DELETE, LIST_DELETES},
        {"effect animations", Tab(o, DB::TAB_EFFECT_ANIM), IDC_EFFECTANIM_LIST, 0, clear, LIST_CLEARS},
        {"an effect animation's frames", Tab(o, DB::TAB_EFFECT_ANIM, IDC_EFFECTANIM_LIST, 1), IDC_ANIM_FRAMES,
         IDC_ANIM_EDIT, IDC_ANIM_DELETE, LIST_DELETES},
        {"pictures", Tab(o, TAB_PICTURE), IDC_PICTURE_LIST, 0, clear, LIST_CLEARS},
        {"backgrounds", Tab(o, TAB_BACK), IDC_BACK_LIST, 0, clear, LIST_CLEARS},
        {"sound effects", Tab(o, TAB_SOUND), IDC_SOUND_LIST, 0, clear, LIST_CLEARS},
        {"BGM", Tab(o, TAB_BGM), IDC_BGM_LIST, 0, clear, LIST_CLEARS},
        {"help topics", Tab(o, TAB_HELP), IDC_HELP_LIST, 0, clear, LIST_CLEARS},
        {"a help topic's texts", Tab(o, TAB_HELP, IDC_HELP_LIST, 1), IDC_HELP_TEXTS, IDC_HELP_EDIT, IDC_HELP_DELETE,
         LIST_DELETES},
        {"world chips", Tab(o, TAB_WORLD_CHIP), IDC_WCHIP_LIST, 0, clear, LIST_CLEARS},
        {"elements", Tab(o, DB::TAB_SYSTEM4), IDC_SYSTEM_ELEMS, IDC_SYSTEM_ELEM_EDIT, IDC_SYSTEM_ELEM_CLEAR,
         LIST_CLEARS},
    };
}
