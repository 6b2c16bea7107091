// Every action kind's dialog, opened for real: what a new action starts
// with, which controls each choice enables, the row text after OK and the
// status action's refusals in the start event; hostile parameters; renaming
// common variables; the sound previews and the event graphic's picker.
#include <gtest/gtest.h>

#include <climits>

#include "base/file.h"
#include "base/paths.h"
#include "editing/preview_combos.h"
#include "events/action_forms.h"
#include "events/action_line.h"
#include "events/dlg_eact_eventpic.h"
#include "events/dlg_eact_kinds.h"
#include "events/dlg_eact_message.h"
#include "events/dlg_eact_status.h"
#include "media/image_table.h"
#include "model/chara.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "resources/event_actions_ids.h"
#include "resources/events_ids.h"
#include "resources/toolkit_ids.h"
#include "tests/events/event_dialog_support.h"
#include "tests/support/control_layout.h"
#include "tests/support/seams.h"
#include "tests/support/text_fit.h"
#include "tests/support/updown.h"
#include "ui/dlg_input.h"
#include "ui/dlg_selectgraphic.h"
#include "ui/wnd_list.h"

namespace {

typedef std::vector<unsigned short> Ids;

std::vector<std::string> g_Played;

int FakeWave(HWND, const char* file) {
    g_Played.push_back(file);
    return 1;
}
int FakeBgm(const char* file, int) {
    g_Played.push_back(file);
    return 1;
}

// The value a user gives a control: a number typed, a box ticked, the row of
// a value chosen.
void Give(DLG_EACT_BASE* d, unsigned short id, int value) {
    const EACT_CTRL* c = FindEactCtrl(d->m_Form, id);
    ASSERT_NE(nullptr, c) << id;
    switch (c->type) {
    case EACT_CTRL_EDIT: TypeText(d->m_hWnd, id, std::to_string(value).c_str()); break;
    case EACT_CTRL_CHECK: Check(d->m_hWnd, id, value); break;
    case EACT_CTRL_COMBO: Choose(d->m_hWnd, id, value - c->offset); break;
    default: FAIL() << id;
    }
}

// What of an open action dialog is cut or covered, with its real rows and
// ranges: controls outside it or over each other, numbers its edits step to
// and texts at the Japanese font. A rename button "_" is as narrow as its
// underscore, which shows whole.
std::vector<std::string> CutOrCovered(HWND dlg) {
    std::vector<std::string> out = OverlappingControls(dlg);
    for (auto check : {CutControls, CutNumbers}) {
        const std::vector<std::string> found = check(dlg);
        out.insert(out.end(), found.begin(), found.end());
    }
    for (HWND item : control_layout::VisibleChildren(dlg))
        if (text_fit::TextOf(item) != "_") text_fit::Check(dlg, item, &out);
    return out;
}

class ActionKindsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_Database.CopyFrom(g_Database);
        m_Lands = g_LandList;
        m_SkillLists = g_SkillLists;
        g_GValInfo.resize(4);  // a few variables: a combo of a thousand rows fills slowly
        g_LandList.assign(3, cLand());
        g_LandList[0].Name = "平地";
        g_LandList[1].Name = "草原";
        g_LandList[2].Name = "岩山";
        g_Database.Sounds.assign(3, cEdSound());
        g_Database.Sounds[2].strName = "扉";
        g_Database.Sounds[2].strPath = "wave\\door.wav";
        g_Database.Bgms.assign(2, cEdBgm());
        g_Database.Bgms[1].strName = "戦いの歌";
        g_Database.Bgms[1].strPath = "bgm\\battle.ogg";
        g_SkillLists.assign(2, cSkillList());
        g_SkillLists[0].strName = "剣技";
        g_SkillLists[0].vCateg.resize(1);
        g_SkillLists[0].vSkill.resize(3);
        g_SkillLists[0].vSkill[1].strName = "突き";
        g_SkillLists[0].vSkill[2].strName = "斬撃";
        g_SkillLists[1].strName = "魔法";
        g_SkillLists[1].vCateg.resize(1);
        g_SkillLists[1].vSkill.resize(2);
        g_SkillLists[1].vSkill[1].strName = "炎";
        SetSoundPreviewProcs(FakeWave, FakeBgm);
        g_Played.clear();
    }
    void TearDown() override {
        EXPECT_EQ(0, DropSteps()) << "a dialog that should have opened did not";
        EXPECT_TRUE(ScopedMainWindow::Actions().empty()) << "a programming error ended the program";
        SetSoundPreviewProcs(nullptr, nullptr);
        g_Database.CopyFrom(m_Database);
        g_LandList = m_Lands;
        g_SkillLists = m_SkillLists;
        g_ImageTable[IMG_EVENT].Release();
        g_ImageTable[IMG_PICK_EVENT].Release();
    }
    // The dialog of `act`'s kind; `script` runs in it once it is open.
    static int Run(cEventAct& act, int isNew, int startEvent, std::function<void(DLG_EACT_BASE*)> script) {
        QueueStep([script] {
            DLG_EACT_BASE* d = OpenBox<DLG_EACT_BASE>();
            if (!d) return false;
            script(d);
            return true;
        });
        EACT_CONTEXT context;
        context.action = &act;
        context.newAction = isNew;
        context.startEvent = startEvent;
        DLG_EACT_BASE* dlg = CreateEactDialog(context, nullptr, &g_WndList, nullptr);
        if (!dlg) {
            DropSteps();
            return -1;
        }
        const int result = dlg->DoModal(0);
        delete dlg;
        return result;
    }

    EventProject m_Project;
    ScopedBoxes m_Boxes{IDOK};
    ScopedMainWindow m_Main;
    cDatabase m_Database;
    VECTOR_CLASS<cLand> m_Lands;
    VECTOR_CLASS<cSkillList> m_SkillLists;
};

