// What each action kind's dialog is, as data: its dialog resource and
// caption, the chooser button that picks it, and its controls (ids, kinds,
// the int[i] or str[i] each binds, ranges, rows, new-action values) with the
// rules that enable them. The frame (DLG_EACT_BASE) builds a kind's dialog
// from this; a kind with behaviour of its own adds a small class on top.
// Window-free, so the rules are tested without windows.
#pragma once

#include <functional>
#include <string>

#include "base/containers.h"
#include "model/event.h"

enum {
    EACT_CTRL_EDIT = 0,  // numeric edit with its spin
    EACT_CTRL_TEXT,      // string edit
    EACT_CTRL_COMBO,
    EACT_CTRL_CHECK,
    EACT_CTRL_PICTURE,
    EACT_CTRL_BUTTON,
    EACT_CTRL_LABEL,
    EACT_CTRL_TYPES,
};

// What a control is bound to.
enum {
    EACT_BIND_NONE = 0,
    EACT_BIND_INT,    // int[index] of the action
    EACT_BIND_STR,    // str[index]
    EACT_BIND_LOCAL,  // a value of the dialog alone, never stored in the action
};

// Where a combo's rows come from.
enum {
    EACT_ROWS_WORDS = 0,    // the control's word table
    EACT_ROWS_PICTURES,     // pictures from 1, "001 name"
    EACT_ROWS_SOUNDS,       // sound effects from 1
    EACT_ROWS_BGMS,         // "なし", then BGMs from 1
    EACT_ROWS_GVALS,        // common variables from 1
    EACT_ROWS_GROUPS,       // the stage's position groups from 1, "01 name"
    EACT_ROWS_FRIENDS,      // allies from 1
    EACT_ROWS_LANDS,        // lands from 0, numbered from 001
    EACT_ROWS_SKILL_LISTS,  // skill lists from 0, numbered from 01
    EACT_ROWS_SYMBOLS,      // "0", "1", ... one per symbol of the symbol sheet
    EACT_ROWS_STATUS,       // the status items' names
    EACT_ROWS_SKILLS,       // skills from 1 of the list its partner combo chooses
};

struct EACT_CTRL {
    int type;
    unsigned short id;
    int bind;
    int index;     // parameter or local slot
    int newValue;  // int parameters: the value of a new action; locals: the start value
    // Numeric edits.
    int minimum, maximum;
    unsigned short spin;
    // Combos: rows and the value of row 0.
    const char* const* words;
    int rows;
    int offset;
    // String edits: limits in characters as the game counts them.
    int lineLen, lines;
    // Pictures: size in pixels.
    int width, height;
    // The control this one follows: a skill combo's skill-list combo, a
    // rename button's common-variable combo.
    unsigned short partner;
    // Pictures: the place in dialog units, -1 for the resource's.
    int x = -1, y = -1;
};

