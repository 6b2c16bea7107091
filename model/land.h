// Lands: the terrain types of the map grid, "data\database\Land.dat".
#pragma once

#include <string>

#include "base/serial.h"
#include "model/fixup_inputs.h"

class cLand : public cSerial {
public:
    int Number = 0;    // no rule reads it
    int MoveCost = 1;  // at least 1
    int Impassable = 0;
    int ChipGraphic = 0;
    int StatInPercent = 0;       // 0: the modifiers are points
    int StatMod[9] = {};         // stat order HP .. 敏捷
    VECTOR_CLASS<int> ElemRate;  // % per element of the system (94)
    int EffectKind = 0;
    int EffectValue = 0;
    int Training = 1;  // selectable in training
    std::string Name;
    std::string Description;
    int BattleBack = 1;  // background of the battle (66)

    cLand() { SetDefault(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    // The defaults, sized to the elements of the active fix-up inputs.
    void SetDefault();
    // Cost at least 1, background within the backgrounds, one element rate
    // per element (new ones 100).
    void Fixup(const cFixupInputs& in);
};

extern VECTOR_CLASS<cLand> g_LandList;

// Resizes `rates` to `count` entries; entries added at the end are 100.
void FitElementRates(VECTOR_CLASS<int>& rates, size_t count);