// A change the user makes and the controls enabled and disabled after it;
// id 0: no change, the state right after opening.
struct Step {
    unsigned short id;
    int value;
    Ids on, off;
};

struct KindCase {
    int kind;
    int startEvent;
    std::vector<int> fresh;  // a new action's parameters
    std::vector<Step> steps;
    const char* line;     // the row text after OK
    const char* refusal;  // or the box OK shows instead
};

}  // namespace

// A new action of every kind, edited as a user would, then OK. Each dialog
// opens with nothing cut or covered.
TEST_F(ActionKindsTest, EveryKindFromNewActionToItsRow) {
    const std::vector<int> kMessage = {3, 0, 0, 0, 0, 1, 1, 0, 30, 0, 1,   0, 1,
                                       0, 0, 0, 0, 1, 0, 0, 0, 0,  0, 255, 1, 100};
    const std::vector<int> kStatus = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
    const char* const kNoChara = "初期イベントではキャラのステータスは利用できません！";
    const char* const kNoEventVar = "初期イベントではイベント変数は利用できません！";
    const KindCase cases[] = {
        {EACT_NONE, 0, {}, {}, "", nullptr},
        {EACT_MESSAGE,
         0,
         kMessage,
         {{0, 0, {IDC_MSG_TEXT, IDC_MSG_WIDTH}, {IDC_MSG_CELL_X, IDC_MSG_TIME, IDC_MSG_PICTURE, IDC_MSG_ID}},
          {IDC_MSG_ERASE, 1, {IDC_MSG_ERASE, IDC_MSG_HAS_ID}, {IDC_MSG_TEXT, IDC_MSG_POS}}},
         "メッセージ : メッセージの消去",
         nullptr},
        {EACT_PICTURE,
         0,
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 1, 1, 100, 0, 30, 0},
         {{0,
           0,
           {IDC_PIC_PICTURE, IDC_PIC_POS, IDC_PIC_SHIFT_X, IDC_PIC_SCALE, IDC_PIC_ALPHA, IDC_PIC_KEEP_ON_SCREEN},
           {IDC_PIC_CELL_X, IDC_PIC_CELL_Y, IDC_PIC_TIME, IDC_PIC_FOLLOW, IDC_PIC_AKEY, IDC_PIC_ID}},
          {IDC_PIC_POS, 9, {IDC_PIC_CELL_X, IDC_PIC_CELL_Y}, {}},
          {IDC_PIC_SHOW, 1, {IDC_PIC_FOLLOW, IDC_PIC_AKEY}, {IDC_PIC_TIME}},
          {IDC_PIC_SHOW, 2, {IDC_PIC_TIME}, {IDC_PIC_FOLLOW, IDC_PIC_AKEY}},
          {IDC_PIC_HAS_ID, 1, {IDC_PIC_ID}, {}},
          {IDC_PIC_ERASE,
           1,
           {IDC_PIC_ERASE, IDC_PIC_HAS_ID, IDC_PIC_ID},
           {IDC_PIC_PICTURE, IDC_PIC_POS, IDC_PIC_CELL_X, IDC_PIC_SHIFT_X, IDC_PIC_TIME, IDC_PIC_FLIP_X,
            IDC_PIC_KEEP_ON_SCREEN}},
          {IDC_PIC_ERASE, 0, {IDC_PIC_PICTURE, IDC_PIC_CELL_X, IDC_PIC_TIME}, {IDC_PIC_FOLLOW}},
          {IDC_PIC_PICTURE, 2, {}, {}}},
         "ピクチャー : 兵士",
         nullptr},
        {EACT_WAIT, 0, {10}, {{IDC_WAIT_TIME, 0, {}, {}}}, "ウエイト : 0", nullptr},
        {EACT_SETMAPCURSOR,
         0,
         {0, 1, 0, 0},
         {{0, 0, {IDC_PLACE_TARGET}, {IDC_PLACE_GROUP, IDC_PLACE_X, IDC_PLACE_Y}},
          {IDC_PLACE_TARGET, 2, {IDC_PLACE_GROUP}, {IDC_PLACE_X, IDC_PLACE_Y}},
          {IDC_PLACE_TARGET, 3, {IDC_PLACE_X, IDC_PLACE_Y}, {IDC_PLACE_GROUP}},
          {IDC_PLACE_TARGET, 1, {}, {IDC_PLACE_GROUP, IDC_PLACE_X, IDC_PLACE_Y}}},
         "マップカーソルの移動 : リーダー",
         nullptr},
        {EACT_WARP,
         0,
         {0, 0, 0, 1},
         {{IDC_PLACE_X, 12, {IDC_PLACE_X, IDC_PLACE_Y, IDC_WARP_FAIL}, {}}, {IDC_PLACE_Y, 70, {}, {}}},
         "ワープ : (12,64)",
         nullptr},
        {EACT_CREASEENEMYGROUP,
         0,
         {1, 1, 0},
         {{IDC_ENEMY_SWITCH, 0, {}, {}}, {IDC_ENEMY_GROUP, 101, {}, {}}},
         "敵グループの操作 : グループ 100 を OFF",
         nullptr},
        {EACT_COPYENEMY, 0, {1, 1, 0}, {{IDC_COPY_GROUP, 3, {}, {}}}, "敵のコピー : グループ 3", nullptr},
        {EACT_PUTFRIEND,
         0,
         {1, 1, 1, 0, 0, 0},
         {{0, 0, {IDC_PUT_FRIEND, IDC_PUT_FROM_PARTY, IDC_PUT_HERE}, {IDC_PUT_JOIN, IDC_PLACE_X, IDC_PLACE_Y}},
          {IDC_PUT_FROM_PARTY, 0, {IDC_PUT_JOIN}, {}},
          {IDC_PUT_HERE, 0, {IDC_PLACE_X, IDC_PLACE_Y}, {}},
          {IDC_PUT_FROM_PARTY, 1, {}, {IDC_PUT_JOIN}},
          {IDC_PLACE_X, 5, {}, {}},
          {IDC_PLACE_Y, 6, {}, {}},
          {IDC_PUT_FRIEND, 2, {}, {}}},
         "味方の配置 : リナ (5,6)",
         nullptr},
        {EACT_CHANGESTARTPOS, 0, {1}, {{IDC_START_GROUP, 2, {}, {}}}, "初期位置の変更", nullptr},
        {EACT_CREASEEVENTVAL,
         0,
         {0, 0},
         {{IDC_VAR_OPERATOR, 1, {}, {}}, {IDC_VAR_OPERAND, -5, {}, {}}},
         "イベント変数の操作 : イベント変数 ＋ -5",
         nullptr},
        {EACT_CREASEGVAL,
         0,
         {1, 0, 0},
         {{IDC_VAR_GVAL, 2, {}, {}}, {IDC_VAR_OPERATOR, 6, {}, {}}, {IDC_VAR_OPERAND, 50, {}, {}}},
         "コモン変数の操作 : コモン変数「所持金」X ％ 50",
         nullptr},
        {EACT_CHANGEMAPCHIP,
         0,
         {0, 0, 0, 0, 1},
         {{0, 0, {IDC_CHIP_AREA, IDC_CHIP_TO}, {IDC_CHIP_GROUP, IDC_CHIP_FROM}},
          {IDC_CHIP_AREA, 6, {IDC_CHIP_GROUP}, {IDC_CHIP_FROM}},
          {IDC_CHIP_SOURCE, 1, {IDC_CHIP_FROM}, {}},
          {IDC_CHIP_FROM, 1, {}, {}},
          {IDC_CHIP_TO, 2, {}, {}}},
         "マップチップの変更 : 位置グループ内 の 草原 を 岩山 に変更",
         nullptr},
        {EACT_CHANGEEVENTPIC,
         0,
         {0},
         {{IDC_EVPIC_GRAPHIC, 42, {}, {}}},
         "イベントのグラフィックを変更 : 42 番に変更",
         nullptr},
        {EACT_PLAYSOUND, 0, {1}, {{IDC_SOUND, 2, {}, {}}}, "効果音の再生 : 扉", nullptr},
        {EACT_CHANGEBGM,
         0,
         {0, 0},
         {{IDC_BGM_SCENE, 3, {}, {}}, {IDC_BGM, 1, {}, {}}},
         "BGMの変更 : 戦闘 のBGMを 戦いの歌 に変更",
         nullptr},
        {EACT_STATUS,
         0,
         kStatus,
         {{0,
           0,
           {IDC_ST_TARGET_OWNER, IDC_ST_TARGET_STATUS, IDC_ST_CONST, IDC_ST_OPERATOR, IDC_ST_PERCENT},
           {IDC_ST_TARGET_VARKIND, IDC_ST_TARGET_GVAL, IDC_ST_TARGET_RENAME, IDC_ST_RANDOM_LOW, IDC_ST_VALUE_OWNER,
            IDC_ST_VALUE_VARKIND, IDC_ST_VALUE_GVAL, IDC_ST_VALUE_RENAME}},
          {IDC_ST_VALUE, 1, {IDC_ST_RANDOM_LOW, IDC_ST_RANDOM_HIGH}, {IDC_ST_CONST}},
          {IDC_ST_VALUE, 3, {IDC_ST_VALUE_VARKIND, IDC_ST_VALUE_GVAL, IDC_ST_VALUE_RENAME}, {IDC_ST_RANDOM_HIGH}},
          {IDC_ST_VALUE_VARKIND, 1, {IDC_ST_VALUE_VARKIND}, {IDC_ST_VALUE_GVAL, IDC_ST_VALUE_RENAME}},
          {IDC_ST_TARGET,
           1,
           {IDC_ST_TARGET_VARKIND, IDC_ST_TARGET_GVAL, IDC_ST_TARGET_RENAME},
           {IDC_ST_TARGET_OWNER, IDC_ST_TARGET_STATUS}},
          {IDC_ST_TARGET_GVAL, 2, {}, {}}},
         "ステータスの操作： 「002 所持金」を ＝ イベント変数",
         nullptr},
        // The start event refuses the character's status and the event
        // variable on either side; the status message comes first.
        {EACT_STATUS, 1, kStatus, {}, nullptr, kNoChara},
        {EACT_STATUS,
         1,
         kStatus,
         {{IDC_ST_TARGET, 1, {}, {}}, {IDC_ST_VALUE, 3, {}, {}}, {IDC_ST_VALUE_VARKIND, 1, {}, {}}},
         nullptr,
         kNoEventVar},
        {EACT_STATUS,
         1,
         kStatus,
         {{IDC_ST_TARGET, 1, {}, {}}, {IDC_ST_TARGET_VARKIND, 1, {}, {}}, {IDC_ST_VALUE, 2, {}, {}}},
         nullptr,
         kNoChara},
        {EACT_STATUS, 1, kStatus, {{IDC_ST_TARGET, 1, {}, {}}}, "ステータスの操作： 「001 鍵」を ＝ 0", nullptr},
        {EACT_CREASESALT, 0, {0}, {{IDC_MONEY, -30, {}, {}}}, "所持金の操作 : -30", nullptr},
        // Another list with fewer skills moves the skill to its first.
        {EACT_ACQUIRESKILL,
         0,
         {0, 1},
         {{IDC_SKILL, 2, {}, {}}, {IDC_SKILL_LIST, 1, {}, {}}},
         "スキルの習得 : 炎",
         nullptr},
        {EACT_CREASESTOCK,
         0,
         {0, 1, 1},
         {{IDC_VAR_OPERAND, -3, {}, {}}, {IDC_SKILL, 2, {}, {}}},
         "ストックの操作 : 斬撃 -3",
         nullptr},
        {EACT_ADDSHOPSKILL,
         0,
         {0, 1, 1, 1},
         {{0, 0, {IDC_SKILL}, {IDC_SHOP_STOCK}},
          {IDC_SHOP_UNLIMITED, 0, {IDC_SHOP_STOCK}, {}},
          {IDC_SHOP_STOCK, 5, {}, {}},
          {IDC_SKILL, 2, {}, {}}},
         "商品の追加 : 斬撃 +5",
         nullptr},
        {EACT_GETRANDOMSKILL,
         0,
         {0, 0, 0, 0, 1},
         {{IDC_RANDOM_LOW, 3, {}, {}},
          {IDC_RANDOM_HIGH, 1, {}, {}},
          {IDC_RANDOM_GAIN, 1, {}, {}},
          {IDC_RANDOM_COUNT, 2, {}, {}}},
         "スキルをランダムに獲得 : 剣技 ランク 3～1 の 在庫を増加 回数2",
         nullptr},
        {EACT_CHANGEFRIENDSHOP, 0, {1, 0}, {{IDC_VAR_OPERAND, -2, {}, {}}}, "仲間屋の変更 : アレス -2", nullptr},
        {EACT_CHANGEPARTY, 0, {1, 1}, {{IDC_FRIEND, 2, {}, {}}}, "パーティーの変更 : リナ +1", nullptr},
        {EACT_STAGECLEAR, 0, {}, {}, "ステージクリア", nullptr},
        {EACT_GAMEOVER, 0, {}, {}, "ゲームオーバー", nullptr},
        {EACT_TURNBACK, 0, {}, {}, "引き返す", nullptr},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(EventActKind(c.kind).strName);
        m_Boxes.Reset();
        cEventAct act;
        act.Kind = c.kind;
        std::vector<int> fresh;
        int noteShown = -1;
        const int result = Run(act, 1, c.startEvent, [&](DLG_EACT_BASE* d) {
            fresh.assign(d->m_lpAction->Ints.begin(), d->m_lpAction->Ints.end());
            EXPECT_EQ(std::vector<std::string>{}, CutOrCovered(d->m_hWnd));
            for (const Step& s : c.steps) {
                if (s.id) Give(d, s.id, s.value);
                for (unsigned short id : s.on)
                    EXPECT_TRUE(IsItemEnabled(d->m_hWnd, id)) << s.id << "=" << s.value << ": " << id;
                for (unsigned short id : s.off)
                    EXPECT_FALSE(IsItemEnabled(d->m_hWnd, id)) << s.id << "=" << s.value << ": " << id;
            }
            noteShown = GetWindowLongA(GetDlgItem(d->m_hWnd, IDC_ST_START_NOTE), GWL_STYLE) & WS_VISIBLE ? 1 : 0;
            Click(d->m_hWnd, IDC_EVENTS_OK);
            if (c.refusal) {
                EXPECT_TRUE(IsWindow(d->m_hWnd)) << "refused: the dialog stays";
                Click(d->m_hWnd, IDC_EVENTS_CANCEL);
            }
        });
        if (!EactForm(c.kind).dialogId) {
            EXPECT_EQ(-1, result) << "no dialog";
            SizeActionParams(act);
            EXPECT_TRUE(act.Ints.empty());
            EXPECT_EQ(c.line, ActionLine(act));
            continue;
        }
        EXPECT_EQ(c.fresh, fresh);
        if (c.kind == EACT_STATUS) {
            EXPECT_EQ(c.startEvent, noteShown) << "the start event's note";
        }
        if (c.refusal) {
            EXPECT_EQ(0, result);
            EXPECT_EQ(std::vector<std::string>{c.refusal}, m_Boxes.Texts());
        } else {
            EXPECT_EQ(1, result);
            EXPECT_EQ(c.line, ActionLine(act));
            EXPECT_TRUE(m_Boxes.Texts().empty());
        }
    }
    EXPECT_EQ(std::vector<std::string>{"wave\\door.wav"}, g_Played) << "choosing a sound effect plays it";
}

