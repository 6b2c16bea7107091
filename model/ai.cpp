#include "model/ai.h"

#include <climits>

// ---- cMoveAI -------------------------------------------------------------------

int cMoveAI::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cMoveAI);
    SERIAL(Range);
    SERIAL(Target);
    SERIAL(Action);
    SERIAL(SkillList);
    SERIAL(Skill);
    SERIAL(Dest);
    if (version >= 113) SERIAL(CondEnabled);
    if (version >= 44) {
        SERIAL(CondAllyInRange);
        SERIAL(CondLatch);
        SERIAL(CondStatus);
        SERIAL(StatusParam);
        SERIAL(StatusValue);
        SERIAL(StatusPercent);
        SERIAL(StatusCompare);
        SERIAL(CondGVal);
        SERIAL(GVal);
        SERIAL(GValValue);
        SERIAL(GValCompare);
    }
    if (version >= 51) SERIAL(CondActed);
    if (version >= 112) SERIAL(JudgeType);
    if (version >= 45) SERIAL(Spare);
    return 1;
}

void cMoveAI::SetDefault() {
    Clear();
    Work = 0;
    GVal = 1;
}

int cMoveAI::Load(HANDLE file) {
    cSerial::Load(file);
    const uint32_t version = g_nFileVersion;
    if (version < 270) {
        // 48 added "リーダーの味方" as target 5.
        // A damaged file's largest value is kept rather than overflowed.
        if (version < 48 && Target >= 5 && Target < INT_MAX) ++Target;
        // 50 added "最も効果的な味方（物理と魔法）" as target 3.
        if (version < 50 && Target >= 3 && Target < INT_MAX) ++Target;
        // 113 added the switch for the conditions.
        if (version < 113 && HasConditions()) CondEnabled = 1;
    }
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return 1;
}

int cMoveAI::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return cSerial::Save(file);
}

void cMoveAI::Fixup(const cFixupInputs& in) {
    if (Outside(SkillList, in.SkillListCount())) SkillList = 0;
    if (Outside(Skill, in.SkillCount(SkillList))) Skill = 0;
    if (Dest == -1 || Outside(Dest, static_cast<size_t>(in.Stage.GroupCount))) Dest = 0;
}

int cMoveAI::HasConditions() const { return CondAllyInRange || CondStatus || CondGVal || CondActed; }

// ---- cMoveAITemplate --------------------------------------------------------------

int cMoveAITemplate::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cMoveAITemplate);
    if (version >= 49) SERIAL(Name);
    if (version >= 58) SERIAL(Description);
    SERIAL(Rules);
    return 1;
}

// ---- Battle AI ------------------------------------------------------------------

int cBattleAICond::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cBattleAICond);
    SERIAL(Subject);
    SERIAL(Item);
    SERIAL(Value);
    SERIAL(Comparison);
    SERIAL(Percent);
    return 1;
}

int cBattleAI::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cBattleAI);
    SERIAL(Action);
    SERIAL(SkillList);
    SERIAL(Reserved);
    SERIAL(Skill);
    SERIAL(PriorityLevel);
    SERIAL(PriorityValue);
    if (version >= 250) SERIAL(IgnoreForBestAlly);
    SERIAL(Conds);
    return 1;
}

void cBattleAI::SetDefault() {
    Clear();
    Skill = 1;
    PriorityLevel = 1;
    PriorityValue = 10;
}

void cBattleAI::FixupSkill(const cFixupInputs& in) {
    if (Action != BATTLEAI_SKILL && Action != BATTLEAI_QUICK) return;
    if (Outside(SkillList, in.SkillListCount())) SkillList = 0;
    if (Outside(Skill, in.SkillCount(SkillList))) Skill = 0;
}
