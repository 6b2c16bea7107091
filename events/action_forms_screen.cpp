// Forms of the actions that show or play something: message, picture, wait,
// sound effect and BGM.
#include "events/action_forms_kinds.h"
#include "events/event_words.h"

namespace {

// ---- Message ----------------------------------------------------------------------------

const EACT_CTRL kMessageCtrls[] = {
    EactEdit(IDC_MSG_CELL_X, 1, -20, 20, IDC_MSG_CELL_X_SPIN),
    EactEdit(IDC_MSG_CELL_Y, 2, -15, 15, IDC_MSG_CELL_Y_SPIN),
    EactEdit(IDC_MSG_SHIFT_X, 3, -640, 640, IDC_MSG_SHIFT_X_SPIN),
    EactEdit(IDC_MSG_SHIFT_Y, 4, -480, 480, IDC_MSG_SHIFT_Y_SPIN),
    EactEdit(IDC_MSG_TIME, 8, 1, 9999, IDC_MSG_TIME_SPIN, 30),
    EactEdit(IDC_MSG_ID, 14, 0, 999, IDC_MSG_ID_SPIN),
    EactEdit(IDC_MSG_PIC_SHIFT_X, 19, -640, 640, IDC_MSG_PIC_SHIFT_X_SPIN),
    EactEdit(IDC_MSG_PIC_SHIFT_Y, 20, -480, 480, IDC_MSG_PIC_SHIFT_Y_SPIN),
    EactEdit(IDC_MSG_PIC_ALPHA, 23, 0, 255, IDC_MSG_PIC_ALPHA_SPIN, 255),
    EactEdit(IDC_MSG_PIC_SCALE, 25, 1, 1000, IDC_MSG_PIC_SCALE_SPIN, 100),
    EactText(IDC_MSG_TEXT, 0, 30, 29),
    EactCombo(IDC_MSG_POS, 0, g_WordMsgPos, 3),
    EactCombo(IDC_MSG_SHOW, 7, g_WordMsgShow),
    EactCombo(IDC_MSG_WIDTH, 11, g_WordMsgWidth),
    EactRows(IDC_MSG_PICTURE, 17, EACT_ROWS_PICTURES, 1, 1),
    EactCombo(IDC_MSG_PIC_POS, 18, g_WordMsgRelPos),
    EactLocalRows(IDC_MSG_SYMBOL, 0, EACT_ROWS_SYMBOLS, 0, 0),
    EactLocalRows(IDC_MSG_GVAL, 1, EACT_ROWS_GVALS, 1, 1),
    EactCheck(IDC_MSG_KEEP_ON_SCREEN, 5, 1),
    EactCheck(IDC_MSG_FOLLOW, 6, 1),
    EactCheck(IDC_MSG_AKEY, 9),
    EactCheck(IDC_MSG_FRAME, 10, 1),
    EactCheck(IDC_MSG_AUTO_UPDATE, 12, 1),
    EactCheck(IDC_MSG_HAS_ID, 13),
    EactCheck(IDC_MSG_ERASE, 15),
    EactCheck(IDC_MSG_SHOW_PICTURE, 16),
    EactCheck(IDC_MSG_PIC_FLIP_X, 21),
    EactCheck(IDC_MSG_PIC_FLIP_Y, 22),
    EactCheck(IDC_MSG_PIC_KEEP_ON_SCREEN, 24, 1),
    EactPicture(IDC_MSG_SYMBOL_PREVIEW, 32, 32, 192, 182),
    EactRenameButton(IDC_EACT_RENAME_GVAL, IDC_MSG_GVAL),
};

const EACT_COND kMessageShown = {IDC_MSG_ERASE, 0, 0};  // not erasing: the message is shown

const EACT_RULE kMessageRules[] = {
    {{IDC_MSG_TEXT, IDC_MSG_AUTO_UPDATE, IDC_MSG_FRAME, IDC_MSG_KEEP_ON_SCREEN, IDC_MSG_SHOW_PICTURE, IDC_MSG_POS,
      IDC_MSG_SHOW, IDC_MSG_SHIFT_X, IDC_MSG_SHIFT_Y},
     {kMessageShown},
     0},
    {{IDC_MSG_WIDTH}, {kMessageShown, {IDC_MSG_FRAME, 1, 1}}, 0},
    {{IDC_MSG_CELL_X, IDC_MSG_CELL_Y}, {kMessageShown, {IDC_MSG_POS, 9, 10}}, 0},
    {{IDC_MSG_TIME}, {kMessageShown, {IDC_MSG_SHOW, 2, 2}}, 0},
    {{IDC_MSG_FOLLOW, IDC_MSG_AKEY}, {kMessageShown, {IDC_MSG_SHOW, 1, 1}}, 0},
    {{IDC_MSG_PICTURE, IDC_MSG_PIC_POS, IDC_MSG_PIC_SCALE, IDC_MSG_PIC_ALPHA, IDC_MSG_PIC_FLIP_X, IDC_MSG_PIC_FLIP_Y,
      IDC_MSG_PIC_KEEP_ON_SCREEN},
     {kMessageShown, {IDC_MSG_SHOW_PICTURE, 1, 1}},
     0},
    {{IDC_MSG_PIC_SHIFT_X, IDC_MSG_PIC_SHIFT_Y},
     {kMessageShown, {IDC_MSG_SHOW_PICTURE, 1, 1}, {IDC_MSG_PIC_POS, 8, 8}},
     0},
    {{IDC_MSG_ID}, {{IDC_MSG_HAS_ID, 1, 1}}, 0},
};

// ---- Picture ----------------------------------------------------------------------------

const EACT_CTRL kPictureCtrls[] = {
    EactEdit(IDC_PIC_ID, 2, 0, 999, IDC_PIC_ID_SPIN),
    EactEdit(IDC_PIC_CELL_X, 5, -20, 20, IDC_PIC_CELL_X_SPIN),
    EactEdit(IDC_PIC_CELL_Y, 6, -15, 15, IDC_PIC_CELL_Y_SPIN),
    EactEdit(IDC_PIC_SHIFT_X, 7, -640, 640, IDC_PIC_SHIFT_X_SPIN),
    EactEdit(IDC_PIC_SHIFT_Y, 8, -480, 480, IDC_PIC_SHIFT_Y_SPIN),
    EactEdit(IDC_PIC_ALPHA, 11, 0, 255, IDC_PIC_ALPHA_SPIN, 255),
    EactEdit(IDC_PIC_SCALE, 14, 1, 1000, IDC_PIC_SCALE_SPIN, 100),
    EactEdit(IDC_PIC_TIME, 16, 1, 9999, IDC_PIC_TIME_SPIN, 30),
    EactRows(IDC_PIC_PICTURE, 0, EACT_ROWS_PICTURES, 1, 1),
    EactCombo(IDC_PIC_POS, 4, g_WordPicPos),
    EactCombo(IDC_PIC_SHOW, 15, g_WordPicShow),
    EactCheck(IDC_PIC_HAS_ID, 1),
    EactCheck(IDC_PIC_ERASE, 3),
    EactCheck(IDC_PIC_FLIP_X, 9),
    EactCheck(IDC_PIC_FLIP_Y, 10),
    EactCheck(IDC_PIC_KEEP_ON_SCREEN, 12, 1),
    EactCheck(IDC_PIC_FOLLOW, 13, 1),
    EactCheck(IDC_PIC_AKEY, 17),
};

const EACT_COND kPictureShown = {IDC_PIC_ERASE, 0, 0};

const EACT_RULE kPictureRules[] = {
    {{IDC_PIC_PICTURE, IDC_PIC_POS, IDC_PIC_SHOW, IDC_PIC_SHIFT_X, IDC_PIC_SHIFT_Y, IDC_PIC_SCALE, IDC_PIC_ALPHA,
      IDC_PIC_FLIP_X, IDC_PIC_FLIP_Y, IDC_PIC_KEEP_ON_SCREEN},
     {kPictureShown},
     0},
    {{IDC_PIC_CELL_X, IDC_PIC_CELL_Y}, {kPictureShown, {IDC_PIC_POS, 9, 10}}, 0},
    // A display time that shows no row leaves these three as they are.
    {{IDC_PIC_TIME}, {kPictureShown, {IDC_PIC_SHOW, 2, 2}}, IDC_PIC_SHOW},
    {{IDC_PIC_FOLLOW, IDC_PIC_AKEY}, {kPictureShown, {IDC_PIC_SHOW, 1, 1}}, IDC_PIC_SHOW},
    {{IDC_PIC_ID}, {{IDC_PIC_HAS_ID, 1, 1}}, 0},
};

// ---- Wait, sound effect, BGM ------------------------------------------------------------

const EACT_CTRL kWaitCtrls[] = {EactEdit(IDC_WAIT_TIME, 0, 0, 999, IDC_WAIT_TIME_SPIN, 10)};

const EACT_CTRL kPlaySoundCtrls[] = {EactRows(IDC_SOUND, 0, EACT_ROWS_SOUNDS, 1, 1)};

const EACT_CTRL kChangeBgmCtrls[] = {
    EactCombo(IDC_BGM_SCENE, 0, g_WordBgmScene),
    EactRows(IDC_BGM, 1, EACT_ROWS_BGMS, 0),
    EactButton(IDC_BGM_PLAY),
};

}  // namespace

const EACT_FORM g_EactFormMessage =
    EactKindForm(EACT_MESSAGE, IDD_EACT_MESSAGE, "メッセージの表示", kMessageCtrls, kMessageRules);
const EACT_FORM g_EactFormPicture =
    EactKindForm(EACT_PICTURE, IDD_EACT_PICTURE, "ピクチャーの表示", kPictureCtrls, kPictureRules);
const EACT_FORM g_EactFormWait = EactKindForm(EACT_WAIT, IDD_EACT_WAIT, "ウエイト", kWaitCtrls);
const EACT_FORM g_EactFormPlaySound = EactKindForm(EACT_PLAYSOUND, IDD_EACT_PLAYSOUND, "効果音の再生", kPlaySoundCtrls);
const EACT_FORM g_EactFormChangeBgm = EactKindForm(EACT_CHANGEBGM, IDD_EACT_CHANGEBGM, "BGMの変更", kChangeBgmCtrls);