// Parameters no dialog would store (records that are gone, squares and
// numbers past every range): each dialog opens, shows what it can, and OK
// stores every one back unchanged; a changed control stores its new value.
TEST_F(ActionKindsTest, HostileParametersOpenAndStayUntilChanged) {
    const int hostile[] = {INT_MIN, INT_MAX, -1, 1000000, 513, 7};
    for (int kind = EACT_MESSAGE; kind <= EACT_CHANGEPARTY; ++kind) {
        SCOPED_TRACE(EventActKind(kind).strName);
        cEventAct act;
        act.Kind = kind;
        SizeActionParams(act);
        for (size_t i = 0; i < act.Ints.size(); ++i) act.Ints[i] = hostile[(i + kind) % 6];
        const cEventAct stored = act;
        EXPECT_EQ(1, Run(act, 0, 0, [](DLG_EACT_BASE* d) { Click(d->m_hWnd, IDC_EVENTS_OK); }));
        EXPECT_TRUE(act.Compare(stored));
        ActionLine(act);
    }
    cEventAct wait;
    wait.Kind = EACT_WAIT;
    wait.Ints.assign(1, INT_MIN);
    Run(wait, 0, 0, [](DLG_EACT_BASE* d) {
        EXPECT_EQ("0", ItemText(d->m_hWnd, IDC_WAIT_TIME)) << "the nearest valid value";
        TypeText(d->m_hWnd, IDC_WAIT_TIME, "5");
        EXPECT_EQ("5", StepUpDown(GetDlgItem(d->m_hWnd, IDC_WAIT_TIME_SPIN), "6", UPDOWN_CLICK_DOWN));
        EXPECT_EQ("5", StepUpDown(GetDlgItem(d->m_hWnd, IDC_WAIT_TIME_SPIN), "4", UPDOWN_KEY_UP));
        Click(d->m_hWnd, IDC_EVENTS_OK);
    });
    EXPECT_EQ(5, wait.Ints[0]);
    EXPECT_TRUE(m_Boxes.Texts().empty());
}

