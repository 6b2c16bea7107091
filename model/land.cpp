#include "model/land.h"

int cLand::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cLand);
    SERIAL(Number);
    SERIAL(MoveCost);
    SERIAL(Impassable);
    SERIAL(ChipGraphic);
    SERIAL(StatInPercent);
    SERIAL(StatMod);
    if (version >= 94) SERIAL(ElemRate);
    SERIAL(EffectKind);
    SERIAL(EffectValue);
    SERIAL(Training);
    SERIAL(Name);
    SERIAL(Description);
    if (version < 66)
        SERIAL_FIELD(SerialDropString(op, file));  // replaced by the battle background
    else
        SERIAL(BattleBack);
    return 1;
}

void cLand::SetDefault() {
    Clear();
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    MoveCost = 1;
    BattleBack = 1;
    Training = 1;
    ElemRate.Fill(100);
}

int cLand::Load(HANDLE file) {
    cSerial::Load(file);
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return 1;
}

int cLand::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return cSerial::Save(file);
}

void cLand::Fixup(const cFixupInputs& in) {
    if (MoveCost < 1) MoveCost = 1;
    if (Outside(BattleBack, in.Backs)) BattleBack = 1;
    FitElementRates(ElemRate, in.Elements);
}

void FitElementRates(VECTOR_CLASS<int>& rates, size_t count) {
    if (rates.size() != count) rates.resize(count, 100);
}
