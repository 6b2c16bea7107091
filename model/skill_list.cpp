// Skill lists, their parts, and the skill-list file.
#include <algorithm>

#include "model/skill.h"

namespace {

void SetMenu(VECTOR_CLASS<cCmd>& menu, std::initializer_list<const char*> labels) {
    menu.clear();
    for (const char* label : labels) menu.emplace_back(label);
}

}  // namespace

int cCmd::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cCmd);
    SERIAL(Label);
    SERIAL(Enabled);
    return 1;
}

int cCateg::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cCateg);
    SERIAL(nSymbol);
    SERIAL(strName);
    if (version >= 70) SERIAL(dRate);
    return 1;
}

int cCateg::Load(HANDLE file) {
    cSerial::Load(file);
    if (g_nFileVersion < 122) dRate = 1.0;  // rates before 122 were not used
    return 1;
}

int cAcqCond::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cAcqCond);
    SERIAL(nCateg);
    return 1;
}

int cSlot::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cSlot);
    SERIAL(bAllCateg);
    SERIAL(bShowAllSymbols);
    SERIAL(nSymbol);
    SERIAL(vAcqCond);
    return 1;
}

void cSlot::SetDefault() {
    Clear();
    bAllCateg = 1;
    bShowAllSymbols = 1;
}

cOrgSlotList::cOrgSlotList() { SetDefault(); }

int cOrgSlotList::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cOrgSlotList);
    SERIAL(OwnSlots);
    SERIAL(Slots);
    return 1;
}

void cOrgSlotList::SetDefault() {
    Clear();
    Slots.resize(1);
}

int cAcqSkill::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cAcqSkill);
    SERIAL(SkillList);
    SERIAL(Skill);
    SERIAL(Uses);
    SERIAL(Equipped);
    SERIAL(Slot);
    return 1;
}

// A character's rows hold thousands of slots, and a large project millions:
// one bounds check and one copy for each instead of one for every field.
int cAcqSkill::ReadStored(HANDLE file) {
    int v[8];
    if (!serial_detail::ReadInto(file, v, sizeof(v))) return 0;
    SkillList = v[0];
    Skill = v[1];
    Uses = v[2];
    Equipped = v[3];
    Slot.bAllCateg = v[4];
    Slot.bShowAllSymbols = v[5];
    Slot.nSymbol = v[6];
    const uint32_t conds = static_cast<uint32_t>(v[7]);
    Slot.vAcqCond.clear();
    if (conds == 0) return 1;
    if (conds > FileBytesLeft(file) / 4) {
        FileSetFailed(file);
        return 0;
    }
    Slot.vAcqCond.resize(conds);
    for (cAcqCond& cond : Slot.vAcqCond)
        if (!serial_detail::ReadInto(file, &cond.nCateg, 4)) return 0;
    return 1;
}

void cAcqSkill::WriteStored(HANDLE file) const {
    const int conds = static_cast<int>(Slot.vAcqCond.size());
    const int v[8] = {SkillList, Skill, Uses, Equipped, Slot.bAllCateg, Slot.bShowAllSymbols, Slot.nSymbol, conds};
    serial_detail::Put(file, v, sizeof(v));
    for (const cAcqCond& cond : Slot.vAcqCond) serial_detail::Put(file, &cond.nCateg, 4);
}

int cLearnSkill::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cLearnSkill);
    SERIAL(SkillList);
    SERIAL(Skill);
    SERIAL(Level);
    return 1;
}

int cLearnSkill::ReadStored(HANDLE file) {
    int v[3];
    if (!serial_detail::ReadInto(file, v, sizeof(v))) return 0;
    SkillList = v[0];
    Skill = v[1];
    Level = v[2];
    return 1;
}

void cLearnSkill::WriteStored(HANDLE file) const {
    const int v[3] = {SkillList, Skill, Level};
    serial_detail::Put(file, v, sizeof(v));
}

void cLearnSkill::SetDefault() {
    Clear();
    Skill = 1;
}

cShopSkill::cShopSkill() {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
}

int cShopSkill::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cShopSkill);
    if (version >= 55) SERIAL(SkillList);
    SERIAL(Skill);
    if (version >= 55) SERIAL(Extra1);
    if (version >= 55) SERIAL(Extra2);
    return 1;
}