constexpr EACT_CTRL EactEdit(unsigned short id, int param, int minimum, int maximum, unsigned short spin,
                             int newValue = 0) {
    return {EACT_CTRL_EDIT, id, EACT_BIND_INT, param, newValue, minimum, maximum, spin, nullptr, 0, 0, 0, 0, 0, 0, 0};
}
constexpr EACT_CTRL EactCheck(unsigned short id, int param, int newValue = 0) {
    return {EACT_CTRL_CHECK, id, EACT_BIND_INT, param, newValue, 0, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0};
}
constexpr EACT_CTRL EactCombo(unsigned short id, int param, const char* const* words, int newValue = 0) {
    return {EACT_CTRL_COMBO, id, EACT_BIND_INT, param, newValue, 0, 0, 0, words, EACT_ROWS_WORDS, 0, 0, 0, 0, 0, 0};
}
constexpr EACT_CTRL EactRows(unsigned short id, int param, int rows, int offset, int newValue = 0) {
    return {EACT_CTRL_COMBO, id, EACT_BIND_INT, param, newValue, 0, 0, 0, nullptr, rows, offset, 0, 0, 0, 0, 0};
}
// The skills (from 1) of the list that combo `listCombo` chooses.
constexpr EACT_CTRL EactSkillRows(unsigned short id, int param, unsigned short listCombo, int newValue = 0) {
    return {EACT_CTRL_COMBO, id, EACT_BIND_INT, param, newValue, 0, 0, 0, nullptr, EACT_ROWS_SKILLS, 1, 0, 0, 0, 0,
            listCombo};
}
// A combo of the dialog alone: it starts at `start` every time.
constexpr EACT_CTRL EactLocalRows(unsigned short id, int slot, int rows, int offset, int start) {
    return {EACT_CTRL_COMBO, id, EACT_BIND_LOCAL, slot, start, 0, 0, 0, nullptr, rows, offset, 0, 0, 0, 0, 0};
}
constexpr EACT_CTRL EactText(unsigned short id, int param, int lineLen, int lines) {
    return {EACT_CTRL_TEXT, id, EACT_BIND_STR, param, 0, 0, 0, 0, nullptr, 0, 0, lineLen, lines, 0, 0, 0};
}
constexpr EACT_CTRL EactPicture(unsigned short id, int width, int height, int x = -1, int y = -1) {
    return {EACT_CTRL_PICTURE, id, EACT_BIND_NONE, 0, 0, 0, 0, 0, nullptr, 0, 0, 0, 0, width, height, 0, x, y};
}
constexpr EACT_CTRL EactButton(unsigned short id) {
    return {EACT_CTRL_BUTTON, id, EACT_BIND_NONE, 0, 0, 0, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0};
}
// The button "_" that renames the common variable combo `gvalCombo` shows.
constexpr EACT_CTRL EactRenameButton(unsigned short id, unsigned short gvalCombo) {
    return {EACT_CTRL_BUTTON, id, EACT_BIND_NONE, 0, 0, 0, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, gvalCombo};
}
// A static text that a kind shows or hides.
constexpr EACT_CTRL EactLabel(unsigned short id) {
    return {EACT_CTRL_LABEL, id, EACT_BIND_NONE, 0, 0, 0, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0};
}

// A condition on the value a control shows now (a check box 0 or 1, a
// combo its row's value, an edit its number): it lies in [low, high].
struct EACT_COND {
    unsigned short id;
    int low, high;
};

enum { EACT_RULE_TARGETS = 12, EACT_RULE_CONDS = 3 };

// The targets are enabled exactly while every condition holds. While the
// combo `keepWithoutRow` of the conditions shows no row and every other
// condition holds, the targets stay as they are.
struct EACT_RULE {
    unsigned short targets[EACT_RULE_TARGETS];  // ended by 0
    EACT_COND when[EACT_RULE_CONDS];            // ended by id 0
    unsigned short keepWithoutRow;              // 0: none
};

struct EACT_FORM {
    int kind;
    unsigned short button;    // the chooser's button; 0: none
    unsigned short dialogId;  // 0: the kind has no dialog
    const char* caption;
    const EACT_CTRL* ctrls;
    int ctrlCount;
    const EACT_RULE* rules;
    int ruleCount;
};

// The form of a kind; kind 0's (no button, no dialog) outside the table.
const EACT_FORM& EactForm(int kind);
// The control `id` of a form, or null.
const EACT_CTRL* FindEactCtrl(const EACT_FORM& form, unsigned short id);

// Sizes the action's parameters to its kind: added ints 0, added strings
// empty, surplus dropped from the end. Nothing else changes.
void SizeActionParams(cEventAct& act);
// Writes the new-action values of the form's int-bound controls.
void ApplyNewValues(const EACT_FORM& form, cEventAct& act);

// The value a control shows now, or 0 when it shows none (a combo without
// a row).
typedef std::function<int(unsigned short id, int* value)> EACT_READ;
typedef std::function<void(unsigned short id, int enable)> EACT_ENABLE;
// Runs the rules in order.
void ApplyEnableRules(const EACT_RULE* rules, int count, const EACT_READ& read, const EACT_ENABLE& enable);
// Whether every condition of every rule of the form that rules control `id`
// holds as the controls show them now (a combo without a row fails its
// condition); true for a control no rule names.
bool EactRulesHold(const EACT_FORM& form, unsigned short id, const EACT_READ& read);

// Why the status action cannot be kept in the start event as its combos
// show it (the character's status or the event variable as target or
// value), or null when it can.
const char* StatusStartEventRefusal(const EACT_READ& read);