// An action that gives or teaches a skill the combo shows no row for (past
// its list's end, or skill 0): the list the user chooses gives it its first
// skill; an edit of another field leaves it as it came.
TEST_F(ActionKindsTest, AListChosenForASkillWithoutARowGivesItsFirstSkill) {
    const struct {
        int kind, skill;
        unsigned short id;  // the control the user changes
        int value;
        int list, stored;  // what OK stores
    } cases[] = {
        {EACT_ACQUIRESKILL, 7, IDC_SKILL_LIST, 1, 1, 1},  {EACT_ACQUIRESKILL, 0, IDC_SKILL_LIST, 1, 1, 1},
        {EACT_CREASESTOCK, 7, IDC_SKILL_LIST, 1, 1, 1},   {EACT_CREASESTOCK, 0, IDC_SKILL_LIST, 1, 1, 1},
        {EACT_ADDSHOPSKILL, 7, IDC_SKILL_LIST, 1, 1, 1},  {EACT_ADDSHOPSKILL, 0, IDC_SKILL_LIST, 1, 1, 1},
        {EACT_CREASESTOCK, 7, IDC_VAR_OPERAND, -3, 0, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(EventActKind(c.kind).strName) + " " + std::to_string(c.skill) + " " +
                     std::to_string(c.id));
        cEventAct act;
        act.Kind = c.kind;
        SizeActionParams(act);
        act.Ints[0] = 0;  // 剣技, two skills
        act.Ints[1] = c.skill;
        std::string shown;
        EXPECT_EQ(1, Run(act, 0, 0, [&](DLG_EACT_BASE* d) {
                      EXPECT_EQ(CB_ERR, SendDlgItemMessageA(d->m_hWnd, IDC_SKILL, CB_GETCURSEL, 0, 0));
                      Give(d, c.id, c.value);
                      shown = ItemText(d->m_hWnd, IDC_SKILL);
                      Click(d->m_hWnd, IDC_EVENTS_OK);
                  }));
        EXPECT_EQ(c.list ? "001 -炎" : "", shown);
        EXPECT_EQ(c.list, act.Ints[0]);
        EXPECT_EQ(c.stored, act.Ints[1]);
    }
}