void cShopSkill::Fixup(const cFixupInputs& in) {
    if (Outside(SkillList, in.SkillListCount())) {
        SkillList = 0;
        Skill = 1;
    }
    if (Outside(Skill, in.SkillCount(SkillList))) Skill = 1;
}

cSkillList::cSkillList() {
    vCateg.resize(1);
    vSkill.resize(2);
    vSlot.resize(1);
    vScene.assign(SCENE_COUNT, 1);
    SetMenu(vCmd, {"覚える", "リザーブ", "装備", "復元", "売る", "忘れる", "戻る"});
    SetMenu(vLearnMenu, {"習得する", "やっぱりやめる"});
    SetMenu(vSellMenu, {"売る", "やっぱりやめる"});
    SetMenu(vForgetMenu, {"忘れる", "やっぱりやめる"});
}

void cSkillList::SetDefault() { *this = cSkillList(); }

int cSkillList::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cSkillList);
    SERIAL(nNo);
    SERIAL(strName);
    SERIAL(nSlotType);
    SERIAL(nSpare1);
    SERIAL(bReserve);
    SERIAL(nReserveNum);
    SERIAL(bShowSp);
    SERIAL(bShowCategSense);
    SERIAL(bShowSense);
    SERIAL(strSense);
    if (version >= 70) SERIAL(nSpare2);
    if (version >= 7) SERIAL(bMultiLearn);
    if (version >= 6) SERIAL(bRestoreUse);
    if (version >= 82) SERIAL(bStockCondSame);
    SERIAL(nTradeVal);
    if (version >= 19) SERIAL(bForgetOnDeath);
    if (version >= 19) SERIAL(bForgetOnRelease);
    if (version >= 41) SERIAL(bTestLearnAll);
    if (version >= 41) SERIAL(bTestGetAll);
    SERIAL(bForgetToStock);
    SERIAL(bConfirmLearn);
    SERIAL(bConfirmForget);
    SERIAL(vSlot);
    SERIAL(vCateg);
    SERIAL(vScene);
    SERIAL(vCmd);
    SERIAL(vLearnMenu);
    if (version >= 56) SERIAL(vSellMenu);
    SERIAL(vForgetMenu);
    SERIAL(vSkill);
    return 1;
}

int cSkillList::Load(HANDLE file) {
    cSerial::Load(file);
    const uint32_t version = g_nFileVersion;
    if (version < 41) {  // the F8 test-play keys were always on
        bTestLearnAll = 1;
        bTestGetAll = 1;
    }
    if (version < 56) vCmd.EraseAt(4);  // selling left the skill menu for its own confirmation
    if (version < 77) {                 // scene 2 (the shop) was inserted
        vScene.resize(SCENE_COUNT, 0);
        for (int k = SCENE_COUNT - 1; k >= 3; --k) vScene[k] = vScene[k - 1];
        vScene[2] = 1;
    }
    Fixup();
    return 1;
}

int cSkillList::Save(HANDLE file) {
    Fixup();
    return cSerial::Save(file);
}

void cSkillList::Fixup() {
    const size_t categories = vCateg.size();
    for (cSkill& skill : vSkill)
        if (Outside(skill.nCateg, categories)) skill.nCateg = 0;
    for (cSlot& slot : vSlot) {
        auto& conds = slot.vAcqCond;
        conds.erase(std::remove_if(conds.begin(), conds.end(),
                                   [categories](const cAcqCond& c) { return Outside(c.nCateg, categories); }),
                    conds.end());
    }
}

int SkillListCount() { return static_cast<int>(g_SkillLists.size()); }

int SkillCount(int list) {
    if (Outside(list, g_SkillLists.size())) return 0;
    return static_cast<int>(g_SkillLists[list].vSkill.size());
}

void RenumberSkillLists(VECTOR_CLASS<cSkillList>& lists) {
    for (size_t i = 0; i < lists.size(); ++i) {
        lists[i].nNo = static_cast<int>(i);
        for (size_t j = 0; j < lists[i].vSkill.size(); ++j) lists[i].vSkill[j].nNo = static_cast<int>(j);
    }
}

int LoadSkillFile(VECTOR_CLASS<cSkillList>& lists, const std::string& path) {
    if (!LoadRecordList(lists, path)) return 0;
    RenumberSkillLists(lists);
    return 1;
}

int SaveSkillFile(VECTOR_CLASS<cSkillList>& lists, const std::string& path) { return SaveRecordList(lists, path); }
