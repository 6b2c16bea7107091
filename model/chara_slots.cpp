// Character rules: skill slots, acquisition, learning by level and the repair
// of references after the database changed.
#include <algorithm>
#include <cstddef>

#include "model/chara.h"
#include "model/class.h"

namespace {

const cSkill* FindSkill(const VECTOR_CLASS<cSkillList>& lists, int list, int skill) {
    if (Outside(list, lists.size())) return nullptr;
    const VECTOR_CLASS<cSkill>& skills = lists[static_cast<size_t>(list)].vSkill;
    if (Outside(skill, skills.size())) return nullptr;
    return &skills[static_cast<size_t>(skill)];
}

const cSkill* FindSkill(int list, int skill) { return FindSkill(g_SkillLists, list, skill); }

size_t SlotCount(int count) { return static_cast<size_t>(std::max(0, std::min<int>(count, SLOT_COUNT_MAX))); }

// An empty slot that takes every category: a new entry. Assigned whole, as
// the load of every character resets thousands of them.
void ResetEntry(cAcqSkill& entry) { entry = cAcqSkill(); }

void Place(cAcqSkill& entry, int list, int skill, const cSkill& s) {
    entry.SkillList = list;
    entry.Skill = skill;
    if (s.nResourceType != 0) entry.Uses = s.nUseLimit;
}

bool AcceptsCategory(const cSlot& slot, int category) {
    if (slot.bAllCateg) return true;
    return std::any_of(slot.vAcqCond.begin(), slot.vAcqCond.end(),
                       [&](const cAcqCond& cond) { return cond.nCateg == category; });
}

template <class T>
void FitRows(VECTOR_CLASS<T>* tables, int size) {
    for (int k = 0; k < STAT_COUNT; ++k) tables[k].resize(static_cast<size_t>(size), 0);
}

}  // namespace

int cChara::Sense(int list, int category) const {
    if (list < 0 || category < 0) return 0;
    return TableCell(Senses, static_cast<size_t>(list), static_cast<size_t>(category));
}

int cChara::HoldsSkill(int list, int skill) const {
    auto holds = [&](const RecordTable<cAcqSkill>& table) {
        if (Outside(list, table.size())) return false;
        const VECTOR_CLASS<cAcqSkill>& row = table[static_cast<size_t>(list)];
        return std::any_of(row.begin(), row.end(), [&](const cAcqSkill& e) { return e.Skill == skill; });
    };
    return holds(AcqSkills) || holds(ReserveSkills);
}

// ---- Slot layout -----------------------------------------------------------------

void cChara::BuildSkillSlots(int reset) { BuildSkillSlots(reset, g_SkillLists, ClassRecord()); }

void cChara::BuildSkillSlots(int reset, const VECTOR_CLASS<cSkillList>& skillLists, const cClass* c) {
    if (reset) AcqSkills.clear();
    const size_t lists = skillLists.size();
    AcqSkills.resize(lists);
    ReserveSkills.resize(lists);
    for (size_t i = 0; i < lists; ++i) {
        const cSkillList& list = skillLists[i];
        VECTOR_CLASS<cAcqSkill>& row = AcqSkills[i];
        switch (list.nSlotType) {
        case 0: {  // the slots of the list, or the class's own ones
            const VECTOR_CLASS<cSlot>* defs = &list.vSlot;
            if (c && i < c->OrgSlots.size() && c->OrgSlots[i].OwnSlots) {
                defs = &c->OrgSlots[i].Slots;
                if (defs->empty()) break;
            }
            row.resize(defs->size());
            if (reset)
                for (cAcqSkill& entry : row) ResetEntry(entry);
            for (size_t j = 0; j < defs->size(); ++j) {
                const cSlot& def = (*defs)[j];
                cSlot& slot = row[j].Slot;
                slot.bAllCateg = def.bAllCateg;
                slot.vAcqCond.Assign(def.vAcqCond);
                slot.bShowAllSymbols = def.bShowAllSymbols;
                slot.nSymbol = def.nSymbol;
            }
            break;
        }
        case 1:  // a number of open slots
            row.resize(SlotCount(list.nSpare1));
            if (reset)
                for (cAcqSkill& entry : row) ResetEntry(entry);
            for (cAcqSkill& entry : row) entry.Slot = cSlot();  // open: every category
            break;
        case 2:  // no slots: one open entry
            row.resize(1);
            ResetEntry(row[0]);
            break;
        default: break;
        }
        if (Side == CHARA_ALLY && list.bReserve) {
            ReserveSkills[i].assign(SlotCount(list.nReserveNum), cAcqSkill());
        }
    }
}

// ---- Acquisition -------------------------------------------------------------------

int cChara::SenseAllows(int list, int skill, int checkSense) const {
    if (skill == 0) return 0;
    const cSkill* s = FindSkill(list, skill);
    if (!s) return 0;
    if (checkSense && Sense(list, s->nCateg) < s->nNeedSense) return 0;
    if (s->nClass != 0) return Class == s->nClass;
    return 1;
}

