#include <windows.h>
#include <commctrl.h>

#include "tests/resources/layout_check.h"

namespace {

// Style bits a control's template must carry (ES_NUMBER, UDS_SETBUDDYINT,
// ...), the control found by its id; with a mask, the style under the mask
// must read so (a static's kind: SS_TYPEMASK).
struct Style {
    int id;
    DWORD bits;
    DWORD mask = 0;  // 0: the bits themselves
};

void ExpectStyles(int dialogId, const std::vector<Style>& wanted) {
    const dialog_template::Template got = dialog_template::Load(dialogId);
    ASSERT_TRUE(got.found) << "dialog " << dialogId;
    for (const Style& style : wanted) {
        const auto items = got.WithId(style.id);
        ASSERT_EQ(1u, items.size()) << "dialog " << dialogId << ", control " << style.id;
        const DWORD mask = style.mask ? style.mask : style.bits;
        EXPECT_EQ(style.bits, items[0]->style & mask) << "dialog " << dialogId << ", control " << style.id;
    }
}

// A control known by its id and text only.
struct Label {
    int id;  // -1: a static found by its text
    const char* text;
};

// A control known by its place only (its size follows what it shows).
struct Place {
    int id;  // -1: a static found by its text
    const char* text;
    int x, y;
};

// What the media pages, their dialogs and the skill page are known by. A
// dialog whose size is not known (cx 0) is checked for its caption and font.
struct MediaDialog {
    layout::Dialog dialog;
    std::vector<Label> labels;
    std::vector<Place> places;
    std::vector<Style> styles;
};

const char kFont[] = "ＭＳ Ｐゴシック";
const char kChipNote[] =
    "☆横32縦32なら等倍で表示\n☆ゲーム画面は横640縦480だが、縦も640まで指定可。縦をゲーム画面より大きく指定した場合、"
    "マップチップは画面の中央に寄り、マップチップの上下が欠ける（スクロール速度0の場合）";
const DWORD kSpin = UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_SETBUDDYINT;

// A preview or the picture of a static kind: the whole type field.
Style StaticKind(int id, DWORD kind) { return {id, kind, SS_TYPEMASK}; }

const dialog_template::Item* Find(const dialog_template::Template& got, int id, const char* text) {
    if (id == -1) return got.WithText(text);
    const auto items = got.WithId(id);
    return items.size() == 1 ? items[0] : nullptr;
}

const std::vector<MediaDialog>& MediaDialogs() {
    static const std::vector<MediaDialog> dialogs = {
        {{209,
          "キャラアニメ",
          502,
          421,
          9,
          kFont,
          {{1499, "", 15, 15, 100, 360},
           {1066, "新規", 15, 380, 20, 20},
           {1067, "ｸﾘｱ", 38, 380, 20, 20},
           {11071, "ﾃﾞｰﾀ数", 61, 380, 26, 20},
           {1032, "名称", 120, 20, 15, 8},
           {1044, "", 140, 17, 90, 14},
           {1053, "アニメ", 120, 40, 130, 105},
           {1502, "挿入", 125, 56, 22, 16},
           {1503, "編集", 150, 56, 22, 16},
           {1071, "削除", 175, 56, 22, 16},
           {1504, "", 124, 76, 120, 60},
           {1033, "プレビュー", 120, 160, 31, 8},
           {1036, "", 155, 157, 28, 14},
           {1501, "", 180, 157, 9, 14},
           {1227, "一覧", 184, 157, 18, 14},
           {1070, "", 205, 150, 32, 32}}},
         {},
         {},
         {{1036, ES_RIGHT}, {1501, kSpin}, StaticKind(1070, SS_BLACKFRAME)}},
        {{212,
          "アニメ",
          201,
          225,
          9,
          kFont,
          {{1506, "", 35, 22, 28, 14},
           {1547, "", 55, 62, 30, 14},
           {1549, "", 55, 82, 30, 14},
           {1037, "", 72, 102, 28, 14},
           {1509, "瞬間移動", 15, 125, 43, 10},
           {1508, "ここからエフェクトを開始", 15, 145, 87, 10},
           {-1, "☆瞬間移動でない場合の移動速度＝移動距離÷表示時間", 15, 170, 171, 8},
           {1006, "OK", 80, 200, 50, 14},
           {1007, "ｷｬﾝｾﾙ", 135, 200, 50, 14}}},
         {},
         {{-1, "コマ", 15, 25},
          {-1, "移動X(dot)", 15, 65},
          {-1, "移動Y(dot)", 15, 85},
          {-1, "表示時間(1/60s)", 15, 105},
          {1070, "", 70, 12}},
         {{1507, kSpin}, {1548, kSpin}, {1550, kSpin}, {1502, kSpin}, StaticKind(1070, SS_BLACKFRAME)}},
        {{210, "エフェクトアニメ", 0, 0, 9, kFont, {}},
         {{1032, "名称"},
          {1053, "アニメ"},
          {1502, "挿入"},
          {1503, "編集"},
          {1071, "削除"},
          {1033, "プレビュー"},
          {1227, "一覧"},
          {1066, "新規"},
          {1067, "ｸﾘｱ"},
          {11071, "ﾃﾞｰﾀ数"}},
         {},
         {{1501, kSpin}, StaticKind(1070, SS_BLACKFRAME)}},
        {{211, "アニメ", 0, 0, 9, kFont, {}},
         {{-1, "☆瞬間移動でない場合の移動速度＝移動距離÷表示時間"}, {1509, "瞬間移動"}, {1006, "OK"}, {1007, "ｷｬﾝｾﾙ"}},
         {{1070, "", 70, 12}},
         {{1507, kSpin}, StaticKind(1070, SS_BLACKFRAME)}},
        {{220,
          "　バック　",
          521,
          421,
          9,
          kFont,
          {{1601, "", 15, 15, 100, 360},
           {1066, "新規", 15, 380, 20, 20},
           {1067, "ｸﾘｱ", 38, 380, 20, 20},
           {11071, "ﾃﾞｰﾀ数", 61, 380, 26, 20},
           {1032, "名称", 120, 20, 15, 8},
           {1044, "", 140, 17, 90, 14},
           {1093, "表示タイプ", 120, 40, 32, 8},
           {1596, "", 160, 37, 145, 180},
           {1085, "マップチップの幅(横、縦)(dot)", 120, 60, 87, 8},
           {1602, "", 212, 57, 28, 14},
           {1603, "", 231, 57, 9, 14},
           {1604, "", 243, 57, 28, 14},
           {1605, "", 262, 57, 9, 14},
           {1086, kChipNote, 280, 60, 223, 32},
           {1040, "画像のパス", 120, 100, 35, 8},
           {1045, "", 160, 97, 97, 14},
           {1379, "参照", 262, 97, 30, 14},
           {907, "透過色(R,G,B)", 120, 120, 43, 8},
           {1164, "", 166, 117, 28, 14},
           {1165, "", 185, 117, 9, 14},
           {1166, "", 197, 117, 28, 14},
           {1167, "", 216, 117, 9, 14},
           {1168, "", 228, 117, 28, 14},
           {1169, "", 247, 117, 9, 14},
           {1528, "", 260, 114, 20, 20},
           {1084, "スクロール速度(横、縦)", 120, 140, 69, 8},
           {1597, "", 195, 137, 32, 14},
           {1598, "", 223, 137, 9, 14},
           {1599, "", 228, 137, 32, 14},
           {1600, "", 255, 137, 9, 14},
           {1087, "☆背景画像の幅を割り切れる値にすること", 270, 140, 123, 8}}},
         {},
         {},
         {{1596, CBS_DROPDOWNLIST},
          {1603, kSpin},
          {1605, kSpin},
          {1165, kSpin},
          {1167, kSpin},
          {1169, kSpin},
          {1598, kSpin},
          {1600, kSpin},
          StaticKind(1528, SS_BLACKFRAME)}},
        {{195,
          "　BGM　",
          441,
          401,
          9,
          kFont,
          {{1381, "", 15, 15, 100, 360},
           {1066, "新規", 15, 380, 20, 20},
           {1067, "ｸﾘｱ", 38, 380, 20, 20},
           {11071, "ﾃﾞｰﾀ数", 61, 380, 26, 20},
           {1032, "名称", 120, 20, 15, 8},
           {1044, "", 140, 17, 90, 14},
           {1035, "ファイル名と同じ", 235, 20, 63, 10},
           {1040, "パス", 120, 40, 14, 8},
           {1045, "", 140, 37, 97, 14},
           {1379, "参照", 242, 37, 30, 14},
           {1133, "再生", 275, 37, 30, 14},
           {-1, "ボリューム(%)", 120, 60, 40, 8},
           {1641, "", 165, 60, 18, 14},
           {1642, "", 185, 55, 70, 15},
           {-1, "※OggVorbis(.ogg)のみ有効", 265, 60, 86, 8}}},
         {},
         {},
         {{1641, ES_READONLY | ES_RIGHT}, {1642, TBS_NOTICKS}}},
        {{226,
          "ワールドチップ",
          541,
          422,
          9,
          kFont,
          {{1634, "", 15, 15, 100, 360},
           {1066, "新規", 15, 380, 20, 20},
           {1067, "ｸﾘｱ", 38, 380, 20, 20},
           {11071, "ﾃﾞｰﾀ数", 61, 380, 26, 20},
           {1030, "名称", 120, 20, 15, 8},
           {1044, "", 140, 17, 60, 14},
           {-1, "グラフィック", 120, 45, 34, 8},
           {1511, "", 162, 42, 28, 14},
           {1512, "", 184, 42, 9, 14},
           {1070, "", 195, 37, 24, 24},
           {1035, "移動不可", 120, 67, 43, 10}}},
         {},
         {},
         {{1511, ES_NUMBER | ES_RIGHT}, {1512, kSpin}, StaticKind(1070, SS_BLACKFRAME)}},
        {{123,
          "　効果音　",
          541,
          422,
          9,
          kFont,
          {{1380, "", 15, 15, 100, 360},
           {1066, "新規", 15, 380, 20, 20},
           {1067, "ｸﾘｱ", 38, 380, 20, 20},
           {11071, "ﾃﾞｰﾀ数", 61, 380, 26, 20},
           {1032, "名称", 120, 20, 15, 8},
           {1044, "", 140, 17, 90, 14},
           {1035, "ファイル名と同じ", 235, 20, 63, 10},
           {1040, "パス", 120, 40, 14, 8},
           {1045, "", 140, 37, 97, 14},
           {1379, "参照", 242, 37, 30, 14},
           {1133, "再生", 275, 37, 30, 14}}},
         {},
         {},
         {{1044, ES_AUTOHSCROLL}, {1045, ES_AUTOHSCROLL}}},
        {{217, "ピクチャー", 0, 0, 9, kFont, {}},
         {{1035, "ファイル名と同じ"}, {1379, "参照"}, {1066, "新規"}, {1067, "ｸﾘｱ"}, {11071, "ﾃﾞｰﾀ数"}},
         {},
         {}},
        {{230, "　ヘルプ　", 0, 0, 9, kFont, {}},
         {{1042, "本文"}, {1654, "挿入"}, {1655, "編集"}, {1656, "削除"}, {1114, "参照：#P"}, {1066, "新規"}},
         {},
         {StaticKind(1069, SS_BLACKFRAME)}},
        {{231, "本文", 0, 0, 9, kFont, {}},
         {{1089, "☆「#P0～X.」でシンボル画像の表示"}, {1101, "参照：#P"}, {1006, "OK"}, {1007, "ｷｬﾝｾﾙ"}},
         {},
         {{1223, ES_MULTILINE | ES_WANTRETURN}, StaticKind(1069, SS_BLACKFRAME)}},
        // The sub-effect note stands on one line.
        {{124, "スキル", 551, 432, 9, kFont, {}},
         {{-1, "☆スキルの対象への追加効果（武器防具なら自分）"},
          {-1, "☆オート戦闘で「装備」時のみ上昇"},
          {1097, "サブ効果A"},
          {1101, "サブ効果B"}},
         {},
         {}},
    };
    return dialogs;
}

}  // namespace

