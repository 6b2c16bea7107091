#include "events/action_forms.h"

#include "events/event_words.h"
#include "resources/events_ids.h"

namespace {

// ---- Message (kind 1) ---------------------------------------------------------------

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
    EactPicture(IDC_MSG_SYMBOL_PREVIEW, 32, 32),
    EactButton(IDC_EACT_RENAME_GVAL),
};

const EACT_COND kShown = {IDC_MSG_ERASE, 0, 0};  // not erasing: the message is shown

const EACT_RULE kMessageRules[] = {
    {{IDC_MSG_TEXT, IDC_MSG_AUTO_UPDATE, IDC_MSG_FRAME, IDC_MSG_KEEP_ON_SCREEN, IDC_MSG_SHOW_PICTURE, IDC_MSG_POS,
      IDC_MSG_SHOW, IDC_MSG_SHIFT_X, IDC_MSG_SHIFT_Y},
     {kShown},
     0},
    {{IDC_MSG_WIDTH}, {kShown, {IDC_MSG_FRAME, 1, 1}}, 0},
    {{IDC_MSG_CELL_X, IDC_MSG_CELL_Y}, {kShown, {IDC_MSG_POS, 9, 10}}, 0},
    {{IDC_MSG_TIME}, {kShown, {IDC_MSG_SHOW, 2, 2}}, 0},
    {{IDC_MSG_FOLLOW, IDC_MSG_AKEY}, {kShown, {IDC_MSG_SHOW, 1, 1}}, 0},
    {{IDC_MSG_PICTURE, IDC_MSG_PIC_POS, IDC_MSG_PIC_SCALE, IDC_MSG_PIC_ALPHA, IDC_MSG_PIC_FLIP_X, IDC_MSG_PIC_FLIP_Y,
      IDC_MSG_PIC_KEEP_ON_SCREEN},
     {kShown, {IDC_MSG_SHOW_PICTURE, 1, 1}},
     0},
    {{IDC_MSG_PIC_SHIFT_X, IDC_MSG_PIC_SHIFT_Y}, {kShown, {IDC_MSG_SHOW_PICTURE, 1, 1}, {IDC_MSG_PIC_POS, 8, 8}}, 0},
    {{IDC_MSG_ID}, {{IDC_MSG_HAS_ID, 1, 1}}, 0},
};

template <size_t N>
constexpr int Count(const EACT_CTRL (&)[N]) {
    return static_cast<int>(N);
}
template <size_t N>
constexpr int Count(const EACT_RULE (&)[N]) {
    return static_cast<int>(N);
}

// Kinds whose controls are still to come open the frame alone.
#define EACT_PENDING(kind, button, dialog, caption) \
    { kind, button, dialog, caption, nullptr, 0, nullptr, 0 }

const EACT_FORM kForms[EACT_KIND_COUNT] = {
    {EACT_NONE, 0, 0, "", nullptr, 0, nullptr, 0},
    {EACT_MESSAGE, 1267, IDD_EACT_MESSAGE, "メッセージの表示", kMessageCtrls, Count(kMessageCtrls), kMessageRules,
     Count(kMessageRules)},
    EACT_PENDING(EACT_PICTURE, 1268, 202, "ピクチャーの表示"),
    EACT_PENDING(EACT_WAIT, 1269, 186, "ウエイト"),
    EACT_PENDING(EACT_SETMAPCURSOR, 1270, 174, "マップカーソルの移動"),
    EACT_PENDING(EACT_WARP, 1271, 214, "ワープ"),
    EACT_PENDING(EACT_CREASEENEMYGROUP, 1272, 176, "敵グループの操作"),
    EACT_PENDING(EACT_COPYENEMY, 1273, 215, "敵のコピー"),
    EACT_PENDING(EACT_PUTFRIEND, 1274, 224, "味方の配置"),
    EACT_PENDING(EACT_CHANGESTARTPOS, 1275, 221, "初期位置の変更"),
    EACT_PENDING(EACT_CREASEEVENTVAL, 1276, 185, "イベント変数の操作"),
    EACT_PENDING(EACT_CREASEGVAL, 1277, 177, "コモン変数の操作"),
    EACT_PENDING(EACT_CHANGEMAPCHIP, 1278, 178, "マップチップの変更"),
    EACT_PENDING(EACT_CHANGEEVENTPIC, 1279, 189, "イベントのグラフィックを変更"),
    EACT_PENDING(EACT_PLAYSOUND, 1280, 201, "効果音の再生"),
    EACT_PENDING(EACT_CHANGEBGM, 1281, 179, "BGMの変更"),
    EACT_PENDING(EACT_STATUS, 1282, 222, "ステータスの操作"),
    EACT_PENDING(EACT_CREASESALT, 1283, 175, "所持金の操作"),
    EACT_PENDING(EACT_ACQUIRESKILL, 1284, 199, "スキルの習得"),
    EACT_PENDING(EACT_CREASESTOCK, 1285, 200, "ストックの操作"),
    EACT_PENDING(EACT_ADDSHOPSKILL, 1286, 187, "商品の追加"),
    EACT_PENDING(EACT_GETRANDOMSKILL, 1287, 229, "スキルをランダムに獲得"),
    EACT_PENDING(EACT_CHANGEFRIENDSHOP, 1288, 183, "仲間屋の変更"),
    EACT_PENDING(EACT_CHANGEPARTY, 1289, 184, "パーティーの変更"),
    {EACT_STAGECLEAR, 1290, 0, "", nullptr, 0, nullptr, 0},
    {EACT_GAMEOVER, 1291, 0, "", nullptr, 0, nullptr, 0},
    {EACT_TURNBACK, 0, 0, "", nullptr, 0, nullptr, 0},
};

}  // namespace

const EACT_FORM& EactForm(int kind) { return kForms[IsEventActKind(kind) ? kind : EACT_NONE]; }

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

void ApplyEnableRules(const EACT_RULE* rules, int count, const EACT_READ& read, const EACT_ENABLE& enable) {
    for (int r = 0; r < count; ++r) {
        const EACT_RULE& rule = rules[r];
        bool on = true, keep = false;
        for (const EACT_COND& cond : rule.when) {
            if (!cond.id) break;
            int value = 0;
            if (!read(cond.id, &value)) {
                keep = keep || rule.keepWithoutRow;
                on = false;
                continue;
            }
            if (value < cond.low || value > cond.high) on = false;
        }
        if (keep) continue;
        for (unsigned short id : rule.targets) {
            if (!id) break;
            enable(id, on ? 1 : 0);
        }
    }
}
