#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/event_actions_ids.h"
#include "resources/events_ids.h"
#include "tests/resources/layout_check.h"
#include "tests/support/control_layout.h"
#include "tests/support/text_fit.h"

namespace {

using layout::Look;

const char kFont[] = "MS UI Gothic";
const char kVariableNote[] = "☆文字列変数\n「BEFORE」＝操作前の値\n「AFTER」＝操作後の値\n「CHANGE」＝変化量";
const char kSkillNote[] = "☆文字列変数「SKILL」＝スキル名";

// The action dialogs whose places their users know: every control where it
// stands, with the kind of control it is. A number edit is as wide as both
// ends of its range need at the Japanese font, its neighbours moved as little.
const layout::Dialog kActionDialogs[] = {
    {IDD_EACT_CREASESALT,
     "所持金の操作",
     135,
     111,
     9,
     kFont,
     {{IDC_EVENTS_PICTURE, "", 7, 7, 20, 21, Look::Bitmap},
      {IDC_MONEY_LABEL, "増減値", 15, 15, 22, 8, Look::Label},
      {IDC_MONEY, "", 40, 12, 44, 14, Look::NumberEdit},
      {IDC_MONEY_SPIN, "", 75, 12, 9, 14, Look::UpDown},
      {-1, kVariableNote, 15, 35, 78, 32, Look::Label},
      {IDC_EVENTS_OK, "OK", 20, 85, 50, 14, Look::DefButton},
      {IDC_EVENTS_CANCEL, "ｷｬﾝｾﾙ", 75, 85, 50, 14, Look::Button}}},
    {IDD_EACT_CREASEGVAL,
     "コモン変数の操作",
     259,
     101,
     9,
     kFont,
     {{IDC_EVENTS_PICTURE, "", 7, 7, 20, 21, Look::Bitmap},
      {IDC_VAR_GVAL, "", 15, 12, 111, 180, Look::DropList},
      {IDC_EACT_RENAME_GVAL, "_", 128, 12, 6, 13, Look::Button},
      {-1, "を", 140, 15, 8, 8, Look::Label},
      {IDC_VAR_OPERATOR, "", 151, 12, 49, 180, Look::DropList},
      {IDC_VAR_OPERAND, "", 203, 12, 44, 14, Look::NumberEdit},
      {IDC_VAR_OPERAND_SPIN, "", 242, 12, 9, 14, Look::UpDown},
      {-1, kVariableNote, 15, 35, 78, 32, Look::Label},
      {IDC_EVENTS_OK, "OK", 145, 75, 50, 14, Look::DefButton},
      {IDC_EVENTS_CANCEL, "ｷｬﾝｾﾙ", 200, 75, 50, 14, Look::Button}}},
    {IDD_EACT_CREASEEVENTVAL,
     "イベント変数の操作",
     171,
     109,
     9,
     kFont,
     {{IDC_EVENTS_PICTURE, "", 7, 7, 20, 21, Look::Bitmap},
      {-1, "イベント変数を", 15, 15, 43, 8, Look::Label},
      {IDC_VAR_OPERATOR, "", 62, 12, 49, 180, Look::DropList},
      {IDC_VAR_OPERAND, "", 114, 12, 44, 14, Look::NumberEdit},
      {IDC_VAR_OPERAND_SPIN, "", 153, 12, 9, 14, Look::UpDown},
      {-1, kVariableNote, 15, 35, 78, 32, Look::Label},
      {IDC_EVENTS_OK, "OK", 55, 85, 50, 14, Look::DefButton},
      {IDC_EVENTS_CANCEL, "ｷｬﾝｾﾙ", 110, 85, 50, 14, Look::Button}}},
    {IDD_EACT_ADDSHOPSKILL,
     "商品の追加",
     226,
     105,
     9,
     kFont,
     {{IDC_EVENTS_PICTURE, "", 7, 7, 20, 21, Look::Bitmap},
      {IDC_SKILL_LIST, "", 15, 12, 60, 180, Look::DropList},
      {IDC_SKILL_LIST_LABEL, "の", 80, 15, 8, 8, Look::Label},
      {IDC_SKILL, "", 92, 12, 86, 180, Look::DropList},
      {IDC_SHOP_LABEL, "を追加", 182, 15, 20, 8, Look::Label},
      {IDC_SHOP_UNLIMITED, "在庫は無限", 20, 35, 50, 10, Look::AutoCheck},
      {IDC_SHOP_STOCK_LABEL, "在庫＋", 77, 35, 22, 8, Look::Label},
      {IDC_SHOP_STOCK, "", 102, 32, 23, 14, Look::NumberEdit},
      {IDC_SHOP_STOCK_SPIN, "", 124, 32, 9, 14, Look::UpDown},
      {-1, kSkillNote, 15, 55, 99, 8, Look::Label},
      {IDC_EVENTS_OK, "OK", 110, 80, 50, 14, Look::DefButton},
      {IDC_EVENTS_CANCEL, "ｷｬﾝｾﾙ", 165, 80, 50, 14, Look::Button}}},
    // The number and "一覧" as wide as the Japanese font needs, short of the preview.
    {IDD_EACT_CHANGEEVENTPIC,
     "イベントのグラフィックを変更",
     135,
     75,
     9,
     kFont,
     {{IDC_EVENTS_PICTURE, "", 7, 7, 20, 21, Look::Bitmap},
      {-1, "グラフィック", 15, 20, 34, 8, Look::Label},
      {IDC_EVPIC_GRAPHIC, "", 50, 17, 28, 14, Look::NumberEdit},
      {IDC_EVPIC_GRAPHIC_SPIN, "", 76, 22, 9, 14, Look::UpDown},
      {IDC_EVPIC_PICK, "一覧", 79, 17, 18, 14, Look::Button},
      {IDC_EVPIC_PREVIEW, "", 100, 12, 24, 24, Look::BlackFrame},
      {IDC_EVENTS_OK, "OK", 15, 50, 50, 14, Look::DefButton},
      {IDC_EVENTS_CANCEL, "ｷｬﾝｾﾙ", 70, 50, 50, 14, Look::Button}}},
    {IDD_EACT_CREASESTOCK,
     "ストックの操作",
     238,
     85,
     9,
     kFont,
     {{IDC_EVENTS_PICTURE, "", 7, 7, 20, 21, Look::Bitmap},
      {IDC_SKILL_LIST, "", 15, 12, 60, 180, Look::DropList},
      {IDC_SKILL_LIST_LABEL, "の", 80, 15, 8, 8, Look::Label},
      {IDC_SKILL, "", 92, 12, 86, 180, Look::DropList},
      {IDC_STOCK_LABEL, "を +", 182, 15, 12, 8, Look::Label},
      {IDC_VAR_OPERAND, "", 197, 12, 25, 14, Look::NumberEdit},
      {IDC_VAR_OPERAND_SPIN, "", 216, 12, 9, 14, Look::UpDown},
      {-1, kSkillNote, 15, 35, 99, 8, Look::Label},
      {IDC_EVENTS_OK, "OK", 120, 60, 50, 14, Look::DefButton},
      {IDC_EVENTS_CANCEL, "ｷｬﾝｾﾙ", 175, 60, 50, 14, Look::Button}}},
    // The status dialog's edits are plain, unlike the others' numbers-only ones.
    {IDD_EACT_STATUS,
     "ステータスの操作",
     486,
     191,
     9,
     kFont,
     {{IDC_EVENTS_PICTURE, "", 7, 7, 13, 14, Look::Bitmap},
      {IDC_ST_TARGET, "", 15, 12, 49, 108, Look::DropList},
      {IDC_ST_TARGET_OWNER, "", 15, 32, 35, 108, Look::DropList},
      {IDC_ST_TARGET_STATUS_OF, "の", 53, 35, 8, 8, Look::Label},
      {IDC_ST_TARGET_STATUS, "", 63, 32, 28, 180, Look::DropList},
      {IDC_ST_TARGET_STATUS_TAIL, "を", 96, 35, 8, 8, Look::Label},
      {IDC_ST_TARGET_VARKIND, "", 15, 52, 50, 108, Look::DropList},
      {IDC_ST_TARGET_GVAL_OF, "の", 67, 55, 8, 8, Look::Label},
      {IDC_ST_TARGET_GVAL, "", 77, 52, 111, 180, Look::DropList},
      {IDC_ST_TARGET_RENAME, "_", 190, 52, 6, 13, Look::Button},
      {IDC_ST_TARGET_GVAL_TAIL, "を", 202, 55, 8, 8, Look::Label},
      {IDC_ST_OPERATOR, "", 220, 45, 49, 180, Look::DropList},
      {IDC_ST_VALUE, "", 285, 12, 49, 108, Look::DropList},
      {IDC_ST_CONST, "", 285, 32, 44, 14, Look::PlainEdit},
      {IDC_ST_CONST_SPIN, "", 327, 32, 9, 14, Look::UpDown},
      {IDC_ST_RANDOM_LOW, "", 285, 52, 44, 14, Look::PlainEdit},
      {IDC_ST_RANDOM_LOW_SPIN, "", 327, 52, 9, 14, Look::UpDown},
      {IDC_ST_RANDOM_TO, "～", 334, 55, 8, 8, Look::Label},
      {IDC_ST_RANDOM_HIGH, "", 344, 52, 44, 14, Look::PlainEdit},
      {IDC_ST_RANDOM_HIGH_SPIN, "", 386, 52, 9, 14, Look::UpDown},
      {IDC_ST_VALUE_OWNER, "", 285, 72, 35, 108, Look::DropList},
      {IDC_ST_VALUE_STATUS_OF, "の", 323, 75, 8, 8, Look::Label},
      {IDC_ST_VALUE_STATUS, "", 333, 72, 28, 180, Look::DropList},
      {IDC_ST_VALUE_VARKIND, "", 285, 92, 50, 108, Look::DropList},
      {IDC_ST_VALUE_GVAL_OF, "の", 337, 95, 8, 8, Look::Label},
      {IDC_ST_VALUE_GVAL, "", 347, 92, 111, 180, Look::DropList},
      {IDC_ST_VALUE_RENAME, "_", 460, 92, 6, 13, Look::Button},
      {IDC_ST_PERCENT, "％で指定", 285, 120, 41, 10, Look::AutoCheck},
      {IDC_ST_START_NOTE, "※初期イベントの場合、キャラのステータスとイベント変数は利用不可", 15, 90, 200, 8,
       Look::Label},
      {IDC_ST_CHARA_NOTE,
       "※「キャラ」はイベント発生条件の「対象」になる。式の右辺を「キャラ」にした場合、対象キャラが複数だとアクション"
       "は失敗する",
       15, 105, 261, 16, Look::Label},
      {IDC_ST_HP_NOTE, "※HPの最小値は1（このアクションでは死なない）", 15, 130, 141, 8, Look::Label},
      {-1, kVariableNote, 15, 145, 78, 32, Look::Label},
      {IDC_EVENTS_OK, "OK", 370, 165, 50, 14, Look::DefButton},
      {IDC_EVENTS_CANCEL, "ｷｬﾝｾﾙ", 425, 165, 50, 14, Look::Button}}},
    {IDD_EACT_GETRANDOMSKILL,
     "スキルをランダムに獲得",
     283,
     101,
     9,
     kFont,
     {{IDC_EVENTS_PICTURE, "", 7, 7, 20, 21, Look::Bitmap},
      {IDC_SKILL_LIST, "", 15, 12, 60, 180, Look::DropList},
      {IDC_SKILL_LIST_LABEL, "の ランク", 80, 15, 27, 8, Look::Label},
      {IDC_RANDOM_LOW, "", 112, 12, 28, 14, Look::NumberEdit},
      {IDC_RANDOM_LOW_SPIN, "", 134, 13, 10, 14, Look::UpDown},
      {-1, "～", 142, 15, 8, 8, Look::Label},
      {IDC_RANDOM_HIGH, "", 150, 12, 28, 14, Look::NumberEdit},
      {IDC_RANDOM_HIGH_SPIN, "", 172, 13, 10, 14, Look::UpDown},
      {IDC_RANDOM_GAIN_LABEL, "の", 182, 15, 8, 8, Look::Label},
      {IDC_RANDOM_GAIN, "", 195, 12, 76, 180, Look::DropList},
      {-1, "回数", 15, 40, 15, 8, Look::Label},
      {IDC_RANDOM_COUNT, "", 32, 37, 28, 14, Look::NumberEdit},
      {IDC_RANDOM_COUNT_SPIN, "", 54, 37, 10, 14, Look::UpDown},
      {-1, kSkillNote, 110, 40, 99, 8, Look::Label},
      {IDC_EVENTS_OK, "OK", 170, 75, 50, 14, Look::DefButton},
      {IDC_EVENTS_CANCEL, "ｷｬﾝｾﾙ", 225, 75, 50, 14, Look::Button}}},
};

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// What the laid-out dialog shows wrongly: texts cut at the Japanese font and
// controls that cover each other (a group box holds others). The frame's
// picture is hidden at run time; a rename button "_" is as narrow as its
// underscore, which shows whole.
std::vector<std::string> CutOrCovered(int dialogId) {
    HWND dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId), nullptr, NoDialogProc, 0);
    if (!dlg) return {"not created"};
    ShowWindow(GetDlgItem(dlg, IDC_EVENTS_PICTURE), SW_HIDE);
    std::vector<std::string> out = OverlappingControls(dlg);
    for (HWND item : control_layout::VisibleChildren(dlg))
        if (text_fit::TextOf(item) != "_") text_fit::Check(dlg, item, &out);
    DestroyWindow(dlg);
    return out;
}

}  // namespace

TEST(ActionDialogsLayout, AsTheirUsersKnowThem) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    for (const layout::Dialog& dialog : kActionDialogs) {
        layout::ExpectLayout(dialog);
        EXPECT_EQ(std::vector<std::string>{}, CutOrCovered(dialog.id)) << "dialog " << dialog.id;
    }
}