// A parameter shown as the nearest valid value is stored once the user has
// edited its control, also when the edit ends on the value first shown;
// left alone it stays as it came.
TEST_F(ActionKindsTest, AnEditedParameterIsStoredWhateverValueItEndsOn) {
    const struct {
        std::vector<const char*> typed;  // into the group's edit, one after the other
        std::vector<int> ticks;          // the skip check box set by a click, in turn
        std::vector<int> want;
    } cases[] = {
        {{}, {}, {150, 1, 5}},  {{"99", "100"}, {}, {100, 1, 5}}, {{"100"}, {}, {100, 1, 5}},
        {{"7"}, {}, {7, 1, 5}}, {{}, {0, 1}, {150, 1, 1}},
    };
    for (const auto& c : cases) {
        cEventAct act;
        act.Kind = EACT_CREASEENEMYGROUP;
        SizeActionParams(act);
        act.Ints[0] = 150;  // groups end at 100
        act.Ints[1] = 1;
        act.Ints[2] = 5;  // a check box shows 0 or 1
        std::string shown;
        EXPECT_EQ(1, Run(act, 0, 0, [&](DLG_EACT_BASE* d) {
                      shown = ItemText(d->m_hWnd, IDC_ENEMY_GROUP);
                      for (const char* text : c.typed) TypeText(d->m_hWnd, IDC_ENEMY_GROUP, text);
                      for (int tick : c.ticks) Check(d->m_hWnd, IDC_ENEMY_SKIP_OCCUPIED, tick);
                      Click(d->m_hWnd, IDC_EVENTS_OK);
                  }));
        EXPECT_EQ("100", shown);
        EXPECT_EQ(c.want, (std::vector<int>{act.Ints[0], act.Ints[1], act.Ints[2]})) << c.typed.size();
        EXPECT_NE(std::string::npos, ActionLine(act).find("グループ " + std::to_string(c.want[0])));
    }
}

