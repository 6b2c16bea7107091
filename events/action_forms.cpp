#include "events/action_forms.h"

#include "events/action_forms_kinds.h"

namespace {

// Kinds without a dialog: 0 and 26 without a button either.
const EACT_FORM kNone = {EACT_NONE, 0, 0, "", nullptr, 0, nullptr, 0};
const EACT_FORM kStageClear = {EACT_STAGECLEAR, 1290, 0, "", nullptr, 0, nullptr, 0};
const EACT_FORM kGameOver = {EACT_GAMEOVER, 1291, 0, "", nullptr, 0, nullptr, 0};
const EACT_FORM kTurnBack = {EACT_TURNBACK, 0, 0, "", nullptr, 0, nullptr, 0};

const EACT_FORM* const kForms[EACT_KIND_COUNT] = {
    &kNone,
    &g_EactFormMessage,
    &g_EactFormPicture,
    &g_EactFormWait,
    &g_EactFormSetMapCursor,
    &g_EactFormWarp,
    &g_EactFormCreaseEnemyGroup,
    &g_EactFormCopyEnemy,
    &g_EactFormPutFriend,
    &g_EactFormChangeStartPos,
    &g_EactFormCreaseEventVal,
    &g_EactFormCreaseGVal,
    &g_EactFormChangeMapChip,
    &g_EactFormChangeEventPic,
    &g_EactFormPlaySound,
    &g_EactFormChangeBgm,
    &g_EactFormStatus,
    &g_EactFormCreaseSalt,
    &g_EactFormAcquireSkill,
    &g_EactFormCreaseStock,
    &g_EactFormAddShopSkill,
    &g_EactFormGetRandomSkill,
    &g_EactFormChangeFriendShop,
    &g_EactFormChangeParty,
    &kStageClear,
    &kGameOver,
    &kTurnBack,
};

}  // namespace

const EACT_FORM& EactForm(int kind) { return *kForms[IsEventActKind(kind) ? kind : EACT_NONE]; }

const EACT_CTRL* FindEactCtrl(const EACT_FORM& form, unsigned short id) {
    for (int i = 0; i < form.ctrlCount; ++i)
        if (form.ctrls[i].id == id) return &form.ctrls[i];
    return nullptr;
}

void SizeActionParams(cEventAct& act) {
    const cEventActKind& shape = EventActKind(act.Kind);
    act.Ints.resize(static_cast<size_t>(shape.nIntNum), 0);
    act.Strs.resize(static_cast<size_t>(shape.nStrNum));
}

void ApplyNewValues(const EACT_FORM& form, cEventAct& act) {
    for (int i = 0; i < form.ctrlCount; ++i) {
        const EACT_CTRL& c = form.ctrls[i];
        if (c.bind == EACT_BIND_INT && c.newValue && c.index < static_cast<int>(act.Ints.size()))
            act.Ints[c.index] = c.newValue;
    }
}

namespace {

bool CondHolds(const EACT_COND& cond, const EACT_READ& read) {
    int value = 0;
    return read(cond.id, &value) && value >= cond.low && value <= cond.high;
}

}  // namespace

bool EactRulesHold(const EACT_FORM& form, unsigned short id, const EACT_READ& read) {
    for (int r = 0; r < form.ruleCount; ++r) {
        const EACT_RULE& rule = form.rules[r];
        bool rules = false;
        for (unsigned short target : rule.targets) {
            if (!target) break;
            rules = rules || target == id;
        }
        if (!rules) continue;
        for (const EACT_COND& cond : rule.when) {
            if (!cond.id) break;
            if (!CondHolds(cond, read)) return false;
        }
    }
    return true;
}

void ApplyEnableRules(const EACT_RULE* rules, int count, const EACT_READ& read, const EACT_ENABLE& enable) {
    for (int r = 0; r < count; ++r) {
        const EACT_RULE& rule = rules[r];
        bool on = true, othersHold = true, keepRowless = false;
        for (const EACT_COND& cond : rule.when) {
            if (!cond.id) break;
            int value = 0;
            const bool shown = read(cond.id, &value) != 0;
            const bool holds = shown && value >= cond.low && value <= cond.high;
            on = on && holds;
            if (!shown && cond.id == rule.keepWithoutRow)
                keepRowless = true;
            else
                othersHold = othersHold && holds;
        }
        if (keepRowless && othersHold) continue;
        for (unsigned short id : rule.targets) {
            if (!id) break;
            enable(id, on ? 1 : 0);
        }
    }
}
