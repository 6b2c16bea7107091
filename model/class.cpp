#include "model/class.h"

#include "model/land.h"
#include "model/system.h"

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
    Fixup();
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
    Fixup();
    return 1;
}

int cClass::Save(HANDLE file) {
    Fixup();
    return cSerial::Save(file);
}

void cClass::Fixup() {
    FitSenseTable(Senses);
    FitElementRates(Resists, g_System.Elements.size());
    OrgSlots.resize(g_SkillLists.size());
}

int ClassCount() { return static_cast<int>(g_ClassList.size()); }

const cClass* FindClass(int index) {
    if (static_cast<unsigned>(index) >= g_ClassList.size()) return nullptr;
    return &g_ClassList[static_cast<size_t>(index)];
}

void FitSenseTable(IntTable& senses) {
    senses.resize(g_SkillLists.size());
    for (size_t i = 0; i < senses.size(); ++i) senses[i].resize(g_SkillLists[i].vCateg.size(), 0);
}