// A rename button is usable only while its combo stands for a common
// variable: with a variable kind past the word table it is disabled and a
// click opens nothing.
TEST_F(ActionKindsTest, TheStatusRenameButtonsNeedACommonVariable) {
    const struct {
        int targetKind, valueKind;
        bool usable;
    } cases[] = {{0, 0, true}, {5, 7, false}, {-1, 2, false}};
    for (const auto& c : cases) {
        cEventAct status;
        status.Kind = EACT_STATUS;
        SizeActionParams(status);
        status.Ints[0] = 1;  // the target a variable ...
        status.Ints[1] = c.targetKind;
        status.Ints[2] = 1;
        status.Ints[6] = 3;  // ... and the value
        status.Ints[10] = c.valueKind;
        status.Ints[11] = 2;
        std::vector<bool> enabled;
        int boxes = 0;
        Run(status, 0, 0, [&](DLG_EACT_BASE* d) {
            for (unsigned short button : {IDC_ST_TARGET_RENAME, IDC_ST_VALUE_RENAME}) {
                enabled.push_back(IsItemEnabled(d->m_hWnd, button));
                QueueStep([&boxes] {
                    DLG_INPUT_STR* box = OpenBox<DLG_INPUT_STR>();
                    if (!box) return false;
                    ++boxes;
                    Click(box->m_hWnd, IDC_TOOLKIT_CANCEL);
                    return true;
                });
                Click(d->m_hWnd, button);
                DropSteps();
            }
            Click(d->m_hWnd, IDC_EVENTS_CANCEL);
        });
        EXPECT_EQ((std::vector<bool>{c.usable, c.usable}), enabled) << c.targetKind;
        EXPECT_EQ(c.usable ? 2 : 0, boxes) << c.targetKind;
    }
}

