// The stage files, palettes, start event and world map of a new project, and
// a small sample stage that shows chips, enemies and events.
#include "tools/sample/sample_stage.h"

#include <cstdio>

#include "model/chara.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "tools/sample/default_files.h"

namespace {

int Written(int ok, const std::string& path) {
    if (!ok) std::fprintf(stderr, "MakeSample: cannot write %s\n", path.c_str());
    return ok;
}

// The fix-ups clamp every index against the project's lists: those of the
// default database written before, where its files are there.
void LoadDefaultLists(const std::string& root) {
    const cPathTable& p = g_PathTable;
    for (const char* path : {p.Land, p.Friend, p.Enemy, p.Skill, p.Back, p.Bgm, p.Sound, p.Picture, p.PartyVal})
        ReadDefaultFile(g_Project, root, path);
}

// An index that names a record of a list of `count`, the placeholder 0 when
// the list is too short.
int Pick(int wanted, size_t count) { return static_cast<size_t>(wanted) < count ? wanted : 0; }

cEventAct Act(int kind, std::initializer_list<int> ints = {}, const char* text = nullptr) {
    cEventAct act;
    act.Kind = kind;
    act.FixupParams(ProjectFixupInputs());
    int i = 0;
    for (int v : ints) act.Ints.At(i++) = v;
    if (text) act.Strs.At(0) = text;
    return act;
}

cEvent PaletteEvent(const char* name, int graphic, std::initializer_list<cEventAct> acts) {
    cEvent event;
    event.Name = name;
    event.Pages[0].Graphic = graphic;
    for (const cEventAct& act : acts) event.Pages[0].Acts.push_back(act);
    return event;
}

// The event palette of a new project: the empty event the editor falls back
// to, and two ready-made ones.
VECTOR_CLASS<cEvent> DefaultEventPalette() {
    VECTOR_CLASS<cEvent> palette;
    palette.push_back(PaletteEvent("デフォルト", 0, {}));
    palette.push_back(PaletteEvent("宝箱", 1, {Act(EACT_MESSAGE, {}, "宝箱を開けた！"), Act(EACT_CREASESALT, {100})}));
    palette.push_back(PaletteEvent("看板", 2, {Act(EACT_MESSAGE, {}, "この先、敵の砦")}));
    return palette;
}

VECTOR_CLASS<cEventActPlt> DefaultActionPalette() {
    VECTOR_CLASS<cEventActPlt> palette(3);
    palette[0].Name = "ステージクリア";
    palette[0].Description = "メッセージを表示してステージをクリアする";
    palette[0].Acts = {Act(EACT_MESSAGE, {}, "勝利！"), Act(EACT_STAGECLEAR)};
    palette[1].Name = "ゲームオーバー";
    palette[1].Description = "メッセージを表示してゲームオーバーにする";
    palette[1].Acts = {Act(EACT_MESSAGE, {}, "全滅した……"), Act(EACT_GAMEOVER)};
    palette[2].Name = "ウエイト";
    palette[2].Description = "少し待つ";
    palette[2].Acts = {Act(EACT_WAIT, {30})};
    return palette;
}

// The sample stage's land, one letter a cell, and the land each letter
// stands for in the default database (land 0 is its placeholder).
const char* const kSampleMap[] = {
    "TTT.....^^^.........", "TT......^^^...#####.", "T.......^^....#...#.", "....~~~.......#...#.",
    "...~~~~~......#...#.", "....~~~.......##.##.", ".....~~.............", "......~~......TT....",
    ".......~~.....TTT...", "........~~.....T....", "..TT.....~~.........", ".TTT......~~........",
    "..T........~~.......", "............~~......", "TT...........~~...TT",
};

int LandOf(char letter) {
    switch (letter) {
    case 'T': return 2;  // forest
    case '^': return 3;  // mountain
    case '~': return 4;  // water
    case '#': return 5;  // wall
    default: return 1;   // grassland
    }
}

cGroupPos Group(const char* name, int cx, int cy, std::initializer_list<cCellPos> cells) {
    cGroupPos group;
    group.Name = name;
    group.CenterX = cx;
    group.CenterY = cy;
    for (const cCellPos& cell : cells) group.Cells.push_back(cell);
    return group;
}

cPutEnemy Enemy(int enemy, int x, int y, int group) {
    cPutEnemy placed;
    placed.Enemy = Pick(enemy, g_EnemyList.size());
    placed.X = x;
    placed.Y = y;
    placed.GroupOn = 1;
    placed.Group = group;
    cMoveAI rule;
    rule.Action = 1;  // fight
    placed.MoveAI.push_back(rule);
    return placed;
}

cStage SampleStage(const VECTOR_CLASS<cEvent>& palette) {
    cStage stage;
    stage.Name = "サンプルステージ";
    stage.Resize(20, 15);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) stage.SetChip(x, y, Pick(LandOf(kSampleMap[y][x]), g_LandList.size()));
    stage.Groups = {
        Group("", 0, 0, {}), Group("味方初期位置", 2, 13, {{1, 13}, {2, 13}, {3, 13}, {4, 13}, {3, 12}}),
        Group("敵の砦", 16, 3, {{15, 2}, {16, 2}, {17, 2}, {15, 3}, {16, 3}, {17, 3}, {15, 4}, {16, 4}, {17, 4}})};
    stage.StartGroup = 1;
    // Thieves hold the fort; slimes roam the plain.
    stage.PutEnemies = {Enemy(2, 15, 2, 1), Enemy(2, 17, 2, 1), Enemy(2, 16, 4, 1), Enemy(1, 9, 6, 2),
                        Enemy(1, 13, 10, 2)};
    cEvent chest = palette[1];
    stage.PlaceAt(chest, 17, 4);
    cEvent sign = palette[2];
    stage.PlaceAt(sign, 5, 12);
    cEvent start = PaletteEvent("開始", 0, {Act(EACT_MESSAGE, {}, "敵の砦を制圧せよ！")});
    start.Pages[0].Timing = 21;  // "ステージ開始前(A)"
    stage.PlaceAt(start, 2, 13);
    cEndCond win;
    win.Text = "敵を全滅させる";
    win.Target = ENDCOND_GROUP;
    win.CursorGroup = 2;
    win.ShownGroup = 2;
    stage.WinConds.push_back(win);
    cEndCond lose;
    lose.Text = "味方が全滅する";
    lose.Target = ENDCOND_LEADER;
    stage.LoseConds.push_back(lose);
    stage.RewardValue = 500;
    return stage;
}

