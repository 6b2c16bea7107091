#include "database/skills/skill_rules.h"

const char* const ResourceTypeNames[] = {"SPを消費", "回数を制限", ""};
const char* const SkillKindNames[] = {
    "物理攻撃",
    "魔法攻撃",
    "回復",
    "ダメージ軽減",
    "時間",
    "補助",
    "地形",
    "物理武器（使用不可）",
    "魔法武器（使用不可）",
    "防具（使用不可）",
    "",
};
const char* const SkillTargetNames[] = {"自分", "相手", "時間", "地形", ""};
const char* const WeaponSkillNames[] = {"物理武器", "魔法武器", ""};
const char* const SpecialEffectNames[] = {"なし", ""};
const char* const SlotTypeNames[] = {"スロット数とカテゴリーの制限有り", "スロット数とカテゴリーの制限無し",
                                     "スロットなし", ""};
const char* const InflStatWords[] = {"命中率", "必殺率", "ダメージ", ""};

const int kSubAEditIds[9] = {11037, 11038, 11039, 11040, 11041, 11042, 11043, 11044, 11045};
const int kSubASpinIds[9] = {11060, 11061, 11062, 11063, 11064, 11065, 11066, 11067, 11068};
const int kSubBEditIds[9] = {11046, 11047, 11048, 11049, 11050, 11051, 11052, 11053, 11054};
// 11071 is the data-count button.
const int kSubBSpinIds[9] = {11069, 11070, 11072, 11073, 11074, 11075, 11076, 11077, 11078};

// Effect graphic and its picker, effect animation, the three colour sliders,
// transparency, zoom, character animation, sound effect.
const std::vector<int> kSkillEffectCtrls = {1511, 1510, 1098, 1552, 1553, 1554, 1170, 1551, 1099, 1096};

