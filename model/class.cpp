#include "model/class.h"

#include "model/land.h"

int cClass::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cClass);
    SERIAL(Id);
    SERIAL(Graphic);
    if (version >= 40) {
        SERIAL(Hue);
        SERIAL(Saturation);
        SERIAL(Brightness);
    }
    if (version >= 36) SERIAL(Scale);
    SERIAL(Move);
    SERIAL(Flying);
    SERIAL(ExpRate);
    SERIAL(MaxLevel);
    SERIAL(InitStats);
    SERIAL(FinalStats);
    if (version < 35) SERIAL_FIELD(SerialDropInts(op, 3, file));
    if (version >= 16) {
        SERIAL(AttackSkillList);
        SERIAL(AttackSkill);
    }
    if (version >= 116) SERIAL(NoNormalAttack);
    if (version >= 83) SERIAL(OrgSlots);
    SERIAL(Name);
    SERIAL(Senses);
    SERIAL(Resists);
    return 1;
}

void cClass::SetDefault() {
    Clear();
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    Graphic = 1;
    Scale = 200;
    Move = 4;
    Flying = 0;
    ExpRate = 100;
    MaxLevel = 30;
    for (int k = 0; k < 9; ++k) {
        InitStats[k] = 1;
        FinalStats[k] = 1;
    }
    Resists.Fill(100);
    AttackSkillList = 0;
    AttackSkill = 1;
    OrgSlots.clear();
    OrgSlots.emplace_back();  // one default slot; the next Fixup widens it
}

int cClass::Load(HANDLE file) {
    cSerial::Load(file);
    // 36 added the scale.
    if (g_nFileVersion < 36) Scale = 200;
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return 1;
}

int cClass::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return cSerial::Save(file);
}

void cClass::Fixup(const cFixupInputs& in) {
    FitSenseTable(Senses, in);
    FitElementRates(Resists, in.Elements);
    OrgSlots.resize(in.SkillListCount());
}

const cClass* FindClass(int index) {
    if (static_cast<unsigned>(index) >= g_ClassList.size()) return nullptr;
    return &g_ClassList[static_cast<size_t>(index)];
}

void FitSenseTable(IntTable& senses, const cFixupInputs& in) {
    senses.resize(in.SkillListCount());
    for (size_t i = 0; i < senses.size(); ++i) senses[i].resize(in.CategoryCount(static_cast<int>(i)), 0);
}