cWorldChip Chip(int graphic, int impassable, const char* name) {
    cWorldChip chip;
    chip.nNo = graphic;
    chip.nGraphic = graphic;
    chip.bImpassable = impassable;
    chip.strName = name;
    return chip;
}

cWorldMap DefaultWorldMap() {
    cWorldMap map;
    map.Chips = {Chip(0, 0, "草原"), Chip(1, 0, "森"), Chip(2, 1, "山"), Chip(3, 1, "海")};
    for (int y = 0; y < map.Height; ++y) {
        for (int x = 0; x < map.Width; ++x) {
            const bool sea = x == 0 || y == 0 || x == map.Width - 1 || y == map.Height - 1;
            map.SetChip(x, y, sea ? 3 : (x + y) % 7 == 0 ? 1 : 0);
        }
    }
    cWorldEvent stage;
    stage.Name = "サンプルステージ";
    stage.Pages[0].Type = WEVENT_STAGE;
    stage.Pages[0].StageNo = 1;
    stage.Pages[0].StageName = "サンプルステージ";
    stage.Pages[0].StageFile = ".\\data\\stg\\Sample.stg2";
    map.PlaceAt(stage, map.StartX + 2, map.StartY);
    return map;
}

}  // namespace

int WriteDefaultStages(const std::string& root) {
    LoadDefaultLists(root);
    const std::string dir = root + "\\default\\";
    cStage blank;
    VECTOR_CLASS<cEvent> palette = DefaultEventPalette();
    VECTOR_CLASS<cEventActPlt> actions = DefaultActionPalette();
    cEvent start;
    start.Name = "初期イベント";
    cWorldMap world = DefaultWorldMap();
    cProject project = g_Project;
    project.Stage = &blank;
    project.EventPalette = &palette;
    project.ActionPalette = &actions;
    project.StartEvent = &start;
    project.WorldMap = &world;

    const cPathTable& p = g_PathTable;
    int ok = 1;
    for (const char* path : {p.DefaultStage, p.EventPlt, p.EventActionPlt, p.StartEvent, p.WorldMap})
        ok &= WriteDefaultFile(project, root, path);
    ok &= Written(SaveRecordList(palette, dir + "plt\\default.plt"), dir + "plt\\default.plt");
    // The sample's events clamp against the sample's own groups.
    cStage sample = SampleStage(palette);
    ok &= Written(sample.SaveFile(dir + "stg\\Sample.stg2"), dir + "stg\\Sample.stg2");
    return ok;
}
