// Classes: the templates characters take their stats, movement, level limit,
// senses, element resistances and slot organisation from,
// "data\database\Class.dat".
#pragma once

#include <string>

#include "base/serial.h"
#include "model/fixup_inputs.h"
#include "model/skill.h"
#include "model/table_fields.h"

class cClass : public cSerial {
public:
    int Id = 0;  // no rule reads it
    int Graphic = 1;
    short Hue = 0;         // (40)
    short Saturation = 0;  // (40)
    short Brightness = 0;  // (40)
    int Scale = 200;       // % (36)
    int Move = 4;
    int Flying = 0;
    int ExpRate = 100;  // %
    int MaxLevel = 30;
    int InitStats[9] = {};                // stat order HP .. 敏捷
    int FinalStats[9] = {};               // 0: no growth
    int AttackSkillList = 0;              // normal attack (16)
    int AttackSkill = 1;                  // (16)
    int NoNormalAttack = 0;               // (116)
    VECTOR_CLASS<cOrgSlotList> OrgSlots;  // one per skill list (83)
    std::string Name;
    IntTable Senses;            // [skill list][category]
    VECTOR_CLASS<int> Resists;  // % per element of the system

    cClass() { SetDefault(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    // The defaults, sized to the skill lists and elements of the active
    // fix-up inputs.
    void SetDefault();
    // Senses, resistances and slot organisation sized to the skill lists and
    // elements.
    void Fixup(const cFixupInputs& in);
};

extern VECTOR_CLASS<cClass> g_ClassList;

// The class at `index`, or null outside the list.
const cClass* FindClass(int index);
// Resizes `senses` to one row per skill list and each row to the list's
// categories; new entries 0.
void FitSenseTable(IntTable& senses, const cFixupInputs& in);
