// Forms of the actions on skills: learning one, its stock, the shop's goods
// and skills drawn at random. A skill is a list and a skill of that list; the
// skill combo follows the list combo.
#include "events/action_forms_kinds.h"
#include "events/event_words.h"

namespace {

const EACT_CTRL kAcquireSkillCtrls[] = {
    EactRows(IDC_SKILL_LIST, 0, EACT_ROWS_SKILL_LISTS, 0),
    EactSkillRows(IDC_SKILL, 1, IDC_SKILL_LIST, 1),
};

const EACT_CTRL kCreaseStockCtrls[] = {
    EactEdit(IDC_VAR_OPERAND, 2, -99, 99, IDC_VAR_OPERAND_SPIN, 1),
    EactRows(IDC_SKILL_LIST, 0, EACT_ROWS_SKILL_LISTS, 0),
    EactSkillRows(IDC_SKILL, 1, IDC_SKILL_LIST, 1),
};

const EACT_CTRL kAddShopSkillCtrls[] = {
    EactEdit(IDC_SHOP_STOCK, 3, 1, 99, IDC_SHOP_STOCK_SPIN, 1),
    EactRows(IDC_SKILL_LIST, 0, EACT_ROWS_SKILL_LISTS, 0),
    EactSkillRows(IDC_SKILL, 1, IDC_SKILL_LIST, 1),
    EactCheck(IDC_SHOP_UNLIMITED, 2, 1),
};

const EACT_RULE kAddShopSkillRules[] = {{{IDC_SHOP_STOCK}, {{IDC_SHOP_UNLIMITED, 0, 0}}, 0}};

// The two ranks are stored as typed, in either order.
const EACT_CTRL kGetRandomSkillCtrls[] = {
    EactEdit(IDC_RANDOM_LOW, 1, 0, 999, IDC_RANDOM_LOW_SPIN),
    EactEdit(IDC_RANDOM_HIGH, 2, 0, 999, IDC_RANDOM_HIGH_SPIN),
    EactEdit(IDC_RANDOM_COUNT, 4, 1, 999, IDC_RANDOM_COUNT_SPIN, 1),
    EactRows(IDC_SKILL_LIST, 0, EACT_ROWS_SKILL_LISTS, 0),
    EactCombo(IDC_RANDOM_GAIN, 3, g_WordRandomSkill),
};

}  // namespace

const EACT_FORM g_EactFormAcquireSkill =
    EactKindForm(EACT_ACQUIRESKILL, IDD_EACT_ACQUIRESKILL, "スキルの習得", kAcquireSkillCtrls);
const EACT_FORM g_EactFormCreaseStock =
    EactKindForm(EACT_CREASESTOCK, IDD_EACT_CREASESTOCK, "ストックの操作", kCreaseStockCtrls);
const EACT_FORM g_EactFormAddShopSkill =
    EactKindForm(EACT_ADDSHOPSKILL, IDD_EACT_ADDSHOPSKILL, "商品の追加", kAddShopSkillCtrls, kAddShopSkillRules);
const EACT_FORM g_EactFormGetRandomSkill =
    EactKindForm(EACT_GETRANDOMSKILL, IDD_EACT_GETRANDOMSKILL, "スキルをランダムに獲得", kGetRandomSkillCtrls);
