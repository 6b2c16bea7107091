// Forms of the actions that change a value: the event variable, a common
// variable, a status or variable with the status action, and the money.
#include "events/action_forms_kinds.h"
#include "events/event_words.h"

namespace {

const EACT_CTRL kCreaseEventValCtrls[] = {
    EactEdit(IDC_VAR_OPERAND, 1, -999999, 999999, IDC_VAR_OPERAND_SPIN),
    EactCombo(IDC_VAR_OPERATOR, 0, g_WordOperator),
};

const EACT_CTRL kCreaseGValCtrls[] = {
    EactEdit(IDC_VAR_OPERAND, 2, -999999, 999999, IDC_VAR_OPERAND_SPIN),
    EactRows(IDC_VAR_GVAL, 0, EACT_ROWS_GVALS, 1, 1),
    EactCombo(IDC_VAR_OPERATOR, 1, g_WordOperator),
    EactRenameButton(IDC_EACT_RENAME_GVAL, IDC_VAR_GVAL),
};

// [target] "を" [operator] [value]: the target a status of the character or
// a variable, the value a constant, a random range, a status or a variable.
const EACT_CTRL kStatusCtrls[] = {
    EactEdit(IDC_ST_CONST, 7, -999999, 999999, IDC_ST_CONST_SPIN),
    EactEdit(IDC_ST_RANDOM_LOW, 8, -999999, 999999, IDC_ST_RANDOM_LOW_SPIN),
    EactEdit(IDC_ST_RANDOM_HIGH, 9, -999999, 999999, IDC_ST_RANDOM_HIGH_SPIN),
    EactCombo(IDC_ST_TARGET, 0, g_WordStatusTarget),
    EactCombo(IDC_ST_TARGET_OWNER, 3, g_WordStatusSubject),
    EactRows(IDC_ST_TARGET_STATUS, 4, EACT_ROWS_STATUS, 0),
    EactCombo(IDC_ST_TARGET_VARKIND, 1, g_WordVarKind),
    EactRows(IDC_ST_TARGET_GVAL, 2, EACT_ROWS_GVALS, 1, 1),
    EactCombo(IDC_ST_OPERATOR, 5, g_WordOperator),
    EactCombo(IDC_ST_VALUE, 6, g_WordStatusOperand),
    EactCombo(IDC_ST_VALUE_OWNER, 12, g_WordStatusSubject),
    EactRows(IDC_ST_VALUE_STATUS, 13, EACT_ROWS_STATUS, 0),
    EactCombo(IDC_ST_VALUE_VARKIND, 10, g_WordVarKind),
    EactRows(IDC_ST_VALUE_GVAL, 11, EACT_ROWS_GVALS, 1, 1),
    EactCheck(IDC_ST_PERCENT, 14),
    EactRenameButton(IDC_ST_TARGET_RENAME, IDC_ST_TARGET_GVAL),
    EactRenameButton(IDC_ST_VALUE_RENAME, IDC_ST_VALUE_GVAL),
    EactLabel(IDC_ST_START_NOTE),
};

// A kind combo that shows no row leaves the controls it rules as they are;
// a rename button is usable only while its combo stands for a common variable.
const EACT_RULE kStatusRules[] = {
    {{IDC_ST_TARGET_OWNER, IDC_ST_TARGET_STATUS}, {{IDC_ST_TARGET, 0, 0}}, IDC_ST_TARGET},
    {{IDC_ST_TARGET_VARKIND}, {{IDC_ST_TARGET, 1, 1}}, IDC_ST_TARGET},
    {{IDC_ST_TARGET_GVAL}, {{IDC_ST_TARGET, 1, 1}, {IDC_ST_TARGET_VARKIND, 0, 0}}, IDC_ST_TARGET_VARKIND},
    {{IDC_ST_TARGET_RENAME}, {{IDC_ST_TARGET, 1, 1}, {IDC_ST_TARGET_VARKIND, 0, 0}}, 0},
    {{IDC_ST_CONST}, {{IDC_ST_VALUE, 0, 0}}, IDC_ST_VALUE},
    {{IDC_ST_RANDOM_LOW, IDC_ST_RANDOM_HIGH}, {{IDC_ST_VALUE, 1, 1}}, IDC_ST_VALUE},
    {{IDC_ST_VALUE_OWNER, IDC_ST_VALUE_STATUS}, {{IDC_ST_VALUE, 2, 2}}, IDC_ST_VALUE},
    {{IDC_ST_VALUE_VARKIND}, {{IDC_ST_VALUE, 3, 3}}, IDC_ST_VALUE},
    {{IDC_ST_VALUE_GVAL}, {{IDC_ST_VALUE, 3, 3}, {IDC_ST_VALUE_VARKIND, 0, 0}}, IDC_ST_VALUE_VARKIND},
    {{IDC_ST_VALUE_RENAME}, {{IDC_ST_VALUE, 3, 3}, {IDC_ST_VALUE_VARKIND, 0, 0}}, 0},
};

const EACT_CTRL kCreaseSaltCtrls[] = {EactEdit(IDC_MONEY, 0, -999999, 999999, IDC_MONEY_SPIN)};

}  // namespace

const EACT_FORM g_EactFormCreaseEventVal =
    EactKindForm(EACT_CREASEEVENTVAL, IDD_EACT_CREASEEVENTVAL, "イベント変数の操作", kCreaseEventValCtrls);
const EACT_FORM g_EactFormCreaseGVal =
    EactKindForm(EACT_CREASEGVAL, IDD_EACT_CREASEGVAL, "コモン変数の操作", kCreaseGValCtrls);
const EACT_FORM g_EactFormStatus =
    EactKindForm(EACT_STATUS, IDD_EACT_STATUS, "ステータスの操作", kStatusCtrls, kStatusRules);
const EACT_FORM g_EactFormCreaseSalt =
    EactKindForm(EACT_CREASESALT, IDD_EACT_CREASESALT, "所持金の操作", kCreaseSaltCtrls);

const char* StatusStartEventRefusal(const EACT_READ& read) {
    auto shows = [&read](unsigned short id, int value) {
        int shown = 0;
        return read(id, &shown) && shown == value;
    };
    // There is no character before the stage, nor an event with a variable.
    if ((shows(IDC_ST_TARGET, 0) && shows(IDC_ST_TARGET_OWNER, 0)) ||
        (shows(IDC_ST_VALUE, 2) && shows(IDC_ST_VALUE_OWNER, 0)))
        return "初期イベントではキャラのステータスは利用できません！";
    if ((shows(IDC_ST_TARGET, 1) && shows(IDC_ST_TARGET_VARKIND, 1)) ||
        (shows(IDC_ST_VALUE, 3) && shows(IDC_ST_VALUE_VARKIND, 1)))
        return "初期イベントではイベント変数は利用できません！";
    return nullptr;
}
