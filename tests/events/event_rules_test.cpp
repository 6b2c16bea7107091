// The event editor's window-free rules: the word tables word for word as the dialogs
// show them, the one-line text of every action kind, the action forms'
// parameter sizing, new-action values and enabling rules, and the name lists.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "events/action_forms.h"
#include "events/action_line.h"
#include "events/event_words.h"
#include "events/name_lists.h"
#include "model/chara.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "model/stage.h"
#include "resources/events_ids.h"

namespace {

std::vector<std::string> Words(const char* const* table) {
    std::vector<std::string> out;
    for (int i = 0; table[i][0]; ++i) out.push_back(table[i]);
    return out;
}

typedef std::vector<std::string> Labels;

}  // namespace

// Copied from the text of the event word tables, not from the code.
TEST(EventWords, EveryTableHoldsItsLabelsInOrder) {
    const struct {
        const char* name;
        const char* const* table;
        Labels labels;
    } cases[] = {
        {"g_WordTiming",
         g_WordTiming,
         {"味方のターン開始後(B-1)",
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
          "ステージクリア前(H)"}},
        {"g_WordArea", g_WordArea, {"条件なし", "マップ全範囲内", "このイベントの位置", "位置グループ内"}},
        {"g_WordSubject", g_WordSubject, {"キャラ", "味方", "敵", "行動中のキャラ", "リーダー", "所持者"}},
        {"g_WordPresence", g_WordPresence, {"いるなら", "いないなら"}},
        {"g_WordCompare",
         g_WordCompare,
         {"である", "でない", "以上", "以下", "より上", "より下", "の倍数である", "の倍数でない"}},
        {"g_WordOperator", g_WordOperator, {"＝", "＋", "－", "×", "÷", "÷ X の余り", "X ％"}},
        {"g_WordMsgPos",
         g_WordMsgPos,
         {"中心", "左", "右", "下", "左下", "右下", "上", "左上", "右上", "画面座標で指定", "ステージ座標で指定"}},
        {"g_WordMsgShow", g_WordMsgShow, {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定"}},
        {"g_WordMsgWidth", g_WordMsgWidth, {"テキストに合わせる", "固定　※縦は4行"}},
        {"g_WordMsgRelPos",
         g_WordMsgRelPos,
         {"メッセージの上", "メッセージの左上", "メッセージの右上", "メッセージの下", "メッセージの左下",
          "メッセージの右下", "メッセージの左", "メッセージの右", "画面座標で指定"}},
        {"g_WordPicPos",
         g_WordPicPos,
         {"中心", "左", "右", "下", "左下", "右下", "上", "左上", "右上", "画面座標で指定", "ステージ座標で指定"}},
        {"g_WordPicShow", g_WordPicShow, {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定"}},
        {"g_WordCursorTarget",
         g_WordCursorTarget,
         {"このイベント", "リーダー", "位置グループで指定", "ステージ座標で指定"}},
        {"g_WordWarpTarget", g_WordWarpTarget, {"イベント発生条件の対象", "リーダー"}},
        {"g_WordChipArea",
         g_WordChipArea,
         {"マップ全範囲内", "このイベントの位置", "このイベントの上", "このイベントの下", "このイベントの左",
          "このイベントの右", "位置グループ内"}},
        {"g_WordChipSource", g_WordChipSource, {"全て", "一部"}},
        {"g_WordStatusSubject", g_WordStatusSubject, {"キャラ"}},
        {"g_WordStatusTarget", g_WordStatusTarget, {"ステータス", "変数"}},
        {"g_WordStatusOperand", g_WordStatusOperand, {"定数", "乱数", "ステータス", "変数"}},
        {"g_WordVarKind", g_WordVarKind, {"コモン変数", "イベント変数"}},
        {"g_WordRandomSkill", g_WordRandomSkill, {"ストックを獲得", "在庫を増加"}},
        {"g_WordBgmScene", g_WordBgmScene, {"タイトル", "ワールドマップ", "ステージ", "戦闘", "オプション"}},
        {"g_WordAlternate", g_WordAlternate, {"交互", "連続"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.labels, Words(c.table)) << c.name;
        EXPECT_EQ(static_cast<int>(c.labels.size()), WordCount(c.table)) << c.name;
    }
    EXPECT_NE(g_WordMsgPos, g_WordPicPos) << "separate tables";
    EXPECT_STREQ("HP", g_StatusItem[0].strName);
    EXPECT_EQ(-999999, g_StatusItem[1].nMin);
    EXPECT_EQ(999999, g_StatusItem[1].nMax);
    EXPECT_STREQ("SP", StatusItemName(1));
}

class ActionLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_GValInfo.assign(4, cGValInfo());
        g_GValInfo[2].Name = "所持金";
        g_FriendList.assign(3, cFriend());
        g_FriendList[1].Name = "アレス";
        g_LandList.assign(3, cLand());
        g_LandList[1].Name = "草原";
        g_LandList[2].Name = "岩山";
        g_SkillLists.assign(1, cSkillList());
        g_SkillLists[0].strName = "剣技";
        g_SkillLists[0].vSkill.resize(3);
        g_SkillLists[0].vSkill[2].strName = "斬撃";
        g_Database.Pictures.resize(3);
        g_Database.Pictures[1].strName = "村長";
        g_Database.Sounds.resize(3);
        g_Database.Sounds[2].strName = "扉";
        g_Database.Bgms.resize(3);
        g_Database.Bgms[1].strName = "戦いの歌";
    }
    void TearDown() override {
        g_GValInfo.clear();
        g_FriendList.clear();
        g_LandList.clear();
        g_SkillLists.clear();
    }
    static cEventAct Act(int kind, std::vector<int> ints, std::string text = std::string()) {
        cEventAct act;
        act.Kind = kind;
        act.Ints.assign(ints.begin(), ints.end());
        act.Ints.resize(static_cast<size_t>(EventActKind(kind).nIntNum), 0);
        act.Strs.resize(static_cast<size_t>(EventActKind(kind).nStrNum));
        if (!act.Strs.empty()) act.Strs[0] = text;
        return act;
    }
    static std::vector<int> Message(int erase) {
        std::vector<int> ints(26, 0);
        ints[15] = erase;
        return ints;
    }
};

TEST_F(ActionLineTest, EveryKindReadsItsParameters) {
    const struct {
        cEventAct act;
        const char* line;
    } cases[] = {
        {Act(0, {}), ""},
        {Act(1, Message(0), "こんにちは\n世界"), "メッセージ : こんにちは\n世界"},
        {Act(1, Message(0)), "メッセージ : "},
        {Act(1, Message(1), "消える"), "メッセージ : メッセージの消去"},
        {Act(2, {1, 0, 0, 0}), "ピクチャー : 村長"},
        {Act(2, {1, 0, 0, 1}), "ピクチャー : ピクチャーの消去"},
        {Act(3, {10}), "ウエイト : 10"},
        {Act(4, {2}), "マップカーソルの移動 : 位置グループで指定"},
        {Act(5, {0, 12, 7}), "ワープ : (12,7)"},
        {Act(6, {4, 1}), "敵グループの操作 : グループ 4 を ON"},
        {Act(6, {4, 0}), "敵グループの操作 : グループ 4 を OFF"},
        {Act(7, {3}), "敵のコピー : グループ 3"},
        {Act(8, {1, 1, 1, 5, 6}), "味方の配置 : アレス"},
        {Act(8, {1, 1, 0, 5, 6}), "味方の配置 : アレス (5,6)"},
        {Act(9, {2}), "初期位置の変更"},
        {Act(10, {1, -5}), "イベント変数の操作 : イベント変数 ＋ -5"},
        {Act(11, {2, 6, 50}), "コモン変数の操作 : コモン変数「所持金」X ％ 50"},
        {Act(12, {6, 0, 1, 2}), "マップチップの変更 : 位置グループ内 の 全て を 岩山 に変更"},
        {Act(12, {1, 1, 1, 2}), "マップチップの変更 : このイベントの位置 の 草原 を 岩山 に変更"},
        {Act(13, {42}), "イベントのグラフィックを変更 : 42 番に変更"},
        {Act(14, {2}), "効果音の再生 : 扉"},
        {Act(15, {3, 1}), "BGMの変更 : 戦闘 のBGMを 戦いの歌 に変更"},
        {Act(17, {250}), "所持金の操作 : +250"},
        {Act(17, {-30}), "所持金の操作 : -30"},
        {Act(17, {0}), "所持金の操作 : +0"},
        {Act(18, {0, 2}), "スキルの習得 : 斬撃"},
        {Act(19, {0, 2, -3}), "ストックの操作 : 斬撃 -3"},
        {Act(20, {0, 2, 0, 5}), "商品の追加 : 斬撃 +5"},
        {Act(20, {0, 2, 1, 5}), "商品の追加 : 斬撃"},
        {Act(21, {0, 1, 3, 1, 2}), "スキルをランダムに獲得 : 剣技 ランク 1～3 の 在庫を増加 回数2"},
        {Act(22, {1, -2}), "仲間屋の変更 : アレス -2"},
        {Act(23, {1, 1}), "パーティーの変更 : アレス +1"},
        {Act(24, {}), "ステージクリア"},
        {Act(25, {}), "ゲームオーバー"},
        {Act(26, {}), "引き返す"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.line, ActionLine(c.act)) << c.line;
}

// The status action's own form: a full-width colon with no blank before it,
// "％" at the end with the percent flag.
TEST_F(ActionLineTest, TheStatusLineHasItsOwnForm) {
    auto status = [](std::vector<int> ints) {
        ints.resize(16, 0);
        return Act(16, ints);
    };
    const struct {
        cEventAct act;
        const char* line;
    } cases[] = {
        {status({0, 0, 0, 0, 1, 2, 0, 30}), "ステータスの操作： キャラ の SP を － 30"},
        {status({1, 0, 2, 0, 0, 1, 1, 0, -5, 5}), "ステータスの操作： 「002 所持金」を ＋ -5～5"},
        {status({1, 1, 2, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0}), "ステータスの操作： イベント変数 を ＝ キャラ の HP"},
        {status({0, 0, 0, 0, 0, 3, 3, 0, 0, 0, 0, 2, 0, 0, 1}),
         "ステータスの操作： キャラ の HP を × 「002 所持金」％"},
        {status({0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 1}), "ステータスの操作： キャラ の HP を ＝ イベント変数"},
        {status({2, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 1}), "ステータスの操作： ＝"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.line, ActionLine(c.act)) << c.line;
}

// Indexes from a damaged file: words and records outside their tables read
// empty, a kind outside the table has no name, missing parameters read 0.
TEST_F(ActionLineTest, DamagedActionsReadNothingOutsideTheirTables) {
    cEventAct outside;
    outside.Kind = 27;
    EXPECT_EQ("", ActionLine(outside));
    outside.Kind = -3;
    EXPECT_EQ("", ActionLine(outside));
    EXPECT_EQ("マップカーソルの移動 : ", ActionLine(Act(4, {99})));
    EXPECT_EQ("ピクチャー : ", ActionLine(Act(2, {-1})));
    EXPECT_EQ("スキルの習得 : ", ActionLine(Act(18, {7, 1})));
    EXPECT_EQ("コモン変数の操作 : コモン変数「」 0", ActionLine(Act(11, {1000, 7, 0})));
    EXPECT_STREQ("", WordAt(g_WordTiming, 23));
    EXPECT_STREQ("", WordAt(g_WordTiming, -1));
    EXPECT_STREQ("", StatusItemName(2));
    cEventAct bare;
    bare.Kind = EACT_WARP;  // no parameters at all
    EXPECT_EQ("ワープ : (0,0)", ActionLine(bare));
    cEventAct noText;
    noText.Kind = EACT_MESSAGE;
    EXPECT_EQ("メッセージ : ", ActionLine(noText));
}

// ---- Forms -------------------------------------------------------------------------------

// Changing the kind keeps the leading parameters and drops the surplus;
// changing back gives zeros and an empty text.
TEST(ActionForms, SizingKeepsAndDropsAsTheKindTableSays) {
    cEventAct act;
    act.Kind = EACT_MESSAGE;
    SizeActionParams(act);
    for (int i = 0; i < 26; ++i) act.Ints[i] = i + 7;
    act.Strs[0] = "text";
    act.Kind = EACT_WAIT;
    SizeActionParams(act);
    EXPECT_EQ((std::vector<int>{7}), std::vector<int>(act.Ints.begin(), act.Ints.end()));
    EXPECT_TRUE(act.Strs.empty());
    act.Kind = EACT_MESSAGE;
    SizeActionParams(act);
    ASSERT_EQ(26u, act.Ints.size());
    EXPECT_EQ(7, act.Ints[0]);
    for (int i = 1; i < 26; ++i) EXPECT_EQ(0, act.Ints[i]) << i;
    ASSERT_EQ(1u, act.Strs.size());
    EXPECT_EQ("", act.Strs[0]);
    act.Kind = EACT_STAGECLEAR;
    SizeActionParams(act);
    EXPECT_TRUE(act.Ints.empty());
}

namespace {

// The controls of a kind's dialog as a map of shown values.
struct FakeDialog {
    std::map<unsigned short, int> shown;
    std::map<unsigned short, int> enabled;
    void Run(int kind) {
        const EACT_FORM& form = EactForm(kind);
        ApplyEnableRules(
            form.rules, form.ruleCount,
            [this](unsigned short id, int* value) {
                auto it = shown.find(id);
                if (it == shown.end()) return 0;
                *value = it->second;
                return 1;
            },
            [this](unsigned short id, int flag) { enabled[id] = flag; });
    }
};

}  // namespace

// From a new message's choices on, one change at a time.
TEST(ActionForms, MessageEnablingRules) {
    FakeDialog d;
    d.shown = {{IDC_MSG_ERASE, 0},        {IDC_MSG_FRAME, 1},   {IDC_MSG_POS, 3},   {IDC_MSG_SHOW, 0},
               {IDC_MSG_SHOW_PICTURE, 0}, {IDC_MSG_PIC_POS, 8}, {IDC_MSG_HAS_ID, 0}};
    const struct {
        unsigned short id;
        int value;
        std::vector<unsigned short> on, off;
    } steps[] = {
        {IDC_MSG_POS,
         3,
         {IDC_MSG_TEXT, IDC_MSG_WIDTH},
         {IDC_MSG_CELL_X, IDC_MSG_TIME, IDC_MSG_FOLLOW, IDC_MSG_AKEY, IDC_MSG_PICTURE, IDC_MSG_PIC_SCALE,
          IDC_MSG_PIC_FLIP_X, IDC_MSG_PIC_SHIFT_X, IDC_MSG_ID}},
        {IDC_MSG_POS, 9, {IDC_MSG_CELL_X, IDC_MSG_CELL_Y}, {}},
        {IDC_MSG_POS, 10, {IDC_MSG_CELL_X, IDC_MSG_CELL_Y}, {}},
        {IDC_MSG_SHOW, 1, {IDC_MSG_FOLLOW, IDC_MSG_AKEY}, {IDC_MSG_TIME}},
        {IDC_MSG_SHOW, 2, {IDC_MSG_TIME}, {IDC_MSG_FOLLOW, IDC_MSG_AKEY}},
        {IDC_MSG_FRAME, 0, {}, {IDC_MSG_WIDTH}},
        {IDC_MSG_SHOW_PICTURE, 1, {IDC_MSG_PICTURE, IDC_MSG_PIC_SHIFT_X, IDC_MSG_PIC_SHIFT_Y}, {}},
        {IDC_MSG_PIC_POS, 0, {IDC_MSG_PICTURE}, {IDC_MSG_PIC_SHIFT_X, IDC_MSG_PIC_SHIFT_Y}},
        {IDC_MSG_HAS_ID, 1, {IDC_MSG_ID}, {}},
        // Erasing leaves the ID controls alone and turns everything else off.
        {IDC_MSG_ERASE,
         1,
         {IDC_MSG_ID},
         {IDC_MSG_TEXT, IDC_MSG_POS, IDC_MSG_SHOW, IDC_MSG_FRAME, IDC_MSG_TIME, IDC_MSG_CELL_X, IDC_MSG_SHIFT_X,
          IDC_MSG_PICTURE, IDC_MSG_SHOW_PICTURE, IDC_MSG_AUTO_UPDATE, IDC_MSG_KEEP_ON_SCREEN}},
    };
    for (const auto& s : steps) {
        d.shown[s.id] = s.value;
        d.Run(EACT_MESSAGE);
        for (unsigned short id : s.on) EXPECT_EQ(1, d.enabled[id]) << s.id << "=" << s.value << ": " << id;
        for (unsigned short id : s.off) EXPECT_EQ(0, d.enabled[id]) << s.id << "=" << s.value << ": " << id;
    }
}

// Every int parameter of a kind with a dialog has exactly one control (the
// status action's last is nobody's), every control id is one control, and
// every rule names controls of its form.
TEST(ActionForms, EveryParameterHasOneControl) {
    std::set<int> dialogs;
    for (int kind = 0; kind < EACT_KIND_COUNT; ++kind) {
        const EACT_FORM& form = EactForm(kind);
        EXPECT_EQ(kind, form.kind);
        if (!form.dialogId) continue;
        EXPECT_TRUE(dialogs.insert(form.dialogId).second) << kind;
        std::map<int, int> bound;
        std::set<unsigned short> ids;
        for (int i = 0; i < form.ctrlCount; ++i) {
            const EACT_CTRL& c = form.ctrls[i];
            EXPECT_TRUE(ids.insert(c.id).second) << kind << ": " << c.id;
            if (c.bind == EACT_BIND_INT) ++bound[c.index];
            EXPECT_TRUE(!c.partner || FindEactCtrl(form, c.partner)) << kind << ": " << c.id;
        }
        const int count = EventActKind(kind).nIntNum - (kind == EACT_STATUS ? 1 : 0);
        EXPECT_EQ(count, static_cast<int>(bound.size())) << kind;
        for (const auto& b : bound) {
            EXPECT_TRUE(b.first >= 0 && b.first < count) << kind << ": int " << b.first;
            EXPECT_EQ(1, b.second) << kind << ": int " << b.first;
        }
        for (int r = 0; r < form.ruleCount; ++r) {
            for (unsigned short id : form.rules[r].targets) EXPECT_TRUE(!id || ids.count(id)) << kind << ": " << id;
            for (const EACT_COND& cond : form.rules[r].when)
                EXPECT_TRUE(!cond.id || ids.count(cond.id)) << kind << ": " << cond.id;
        }
    }
}

// A combo without a row leaves the targets of a rule that keeps them alone.
TEST(ActionForms, ARuleMayKeepItsTargetsWithoutARow) {
    const EACT_RULE rules[] = {
        {{10, 11}, {{1, 2, 2}}, 1},
        {{12}, {{1, 2, 2}}, 0},
    };
    std::map<unsigned short, int> enabled;
    auto enable = [&](unsigned short id, int flag) { enabled[id] = flag; };
    ApplyEnableRules(
        rules, 2, [](unsigned short, int*) { return 0; }, enable);
    EXPECT_EQ(0u, enabled.count(10));
    EXPECT_EQ(0, enabled[12]);
    ApplyEnableRules(
        rules, 2, [](unsigned short, int* v) { return *v = 2, 1; }, enable);
    EXPECT_EQ(1, enabled[10]);
    EXPECT_EQ(1, enabled[11]);
    EXPECT_EQ(1, enabled[12]);
}

// ---- Name lists ----------------------------------------------------------------------------

// BGMs after "なし", lands numbered from 001 for land 0, position groups
// from group 1 (group 0 alone offers nothing).
TEST(NameLists, RowsAsTheDialogsNumberThem) {
    g_Database.Bgms.resize(2);
    g_Database.Bgms[1].strName = "戦い";
    g_LandList.assign(1, cLand());
    g_LandList[0].Name = "海";
    g_Stage.Groups.resize(3);
    g_Stage.Groups[2].Name = "北";
    const struct {
        int rows;
        Labels labels;
    } cases[] = {
        {EACT_ROWS_BGMS, {"なし", "001 戦い"}},
        {EACT_ROWS_LANDS, {"001 海"}},
        {EACT_ROWS_GROUPS, {"01 ", "02 北"}},
        {EACT_ROWS_STATUS, {"HP", "SP"}},
    };
    VECTOR_CLASS<std::string> rows;
    for (const auto& c : cases) {
        EXPECT_EQ(1, MakeNameRows(rows, c.rows)) << c.rows;
        EXPECT_EQ(c.labels, Labels(rows.begin(), rows.end())) << c.rows;
    }
    g_Stage.Groups.resize(1);
    MakeConditionGroupRows(rows);
    EXPECT_TRUE(rows.empty());
    g_LandList.clear();
}
