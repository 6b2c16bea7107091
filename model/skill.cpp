// The skill record.
#include "model/skill.h"

int cSkill::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cSkill);
    SERIAL(nSpare1);
    SERIAL(nNo);
    if (version >= 109) SERIAL(bNotInUse);
    SERIAL(nPrice);
    SERIAL(nStockMax);
    SERIAL(nResourceType);
    SERIAL(nSp);
    SERIAL(nUseLimit);
    SERIAL(bUnlimited);
    SERIAL(bVanishFromStock);
    SERIAL(nCateg);
    SERIAL(nNeedSense);
    SERIAL(nClass);
    if (version >= 30) SERIAL(bNoForget);
    SERIAL(nKind);
    SERIAL(bMapSkill);
    SERIAL(bMapStock);
    SERIAL(bBattleSkill);
    SERIAL(bBattleQuick);
    SERIAL(bBattleStock);
    SERIAL(nTarget);
    if (version >= 261) SERIAL(nWeaponSkill);
    if (version >= 99) SERIAL(nCompatiType);
    if (version >= 99) SERIAL(bSameCompatiType);
    SERIAL(nElem);
    if (version >= 18) SERIAL(nElemValue);
    if (version >= 18) SERIAL(bSameElem);
    SERIAL(nHit);
    if (version >= 17) SERIAL(bSameHit);
    SERIAL(nEffect);
    if (version >= 79) SERIAL(nDamageRate);
    SERIAL(nCritical);
    SERIAL(bAddCritical);
    SERIAL(bNoStatEffect);
    SERIAL(nSubA);
    SERIAL(bSubAPercent);
    if (version >= 80) SERIAL(nSubB);
    if (version >= 80) SERIAL(bSubBPercent);
    SERIAL(nSpecial);
    SERIAL(nSpecialValue);
    if (version >= 102) SERIAL(bSortNo);
    if (version >= 102) SERIAL(dSortNo);
    if (version >= 17) SERIAL(bSameEffect);
    SERIAL(nEffectGraphic);
    if (version >= 14) SERIAL(nCharaAnim);
    if (version >= 14) SERIAL(nEffectAnim);
    if (version >= 36) SERIAL(nZoom);
    SERIAL(byAlpha);
    if (version >= 38) SERIAL(sHue);
    if (version >= 38) SERIAL(sSaturation);
    if (version >= 38) SERIAL(sValue);
    if (version < 39) {  // two ints that only files before 39 hold
        int dropped = 0;
        SerialInt(op, &dropped, nullptr, file);
        SerialInt(op, &dropped, nullptr, file);
    }
    SERIAL(nLearnRate);
    SERIAL(nLearnRateSenseOld);
    if (version >= 122) SERIAL(dLearnRateSense);
    SERIAL(nLearnLvMin);
    SERIAL(nLearnLvMax);
    SERIAL(nSpare2);
    SERIAL(dLearnLvSense);
    if (version >= 103) SERIAL(nRankMin);
    if (version >= 103) SERIAL(nRankMax);
    if (version >= 103) SERIAL(nRarity);
    SERIAL(strName);
    SERIAL(strHelp);
    if (version < 5) {  // a string stood where the sound effect is now
        std::string dropped;
        SerialString(op, &dropped, nullptr, file);
    } else {
        SERIAL(nSound);
    }
    SERIAL(strSpare);
    return 1;
}

int cSkill::Load(HANDLE file) {
    cSerial::Load(file);
    const uint32_t version = g_nFileVersion;
    if (version < 36) nZoom = 200;  // scale not stored yet
    if (version < 79) nDamageRate = 100;
    if (version < 122) dLearnRateSense = nLearnRateSenseOld;  // the bonus became a double
    if (version < 261) {                                      // the weapon kinds were split: old 8 is armour now
        if (nKind == SKILL_MAGIC_WEAPON) nKind = SKILL_ARMOUR;
        nWeaponSkill = 0;
    }
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return 1;
}

int cSkill::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return cSerial::Save(file);
}

// Clearing and then fixing up a cleared skill changes nothing, so the
// defaults are those of a newly built skill.
void cSkill::SetDefault() { *this = cSkill(); }

void cSkill::Fixup(const cFixupInputs& in) {
    if (Outside(nCompatiType, in.CompatiTypes)) nCompatiType = 0;
    if (Outside(nElem, in.Elements)) nElem = 0;
}

void cSkill::FixupClass(const cFixupInputs& in) {
    if (Outside(nClass, in.ClassCount())) nClass = 0;
}

int cSkill::IsEquippable() const {
    if (nNo == 0) return 0;
    if (nKind == SKILL_PHYSICAL_WEAPON || nKind == SKILL_MAGIC_WEAPON || nKind == SKILL_ARMOUR) return 0;
    return bBattleSkill != 0;
}
