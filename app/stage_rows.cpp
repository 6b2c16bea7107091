#include "app/stage_rows.h"

#include "editing/shared_words.h"
#include "model/chara.h"
#include "model/skill.h"

const char* const g_WordMoveRange[] = {"マップ全範囲内", "行動範囲内", "自分＋隣4マス内", ""};

const char* const g_WordMoveTarget[] = {
    "最も近い味方",
    "最も効果的な味方（物理攻撃計算）",
    "最も効果的な味方（魔法攻撃計算）",
    "最も効果的な味方（物理と魔法）",
    "最もHPが低い味方",
    "リーダーの味方",
    "味方の誰か（ランダム）",
    "最も近い敵",
    "最も弱っている敵",
    "自分自身",
    "最も近い目的地",
    "",
};

const char* const g_WordMoveAction[] = {"待機", "戦闘", "回復", ""};
const char* const g_WordMoveStatus[] = {"HP", "SP", ""};
const char* const g_WordMoveJudge[] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};
const char* const g_WordEndCondTarget[] = {"なし", "リーダー", "敵(IDで指定)", "位置グループ", "座標", ""};

const char kStaleText[] = "？";

namespace {

const cSkill* SkillAt(int list, int skill) {
    if (Outside(list, g_SkillLists.size()) || Outside(skill, g_SkillLists[list].vSkill.size())) return nullptr;
    return &g_SkillLists[list].vSkill[skill];
}

}  // namespace

const char* WordOrStale(const char* const* words, int index) {
    const char* word = WordAt(words, index);
    return *word ? word : kStaleText;
}

void MoveAIRowText(std::string& text, int, const cMoveAI& r) {
    text.clear();
    const char* range = WordOrStale(g_WordMoveRange, r.Range);
    const char* target = WordOrStale(g_WordMoveTarget, r.Target);
    if (r.Action == 0 || r.Action == 1) {
        StringPrintf(text, "%s で %s に %s", range, target, g_WordMoveAction[r.Action]);
    } else if (r.Action == MOVEAI_ACTION_HEAL) {
        const cSkill* skill = SkillAt(r.SkillList, r.Skill);
        StringPrintf(text, "%s で %s に %s(%s)", range, target, g_WordMoveAction[r.Action],
                     skill ? skill->strName.c_str() : kStaleText);
    }
    if (r.HasConditions()) text += "   ※条件あり";
}

void PutEnemyRowText(std::string& text, int, const cPutEnemy& e) {
    std::string cell = "(--,--)";
    if (e.X != -1) StringPrintf(cell, "(%d,%d)", e.X, e.Y);
    if (e.Enemy == 0) {
        StringPrintf(text, "%s 未設定", cell.c_str());
        return;
    }
    std::string group = "-";
    if (e.GroupOn) group = std::to_string(e.Group);
    const bool known = !Outside(e.Enemy, g_EnemyList.size());
    const char* name = known ? g_EnemyList[e.Enemy].Name.c_str() : kStaleText;
    std::string level = kStaleText;
    if (known) level = std::to_string(g_EnemyList[e.Enemy].Level);
    StringPrintf(text, "グ%s %s %d-%-8s LV%s ", group.c_str(), cell.c_str(), e.Enemy, name, level.c_str());
}

void GroupRowText(std::string& text, int, const cGroupPos& g) {
    StringPrintf(text, "%-8s 中心座標(%d,%d)", g.Name.c_str(), g.CenterX, g.CenterY);
}

void MakeHealSkillRows(VECTOR_CLASS<std::string>& rows, VECTOR_CLASS<int>& values, int list) {
    rows.clear();
    values.clear();
    if (Outside(list, g_SkillLists.size())) return;
    const VECTOR_CLASS<cSkill>& skills = g_SkillLists[list].vSkill;
    for (size_t i = 1; i < skills.size(); ++i) {
        if (skills[i].nKind != SKILL_HEAL) continue;
        std::string row;
        rows.push_back(StringPrintf(row, "%d %s", static_cast<int>(i), skills[i].strName.c_str()));
        values.push_back(skills[i].nNo);
    }
}

void MakeDestRows(VECTOR_CLASS<std::string>& rows, VECTOR_CLASS<int>& values, const VECTOR_CLASS<cGroupPos>& groups) {
    rows.clear();
    values.clear();
    for (size_t i = 1; i < groups.size(); ++i) {
        if (groups[i].Cells.size() >= MOVEAI_DEST_MAX_CELLS) continue;
        std::string row;
        rows.push_back(StringPrintf(row, "%d %s", static_cast<int>(i), groups[i].Name.c_str()));
        values.push_back(static_cast<int>(i));
    }
}