namespace {

enum { ON, OFF, CLEAR, UNLESS, IF };  // CLEAR: disabled and its check cleared

// Kinds as bits; bit 10 stands for any value outside the ten kinds.
constexpr unsigned K(int kind) { return 1u << kind; }
const unsigned OTHER = K(10);
const unsigned ALL = K(11) - 1;
const unsigned WEAPONS = K(7) | K(8) | K(9);  // weapon and armour kinds: never used as skills
const unsigned USABLE = ALL & ~WEAPONS;
const int ANY = -1;

struct SKILL_RULE {
    unsigned kinds;
    int resourceType;  // ANY or the one type the row holds for
    std::vector<int> ids;
    int state;
    int check;  // the box UNLESS and IF read
};

const std::vector<int> kUsage = {1036, 1038, 1041, 1042, 1043};  // map skill and stock, battle skill, quick, stock
const std::vector<int> kLinks = {1054, 1052, 1050, 1047};        // the "same as the weapon skill" boxes
const std::vector<int> kSubA(kSubAEditIds, kSubAEditIds + 9);
const std::vector<int> kSubB(kSubBEditIds, kSubBEditIds + 9);

const std::vector<SKILL_RULE> kRules = {
    // Resource type, SP and use count.
    {WEAPONS, ANY, {IDC_SKILL_RESOURCE, 1152, 1154, IDC_SKILL_UNLIMITED}, OFF, 0},
    {USABLE, ANY, {IDC_SKILL_RESOURCE}, ON, 0},
    {USABLE, 0, {1152}, ON, 0},
    {USABLE, 0, {1154, IDC_SKILL_UNLIMITED}, OFF, 0},
    {USABLE, 1, {1152}, OFF, 0},
    {USABLE, 1, {IDC_SKILL_UNLIMITED}, ON, 0},
    {USABLE, 1, {1154}, UNLESS, IDC_SKILL_UNLIMITED},
    // The weapon skill a skill stands for, where it is used.
    {USABLE, ANY, {1102}, ON, 0},
    {WEAPONS, ANY, {1102}, OFF, 0},
    {USABLE, ANY, kUsage, ON, 0},
    {WEAPONS, ANY, kUsage, CLEAR, 0},
    {USABLE & ~K(2), ANY, {1036, 1038}, CLEAR, 0},  // only healing is used on the map
    {K(4), ANY, {1042}, CLEAR, 0},
    // Effect value, stats, damage correction.
    {ALL & ~(K(5) | K(9)), ANY, {1620}, ON, 0},
    {K(5) | K(9), ANY, {1620}, OFF, 0},
    {K(0) | K(1) | K(2) | K(3) | OTHER, ANY, {1046}, ON, 0},
    {ALL & ~(K(0) | K(1) | K(2) | K(3) | OTHER), ANY, {1046}, OFF, 0},
    {K(0) | K(1) | K(2) | K(3), ANY, {1139}, ON, 0},
    {ALL & ~(K(0) | K(1) | K(2) | K(3)), ANY, {1139}, OFF, 0},
    // Compatibility type, element, hit and critical rates, sub-effects.
    {K(4) | K(6), ANY, {1090, 1088, 1162, 1137}, OFF, 0},
    {K(4) | K(6), ANY, kLinks, CLEAR, 0},
    {K(4) | K(6), ANY, {1140}, ON, 0},
    {K(4) | K(6), ANY, kSubA, OFF, 0},
    {K(4) | K(6), ANY, kSubB, ON, 0},
    {K(7) | K(8), ANY, {1090, 1088, 1140, 1137}, ON, 0},
    {K(7) | K(8), ANY, {1162}, OFF, 0},
    {K(7) | K(8), ANY, kLinks, CLEAR, 0},
    {K(7) | K(8), ANY, kSubA, ON, 0},
    {K(7) | K(8), ANY, kSubB, OFF, 0},
    {K(9), ANY, {1088, 1162}, ON, 0},
    {K(9), ANY, {1090, 1140, 1137}, OFF, 0},
    {K(9), ANY, kLinks, CLEAR, 0},
    {K(9), ANY, kSubA, ON, 0},
    {K(9), ANY, kSubB, OFF, 0},
    {K(0) | K(1), ANY, {1090}, UNLESS, IDC_SKILL_SAME_COMPATI},
    {K(0) | K(1), ANY, {IDC_SKILL_SAME_COMPATI}, ON, 0},
    {K(2) | K(3), ANY, {IDC_SKILL_SAME_COMPATI}, CLEAR, 0},
    {K(2) | K(3) | K(5) | OTHER, ANY, {1090, IDC_SKILL_SAME_COMPATI}, OFF, 0},
    {K(0) | K(1) | K(2) | K(3) | K(5) | OTHER, ANY, {1088}, UNLESS, IDC_SKILL_SAME_ELEM},
    {K(0) | K(1) | K(2) | K(3) | K(5) | OTHER, ANY, {1162}, OFF, 0},
    {K(0) | K(1) | K(2) | K(3) | K(5) | OTHER, ANY, {1140}, UNLESS, IDC_SKILL_SAME_HIT},
    {K(0) | K(1) | K(2) | K(3) | K(5) | OTHER, ANY, {1052, 1050, 1137, 1047}, ON, 0},
    {K(0) | K(1) | K(2) | K(3) | K(5) | OTHER, ANY, kSubA, ON, 0},
    {K(0) | K(1) | K(2) | K(3) | K(5) | OTHER, ANY, kSubB, ON, 0},
    // Sub-effects in percent, vanishing from stock, and the effect itself.
    {WEAPONS, ANY, {1302}, ON, 0},
    {WEAPONS, ANY, {1303, 1045}, OFF, 0},
    {WEAPONS, ANY, {IDC_SKILL_SAME_EFFECT}, CLEAR, 0},
    {K(7) | K(8), ANY, kSkillEffectCtrls, ON, 0},
    {K(9), ANY, kSkillEffectCtrls, OFF, 0},
    {USABLE, ANY, {1302}, CLEAR, 0},
    {USABLE, ANY, {1303, 1045, IDC_SKILL_SAME_EFFECT}, ON, 0},
    {USABLE, ANY, kSkillEffectCtrls, UNLESS, IDC_SKILL_SAME_EFFECT},
    // The shop's sort number.
    {ALL, ANY, {1165}, IF, IDC_SKILL_SORT},
};

// The target each kind implies.
const int kDerivedTarget[10] = {1, 1, 0, 0, 2, 0, 3, 0, 0, 0};

int CheckState(const SKILL_RULE_INPUT& in, int check) {
    switch (check) {
    case IDC_SKILL_UNLIMITED: return in.unlimited;
    case IDC_SKILL_SAME_HIT: return in.sameHit;
    case IDC_SKILL_SAME_EFFECT: return in.sameEffect;
    case IDC_SKILL_SAME_ELEM: return in.sameElem;
    case IDC_SKILL_SAME_COMPATI: return in.sameCompati;
    case IDC_SKILL_SORT: return in.sortNo;
    }
    return 0;
}

SKILL_CTRL_STATE& Entry(SKILL_RULE_RESULT& result, int id) {
    for (SKILL_CTRL_STATE& c : result.controls)
        if (c.id == id) return c;
    result.controls.push_back({id, 1, 0});
    return result.controls.back();
}

}  // namespace

SKILL_RULE_RESULT ApplySkillRules(const SKILL_RULE_INPUT& in) {
    SKILL_RULE_RESULT result;
    const bool known = in.kind >= 0 && in.kind < 10;
    result.target = known ? kDerivedTarget[in.kind] : -1;
    const unsigned kind = known ? K(in.kind) : OTHER;
    for (const SKILL_RULE& rule : kRules) {
        if (!(rule.kinds & kind) || (rule.resourceType != ANY && rule.resourceType != in.resourceType)) continue;
        // Every decision reads the boxes as they were before this pass cleared any.
        int enabled = rule.state == ON;
        if (rule.state == UNLESS) enabled = !CheckState(in, rule.check);
        if (rule.state == IF) enabled = CheckState(in, rule.check) != 0;
        for (int id : rule.ids) {
            SKILL_CTRL_STATE& c = Entry(result, id);
            c.enabled = enabled;
            if (rule.state == CLEAR) c.cleared = 1;
        }
    }
    return result;
}
