// Forms of the actions on enemies and allies: enemy group, enemy copy, ally
// placement, the ally shop and the party.
#include "events/action_forms_kinds.h"
#include "events/event_words.h"

namespace {

const EACT_CTRL kCreaseEnemyGroupCtrls[] = {
    EactEdit(IDC_ENEMY_GROUP, 0, 1, 100, IDC_ENEMY_GROUP_SPIN, 1),
    EactCheck(IDC_ENEMY_SKIP_OCCUPIED, 2),
    EactCombo(IDC_ENEMY_SWITCH, 1, g_WordOnOff, 1),
};

const EACT_CTRL kCopyEnemyCtrls[] = {
    EactEdit(IDC_COPY_GROUP, 0, 1, 100, IDC_COPY_GROUP_SPIN, 1),
    EactCheck(IDC_COPY_FAIL, 1, 1),
    EactCheck(IDC_COPY_STATE, 2),
};

const EACT_CTRL kPutFriendCtrls[] = {
    EactEdit(IDC_PLACE_X, 3, 0, 64, IDC_PLACE_X_SPIN),
    EactEdit(IDC_PLACE_Y, 4, 0, 64, IDC_PLACE_Y_SPIN),
    EactCheck(IDC_PUT_FROM_PARTY, 1, 1),
    EactCheck(IDC_PUT_HERE, 2, 1),
    EactCheck(IDC_PUT_JOIN, 5),
    EactRows(IDC_PUT_FRIEND, 0, EACT_ROWS_FRIENDS, 1, 1),
};

const EACT_RULE kPutFriendRules[] = {
    {{IDC_PUT_JOIN}, {{IDC_PUT_FROM_PARTY, 0, 0}}, 0},
    {{IDC_PLACE_X, IDC_PLACE_Y}, {{IDC_PUT_HERE, 0, 0}}, 0},
};

// The ally shop and the party differ only in the change a new action starts with.
const EACT_CTRL kChangeFriendShopCtrls[] = {
    EactEdit(IDC_VAR_OPERAND, 1, -99, 99, IDC_VAR_OPERAND_SPIN),
    EactRows(IDC_FRIEND, 0, EACT_ROWS_FRIENDS, 1, 1),
};

const EACT_CTRL kChangePartyCtrls[] = {
    EactEdit(IDC_VAR_OPERAND, 1, -99, 99, IDC_VAR_OPERAND_SPIN, 1),
    EactRows(IDC_FRIEND, 0, EACT_ROWS_FRIENDS, 1, 1),
};

}  // namespace

const EACT_FORM g_EactFormCreaseEnemyGroup =
    EactKindForm(EACT_CREASEENEMYGROUP, IDD_EACT_CREASEENEMYGROUP, "敵グループの操作", kCreaseEnemyGroupCtrls);
const EACT_FORM g_EactFormCopyEnemy = EactKindForm(EACT_COPYENEMY, IDD_EACT_COPYENEMY, "敵のコピー", kCopyEnemyCtrls);
const EACT_FORM g_EactFormPutFriend =
    EactKindForm(EACT_PUTFRIEND, IDD_EACT_PUTFRIEND, "味方の配置", kPutFriendCtrls, kPutFriendRules);
const EACT_FORM g_EactFormChangeFriendShop =
    EactKindForm(EACT_CHANGEFRIENDSHOP, IDD_EACT_CHANGEFRIENDSHOP, "仲間屋の変更", kChangeFriendShopCtrls);
const EACT_FORM g_EactFormChangeParty =
    EactKindForm(EACT_CHANGEPARTY, IDD_EACT_CHANGEPARTY, "パーティーの変更", kChangePartyCtrls);