// "_" renames the variable its combo shows: every combo of variables takes
// the new name, one showing none still shows none; the name stays after
// Cancel. Only the message writes the names at once, and says when it cannot.
TEST_F(ActionKindsTest, RenamingACommonVariable) {
    auto rename = [](const char* name) {
        QueueStep([name] {
            DLG_INPUT_STR* box = OpenBox<DLG_INPUT_STR>();
            if (!box) return false;
            TypeText(box->m_hWnd, IDC_INPUT_EDIT, name);
            Click(box->m_hWnd, IDC_TOOLKIT_OK);
            return true;
        });
    };
    cEventAct gval;
    gval.Kind = EACT_CREASEGVAL;
    std::string row;
    EXPECT_EQ(0, Run(gval, 1, 0, [&](DLG_EACT_BASE* d) {
                  Choose(d->m_hWnd, IDC_VAR_GVAL, 1);
                  rename("宝箱");
                  Click(d->m_hWnd, IDC_EACT_RENAME_GVAL);
                  row = ItemText(d->m_hWnd, IDC_VAR_GVAL);
                  Click(d->m_hWnd, IDC_EVENTS_CANCEL);
              }));
    EXPECT_EQ("002 宝箱", row);
    EXPECT_EQ("宝箱", g_GValInfo[2].Name);
    EXPECT_FALSE(FileExists(g_PathTable.GValInfo)) << "written when the editor closes";

    cEventAct status;
    status.Kind = EACT_STATUS;
    SizeActionParams(status);
    status.Ints[0] = 1;      // a common variable ...
    status.Ints[2] = 2;      // ... number 2
    status.Ints[6] = 3;      // the value a variable ...
    status.Ints[11] = 5000;  // ... past the list
    std::vector<std::string> shown;
    Run(status, 0, 0, [&](DLG_EACT_BASE* d) {
        shown.push_back(std::to_string(ComboRow(d->m_hWnd, IDC_ST_VALUE_GVAL)));
        rename("扉の鍵");
        Click(d->m_hWnd, IDC_ST_TARGET_RENAME);
        shown.push_back(ItemText(d->m_hWnd, IDC_ST_TARGET_GVAL));
        shown.push_back(std::to_string(ComboRow(d->m_hWnd, IDC_ST_VALUE_GVAL)));
        Choose(d->m_hWnd, IDC_ST_VALUE_GVAL, 1);
        shown.push_back(ItemText(d->m_hWnd, IDC_ST_VALUE_GVAL));
        Click(d->m_hWnd, IDC_EVENTS_CANCEL);
    });
    EXPECT_EQ((std::vector<std::string>{"-1", "002 扉の鍵", "-1", "002 扉の鍵"}), shown);

    FolderCreate(g_PathTable.GValInfo);  // a folder where the file should go
    cEventAct message;
    message.Kind = EACT_MESSAGE;
    Run(message, 1, 0, [&](DLG_EACT_BASE* d) {
        rename("門");
        Click(d->m_hWnd, IDC_EACT_RENAME_GVAL);
        Click(d->m_hWnd, IDC_EVENTS_CANCEL);
    });
    EXPECT_EQ("門", g_GValInfo[1].Name);
    EXPECT_EQ(std::vector<std::string>{std::string(g_PathTable.GValInfo) + " の保存に失敗しました！"}, m_Boxes.Texts());
}

