// What the skill page enables, derives and clears from what its controls
// show: one table of rules (which kinds and resource type, which controls,
// which state) read in order, the later rows winning. Window-free, so it
// also builds natively; the page applies the result to its controls.
#pragma once

#include <vector>

// Controls the rules read or set.
enum {
    IDC_SKILL_UNLIMITED = 1037,     // "無制限"
    IDC_SKILL_SAME_HIT = 1050,      // "武器スキルの命中率と同じ"
    IDC_SKILL_SAME_EFFECT = 1051,   // "武器スキルのエフェクトと同じ"
    IDC_SKILL_SAME_ELEM = 1052,     // "武器スキルの属性と同じ"
    IDC_SKILL_SAME_COMPATI = 1054,  // "武器スキルの相性タイプと同じ"
    IDC_SKILL_SORT = 1055,          // "ソート番号（店用）"
    IDC_SKILL_KIND = 1083,          // combo "種類"
    IDC_SKILL_TARGET = 1085,        // combo "対象", always disabled
    IDC_SKILL_RESOURCE = 1092,      // combo "リソースタイプ"
};

// What the rules read: the kind and resource type the combos show and the
// states of the check boxes they depend on.
struct SKILL_RULE_INPUT {
    int kind;
    int resourceType;
    int unlimited, sameHit, sameEffect, sameElem, sameCompati, sortNo;
};

// One control's outcome: enabled or not, and whether its check is cleared.
struct SKILL_CTRL_STATE {
    int id;
    int enabled;
    int cleared;
};

struct SKILL_RULE_RESULT {
    std::vector<SKILL_CTRL_STATE> controls;  // controls no rule names keep their state
    int target;                              // row the target combo shows; -1 leaves it
};

SKILL_RULE_RESULT ApplySkillRules(const SKILL_RULE_INPUT& in);

// The ids of the effect controls and of the sub-effect edits A and B, in stat order.
extern const std::vector<int> kSkillEffectCtrls;
extern const int kSubAEditIds[9], kSubASpinIds[9], kSubBEditIds[9], kSubBSpinIds[9];

// Word tables of the skill pages (each ends with an empty string; a combo stores the row).
extern const char* const ResourceTypeNames[];
extern const char* const SkillKindNames[];
extern const char* const SkillTargetNames[];
extern const char* const WeaponSkillNames[];
extern const char* const SpecialEffectNames[];
extern const char* const SlotTypeNames[];
extern const char* const InflStatWords[];
