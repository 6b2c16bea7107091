#include "model/land.h"

#include "model/media_database.h"
#include "model/system.h"

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
    Fixup();
    MoveCost = 1;
    BattleBack = 1;
    Training = 1;
    ElemRate.Fill(100);
}

int cLand::Load(HANDLE file) {
    cSerial::Load(file);
    Fixup();
    return 1;
}

int cLand::Save(HANDLE file) {
    Fixup();
    return cSerial::Save(file);
}

void cLand::Fixup() {
    if (MoveCost < 1) MoveCost = 1;
    if (static_cast<unsigned>(BattleBack) >= g_Database.Backs.size()) BattleBack = 1;
    FitElementRates(ElemRate, g_System.Elements.size());
}

void FitElementRates(VECTOR_CLASS<int>& rates, size_t count) {
    if (rates.size() != count) rates.resize(count, 100);
}
