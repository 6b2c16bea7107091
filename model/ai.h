// How an enemy acts: movement-AI rules on the stage map (kept by enemies,
// placed enemies and the movement-AI templates) and battle-AI rules with their
// conditions.
#pragma once

#include <string>

#include "base/serial.h"
#include "model/fixup_inputs.h"

// One movement-AI rule.
class cMoveAI : public cSerial {
public:
    int Range = 0;      // 0 whole map, 1 action range, 2 own cell and the four neighbours
    int Target = 0;     // 0 .. 10, see the target words
    int Action = 0;     // 0 wait, 1 fight, 2 heal
    int SkillList = 0;  // skill to use
    int Skill = 0;
    int Dest = 0;         // position group of the current stage
    int CondEnabled = 0;  // "条件あり" (113)
    // Conditions (44 unless noted).
    int CondAllyInRange = 0;  // an ally within the action range of the same group
    int CondLatch = 0;        // once held, held from then on
    int CondStatus = 0;
    int StatusParam = 0;  // 0 HP, 1 SP
    int StatusValue = 0;
    int StatusPercent = 0;
    int StatusCompare = 0;  // comparison words
    int CondGVal = 0;
    int GVal = 1;  // common variable
    int GValValue = 0;
    int GValCompare = 0;  // comparison words
    int CondActed = 0;    // this character has moved or acted (51)
    int JudgeType = 0;    // 0 all conditions, 1 at least one (112)
    int Spare = 0;        // no dialog binds it (45)
    int Work = 0;         // never stored

    cMoveAI() { SetDefault(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();
    // Skill and destination (a position group of the stage) outside their
    // lists become 0.
    void Fixup(const cFixupInputs& in);
    int HasConditions() const;
};

// A named list of movement-AI rules, "data\MoveAITemplate.dat".
class cMoveAITemplate : public cSerial {
public:
    std::string Name;         // (49)
    std::string Description;  // (58)
    VECTOR_CLASS<cMoveAI> Rules;

    cMoveAITemplate() { Clear(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

// One condition of a battle-AI rule.
class cBattleAICond : public cSerial {
public:
    int Subject = 0;  // 0 self, 1 opponent
    int Item = 0;     // 0 .. 8 the stats, 9 class, 10 level, 11 turn, 12 turns left, 13 time, 14 land
    int Value = 0;
    int Comparison = 0;  // comparison words (Compare is the base's record comparison)
    int Percent = 0;

    cBattleAICond() { SetDefault(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault() { Clear(); }
};

enum { BATTLEAI_ATTACK = 0, BATTLEAI_SKILL = 1, BATTLEAI_QUICK = 2 };

// One battle-AI rule: an action, its priority, and the conditions under which
// it is a candidate.
class cBattleAI : public cSerial {
public:
    int Action = BATTLEAI_ATTACK;
    int SkillList = 0;
    int Reserved = 0;  // not shown in the rule's row
    int Skill = 1;
    int PriorityLevel = 1;
    int PriorityValue = 10;
    int IgnoreForBestAlly = 0;  // (250)
    VECTOR_CLASS<cBattleAICond> Conds;

    cBattleAI() { SetDefault(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();
    // For a skill action, a skill list or skill outside the lists becomes 0.
    void FixupSkill(const cFixupInputs& in);
};

// The movement-AI templates of the project.
extern VECTOR_CLASS<cMoveAITemplate> g_MoveAITemplates;
