#include "events/event_words.h"

const char* const g_WordTiming[] = {
    "味方のターン開始後(B-1)",
    "味方のターン終了前(C-1)",
    "味方の行動終了後(D-1)",
    "味方の特殊コマンド使用後(E-1)",
    "敵のターン開始後(B-1)",
    "敵のターン終了前(C-1)",
    "敵の行動終了後(D-1)",
    "味方または敵のターン開始後(B-2)",
    "味方または敵のターン終了前(C-2)",
    "味方または敵の行動終了後(D-2)",
    "戦闘開始前(F-1)",
    "戦闘終了後(G-1)",
    "戦闘で味方が勝利した後(G-4)",
    "戦闘で味方が敗北した後(G-4)",
    "戦闘でリーダーが敗北した後(G-3)",
    "所持者の行動終了後(D-3)",
    "所持者の特殊コマンド使用後(E-2)",
    "所持者の戦闘開始前(F-2)",
    "所持者の戦闘終了後(G-2)",
    "所持者の戦闘で味方が勝利した後(G-5)",
    "所持者の戦闘で味方が敗北した後(G-5)",
    "ステージ開始前(A)",
    "ステージクリア前(H)",
    "",
};

const char* const g_WordArea[] = {"条件なし", "マップ全範囲内", "このイベントの位置", "位置グループ内", ""};
const char* const g_WordSubject[] = {"キャラ", "味方", "敵", "行動中のキャラ", "リーダー", "所持者", ""};
const char* const g_WordPresence[] = {"いるなら", "いないなら", ""};

const char* const g_WordMsgPos[] = {
    "中心", "左", "右", "下", "左下", "右下", "上", "左上", "右上", "画面座標で指定", "ステージ座標で指定", "",
};
const char* const g_WordMsgShow[] = {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定", ""};
const char* const g_WordMsgWidth[] = {"テキストに合わせる", "固定　※縦は4行", ""};
const char* const g_WordMsgRelPos[] = {
    "メッセージの上",   "メッセージの左上", "メッセージの右上", "メッセージの下", "メッセージの左下",
    "メッセージの右下", "メッセージの左",   "メッセージの右",   "画面座標で指定", "",
};

const char* const g_WordPicPos[] = {
    "中心", "左", "右", "下", "左下", "右下", "上", "左上", "右上", "画面座標で指定", "ステージ座標で指定", "",
};
const char* const g_WordPicShow[] = {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定", ""};

const char* const g_WordCursorTarget[] = {"このイベント", "リーダー", "位置グループで指定", "ステージ座標で指定", ""};
const char* const g_WordWarpTarget[] = {"イベント発生条件の対象", "リーダー", ""};

const char* const g_WordOnOff[] = {"OFF", "ON", ""};

const char* const g_WordChipArea[] = {
    "マップ全範囲内",   "このイベントの位置", "このイベントの上", "このイベントの下",
    "このイベントの左", "このイベントの右",   "位置グループ内",   "",
};
const char* const g_WordChipSource[] = {"全て", "一部", ""};

const char* const g_WordStatusSubject[] = {"キャラ", ""};
const char* const g_WordStatusTarget[] = {"ステータス", "変数", ""};
const char* const g_WordStatusOperand[] = {"定数", "乱数", "ステータス", "変数", ""};
const char* const g_WordVarKind[] = {"コモン変数", "イベント変数", ""};

const char* const g_WordRandomSkill[] = {"ストックを獲得", "在庫を増加", ""};
const char* const g_WordBgmScene[] = {"タイトル", "ワールドマップ", "ステージ", "戦闘", "オプション", ""};

const cStatusOpInfo g_StatusItem[STATUS_ITEM_COUNT] = {
    {"HP", -999999, 999999, 0, 1},
    {"SP", -999999, 999999, 0, 1},
};

const char* StatusItemName(int index) {
    return index >= 0 && index < STATUS_ITEM_COUNT ? g_StatusItem[index].strName : "";
}