// "再生" plays the chosen BGM; "なし" plays nothing. Esc cancels.
TEST_F(ActionKindsTest, TheBgmPlaysOnlyWhenAsked) {
    cEventAct bgm;
    bgm.Kind = EACT_CHANGEBGM;
    EXPECT_EQ(0, Run(bgm, 1, 0, [](DLG_EACT_BASE* d) {
                  Click(d->m_hWnd, IDC_BGM_PLAY);
                  Choose(d->m_hWnd, IDC_BGM, 1);
                  EXPECT_TRUE(g_Played.empty()) << "choosing is not playing";
                  Click(d->m_hWnd, IDC_BGM_PLAY);
                  SendMessageA(d->m_hWnd, WM_COMMAND, IDCANCEL, 0);
              }));
    EXPECT_EQ(std::vector<std::string>{"bgm\\battle.ogg"}, g_Played);
    EXPECT_EQ(0, bgm.Ints[1]);
}

// The picked cell goes into the edit and the preview; Cancel keeps the
// action. The preview draws the number the edit shows, which the edit keeps
// within 0 to 511 as it is typed; the shared cell drawer has none for 0 or
// without a sheet, which leaves the preview black. The preview stands at
// (100, 12) in dialog units, 32 pixels square.
TEST_F(ActionKindsTest, TheEventGraphicPickerAndPreview) {
    g_ImageTable[IMG_EVENT].Create(1024, 1024, 24, 0);
    g_ImageTable[IMG_EVENT].Fill(RGB(10, 20, 30));
    g_ImageTable[IMG_PICK_EVENT].Create(1024, 512, 24, 0);
    int frameX = 0, frameY = 0;
    const int cell = GraphicCellAt(SHEET_EVENT, 200, 100, &frameX, &frameY);
    ASSERT_GT(cell, 0);
    cEventAct act;
    act.Kind = EACT_CHANGEEVENTPIC;
    std::vector<COLORREF> previews;
    std::vector<std::string> shown;
    std::string picked;
    auto preview = [&](DLG_EACT_BASE* d) {
        d->OnPaint();
        previews.push_back(GetPixel(d->Picture(IDC_EVPIC_PREVIEW)->Surface()->m_hDC, 16, 16));
    };
    std::vector<LONG> place;
    Run(act, 1, 0, [&](DLG_EACT_BASE* d) {
        RECT want = {100, 12, 0, 0}, got = {};
        MapDialogRect(d->m_hWnd, &want);
        GetWindowRect(GetDlgItem(d->m_hWnd, IDC_EVPIC_PREVIEW), &got);
        MapWindowPoints(nullptr, d->m_hWnd, reinterpret_cast<POINT*>(&got), 2);
        place = {got.left - want.left, got.top - want.top, got.right - got.left, got.bottom - got.top};
        preview(d);
        QueueStep([] {
            DLG_SELECTGRAPHIC* box = OpenBox<DLG_SELECTGRAPHIC>();
            if (!box) return false;
            POINT pt = {200, 100};
            ClientToScreen(box->m_hWnd, &pt);
            SetCursorPos(pt.x, pt.y);
            SendMessageA(box->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(200, 100));
            SendMessageA(box->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 100));
            return true;
        });
        Click(d->m_hWnd, IDC_EVPIC_PICK);
        picked = ItemText(d->m_hWnd, IDC_EVPIC_GRAPHIC);
        preview(d);
        for (const char* typed : {"512", "2147483647", "0"}) {
            TypeText(d->m_hWnd, IDC_EVPIC_GRAPHIC, typed);
            shown.push_back(ItemText(d->m_hWnd, IDC_EVPIC_GRAPHIC));
            preview(d);
        }
        TypeText(d->m_hWnd, IDC_EVPIC_GRAPHIC, "3");
        g_ImageTable[IMG_EVENT].Release();
        preview(d);
        Click(d->m_hWnd, IDC_EVENTS_CANCEL);
    });
    EXPECT_EQ((std::vector<LONG>{0, 0, 32, 32}), place);
    EXPECT_EQ(std::to_string(cell), picked);
    EXPECT_EQ((std::vector<std::string>{"511", "511", "0"}), shown);
    EXPECT_EQ((std::vector<COLORREF>{0, RGB(10, 20, 30), RGB(10, 20, 30), RGB(10, 20, 30), 0, 0}), previews);
    EXPECT_EQ(0, act.Ints[0]);
}