TEST(MediaPagesLayout, SizesFontsPlacesTextsAndStyles) {
    for (const MediaDialog& want : MediaDialogs()) {
        const layout::Dialog& d = want.dialog;
        SCOPED_TRACE("dialog " + std::to_string(d.id));
        const dialog_template::Template got = dialog_template::Load(d.id);
        ASSERT_TRUE(got.found);
        if (d.cx) {
            layout::ExpectLayout(d);
        } else {
            EXPECT_EQ(d.caption, got.caption);
            EXPECT_EQ(d.pointSize, got.pointSize);
            EXPECT_EQ(std::string(d.font), got.font);
        }
        // Labels and buttons read as known; statics that have a number carry it.
        std::vector<Label> labels = want.labels;
        for (const layout::Control& c : d.controls)
            if (c.id != -1 && *c.text) labels.push_back({c.id, c.text});
        for (const Label& label : labels) {
            const dialog_template::Item* item = Find(got, label.id, label.text);
            ASSERT_NE(nullptr, item) << label.id << " " << label.text;
            EXPECT_EQ(label.text, item->text) << label.id;
        }
        for (const Place& place : want.places) {
            const dialog_template::Item* item = Find(got, place.id, place.text);
            ASSERT_NE(nullptr, item) << place.id << " " << place.text;
            EXPECT_EQ(place.x, item->x) << place.id << " " << place.text;
            EXPECT_EQ(place.y, item->y) << place.id << " " << place.text;
        }
        ExpectStyles(d.id, want.styles);
    }
}