int cChara::CanFillSlot(int list, const cSlot& slot, int skill, int checkSense, int checkDuplicate) const {
    if (skill == 0) return 1;
    if (!SenseAllows(list, skill, checkSense)) return 0;
    if (checkDuplicate && HoldsSkill(list, skill)) return 0;
    return AcceptsCategory(slot, FindSkill(list, skill)->nCateg);
}

int cChara::CanFillReserve(int list, const cSlot& slot, int category, int requiredSense) const {
    if (Sense(list, category) < requiredSense) return 0;
    return AcceptsCategory(slot, category);
}

int cChara::AcquireSkill(int list, int skill, int checkDuplicate) {
    if (skill == 0) return 0;
    const cSkill* s = FindSkill(list, skill);
    if (!s) return 0;
    if (checkDuplicate && HoldsSkill(list, skill)) return 0;
    const size_t row = static_cast<size_t>(list);
    if (row < AcqSkills.size()) {
        for (cAcqSkill& entry : AcqSkills[row]) {
            if (entry.Skill != 0 || !CanFillSlot(list, entry.Slot, skill, 1, checkDuplicate)) continue;
            Place(entry, list, skill, *s);
            RecalcStats();
            return 1;
        }
    }
    if (Side != CHARA_ALLY) return 0;
    if (row < ReserveSkills.size()) {
        for (cAcqSkill& entry : ReserveSkills[row]) {
            if (entry.Skill != 0 || !CanFillReserve(list, entry.Slot, s->nCateg, s->nNeedSense)) continue;
            Place(entry, list, skill, *s);
            return 1;
        }
    }
    return 0;
}

void cChara::LearnByLevel(int level) {
    for (size_t i = 0; i < LearntSkills.size();) {
        const cLearnSkill entry = LearntSkills[i];
        if (entry.Skill != 0 && entry.Level > level) {
            ++i;
            continue;
        }
        LearntSkills.erase(LearntSkills.begin() + static_cast<std::ptrdiff_t>(i));
        if (entry.Skill == 0) continue;
        const bool several = !Outside(entry.SkillList, g_SkillLists.size()) &&
                             g_SkillLists[static_cast<size_t>(entry.SkillList)].bMultiLearn;
        AcquireSkill(entry.SkillList, entry.Skill, several ? 0 : 1);
    }
}

// ---- Repair -----------------------------------------------------------------------------

void cChara::Fixup(const cFixupInputs& in) {
    const size_t classes = in.ClassCount();
    if (classes == 0) return;
    if (Outside(Class, classes)) Class = 1;
    // A database of one class has no class 1: no class then.
    if (Outside(Class, classes)) Class = 0;
    if (Outside(RewardPtVal, in.PtVals)) RewardPtVal = 1;
    if (Outside(CompatiType, in.CompatiTypes)) CompatiType = 0;

    const cClass* c = in.Class(Class);
    MaxLevel = std::max(1, std::min<int>(c ? c->MaxLevel : MaxLevel, LEVEL_LIMIT_MAX));
    if (Level > MaxLevel) Level = MaxLevel;
    FitRows(FixedGrowth, MaxLevel);
    FitRows(RandomGrowthTable, MaxLevel);
    FitSenseTable(Senses, in);
    FitSenseTable(ClassSenses, in);
    FitSenseTable(SenseBonus, in);
    static const VECTOR_CLASS<cSkillList> kNoLists;
    const VECTOR_CLASS<cSkillList>& lists = in.SkillLists ? *in.SkillLists : kNoLists;
    BuildSkillSlots(0, lists, c);

    for (size_t i = 0; i < lists.size(); ++i) {
        const size_t skills = lists[i].vSkill.size();
        for (cAcqSkill& entry : AcqSkills[i])
            if (Outside(entry.Skill, skills)) entry.Skill = 0;
        VECTOR_CLASS<cAcqSkill>& reserve = ReserveSkills[i];
        reserve.erase(std::remove_if(reserve.begin(), reserve.end(),
                                     [&](const cAcqSkill& e) { return Outside(e.Skill, skills); }),
                      reserve.end());
    }
    LearntSkills.erase(std::remove_if(LearntSkills.begin(), LearntSkills.end(),
                                      [&](const cLearnSkill& e) { return !FindSkill(lists, e.SkillList, e.Skill); }),
                       LearntSkills.end());
    for (int r = 0; r < 3; ++r) {
        int& list = SkillRef[2 * r];
        int& slot = SkillRef[2 * r + 1];
        if (Outside(list, AcqSkills.size())) list = 0;
        if (AcqSkills.empty() || Outside(slot, AcqSkills[static_cast<size_t>(list)].size())) slot = 0;
    }
}
