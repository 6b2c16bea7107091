// Stage files, WorldMap.dat and actions of every older version, built from
// the stored layouts field by field: each table below lists the fields in
// file order with the first version that stores them and the value a record
// keeps when an older file lacks them.
#include <climits>
#include <vector>

#include "tests/model/records3_support.h"

namespace {

using Ints = std::vector<int>;

template <class R>
struct IntField {
    int from;        // first version that stores it
    int R::*member;  // where the record keeps it
    int value;       // written by the tests
    int absent;      // kept when the file is older
};

// Writes the fields in order: the value for a file of `data` or newer, else
// what the record keeps; fields a file of `layout` lacks are left out.
template <class R, size_t N>
void PutInts(Bytes& b, const IntField<R> (&fields)[N], int layout, int data) {
    for (const IntField<R>& f : fields)
        if (layout >= f.from) b.I32(data >= f.from ? f.value : f.absent);
}

template <class R, size_t N>
void CheckInts(const R& record, const IntField<R> (&fields)[N], int version, const char* what) {
    for (size_t i = 0; i < N; ++i) {
        const IntField<R>& f = fields[i];
        EXPECT_EQ(version >= f.from ? f.value : f.absent, record.*f.member)
            << what << " int " << i << ", version " << version;
    }
}

// ---- Stage ---------------------------------------------------------------------------

// After width, height, stride and shift (20, 15, 32, 5).
const IntField<cStage> kStageHead[] = {
    {0, &cStage::StartGroup, 11, 0},     {87, &cStage::RewardPtVal, 12, 1},
    {0, &cStage::RewardValue, 13, 0},    {118, &cStage::RewardTurnDeduct, 14, 0},
    {127, &cStage::DeductPercent, 0, 1}, {0, &cStage::RepeatRate, 15, 50},
    {0, &cStage::ExRate, 16, 100},       {0, &cStage::ExRateCleared, 17, 50},
    {87, &cStage::MoneyRate, 18, 100},   {87, &cStage::MoneyRateCleared, 19, 50},
};
// After the name.
const IntField<cStage> kStageTail[] = {
    {66, &cStage::Back, 20, 1},
    {0, &cStage::Bgm, 21, 0},
    {47, &cStage::AllGroupsAtStart, 0, 1},
    {84, &cStage::ShowClear, 0, 1},
    {84, &cStage::ShowGameOver, 0, 1},
};
const IntField<cPutEnemy> kEnemy[] = {
    {0, &cPutEnemy::Enemy, 2, 0},    {0, &cPutEnemy::X, 4, -1},
    {0, &cPutEnemy::Y, 5, -1},       {46, &cPutEnemy::GroupOn, 1, 1},
    {0, &cPutEnemy::Group, 6, 0},    {52, &cPutEnemy::CharaIdOn, 1, 0},
    {52, &cPutEnemy::CharaId, 7, 0},
};
// The position group and the ally stay below the open stage's 4 groups and
// the 5 allies. Before 27 the fields gated at 27 are simply missing.
const IntField<cEventPage> kPageHead[] = {
    {0, &cEventPage::Graphic, 31, 0},
    {27, &cEventPage::TurnA, 1, 0},
    {0, &cEventPage::TurnA1, 32, 0},
    {27, &cEventPage::TurnA2, 33, 0},
    {27, &cEventPage::TurnB, 1, 0},
    {27, &cEventPage::TurnB1, 34, 0},
    {27, &cEventPage::TurnB2, 35, 0},
    {0, &cEventPage::EventVarCond, 1, 0},
    {0, &cEventPage::EventVarValue, -36, 0},
    {0, &cEventPage::EventVarCompare, 7, 0},
    {0, &cEventPage::CommonVar, 37, 0},
    {0, &cEventPage::CommonVarValue, 38, 0},
    {0, &cEventPage::CommonVarCompare, 6, 0},
    {0, &cEventPage::FirstAttemptOnly, 1, 0},
    {0, &cEventPage::Area, 3, 0},
    {0, &cEventPage::Subject, 5, 0},
    {0, &cEventPage::Presence, 1, 0},
    {42, &cEventPage::Friend, 4, 0},
    {0, &cEventPage::Group, 3, 1},
    {114, &cEventPage::GroupCond, 1, 0},
    {114, &cEventPage::GroupNo, 39, 0},
    {114, &cEventPage::CharaIdCond, 1, 0},
    {114, &cEventPage::CharaId, 40, 0},
    {0, &cEventPage::Timing, 22, 0},
};
const IntField<cEventPage> kPageTail[] = {
    {75, &cEventPage::AfterPrevious, 1, 0}};  // after the command name

enum { GROUPS = 30 };

// A page with one wait action (kind 3 is never renumbered).
Bytes PageBytes(int layout, int data) {
    Bytes b;
    PutInts(b, kPageHead, layout, data);
    b.Str("必殺");
    PutInts(b, kPageTail, layout, data);
    b.U32(1).I32(EACT_WAIT).U32(1).I32(45).U32(0);
    if (layout < 55) b.U32(0);  // the old shop list
    return b;
}

Bytes EventBytes(int layout, int data, int x, int y, const char* name) {
    Bytes b;
    b.U32(1).I32(x).I32(y).I32(1).I32(4).I32(5).I32(6).Str(name).U32(1);
    return b.Append(PageBytes(layout, data));
}

// A stage file of `layout` holding what a file of `data` told.
Bytes StageBytes(int layout, int data) {
    Bytes b;
    b.I32(20).I32(15).I32(32).I32(5);
    PutInts(b, kStageHead, layout, data);
    b.Str("砦");
    PutInts(b, kStageTail, layout, data);
    const char* order = layout < 68 ? "CEVOGWLX" : layout < 108 ? "CGEOVWLX" : "CGEVWLX";
    for (const char* list = order; *list; ++list) {
        switch (*list) {
            case 'C':
                b.U32(480);
                for (int i = 0; i < 480; ++i) b.I32(i % 5);
                break;
            case 'G':
                b.U32(GROUPS);
                for (int i = 0; i < GROUPS; ++i)
                    b.I32(i % 20).I32(i % 15).Str("群").U32(1).I32(i % 20).I32(1);
                break;
            case 'E':
                b.U32(1);
                PutInts(b, kEnemy, layout, data);
                b.U32(0);  // no movement AI
                break;
            case 'V':
                b.Append(EventBytes(layout, data, 6, 7, "新"));
                break;
            case 'O':
                b.Append(EventBytes(layout, data, 1, 1, "旧"));
                break;
            default: {  // victory, defeat, other rules: 1, 2 and 3 lines
                const int count = *list == 'W' ? 1 : *list == 'L' ? 2 : 3;
                b.U32(static_cast<uint32_t>(count));
                for (int i = 0; i < count; ++i)
                    b.I32(4).I32(8).I32(2).I32(19).I32(14).I32(29).Str("条件");
            }
        }
    }
    return b;
}

const int kStageVersions[] = {26,  27,  41,  42,  45,  46,  47,  51,  52, 54, 55,
                              65,  66,  67,  68,  74,  75,  83,  84,  86, 87, 107,
                              108, 113, 114, 117, 118, 126, 127, 269, 270};

class LayoutTest : public RecordsTest {};

TEST_F(LayoutTest, StageFilesOfEveryVersion) {
    ProjectSizes sizes;
    sizes.ptvals = sizes.backs = sizes.bgms = 40;
    ApplySizes(sizes);
    for (int v : kStageVersions) {
        cStage stage;
        ASSERT_TRUE(ReadAs(stage, v, StageBytes(v, v))) << "version " << v;
        CheckInts(stage, kStageHead, v, "stage");
        CheckInts(stage, kStageTail, v, "stage");
        EXPECT_EQ("砦", stage.Name);
        EXPECT_EQ(4, stage.ChipAt(4, 0)) << v;
        EXPECT_EQ(static_cast<size_t>(GROUPS), stage.Groups.size()) << v;
        ASSERT_EQ(1u, stage.PutEnemies.size()) << v;
        CheckInts(stage.PutEnemies[0], kEnemy, v, "enemy");
        ASSERT_EQ(1u, stage.Events.size()) << v;
        EXPECT_EQ("新", stage.Events[0].Name) << v;
        EXPECT_EQ(6, stage.Events[0].Value6) << v;
        ASSERT_EQ(1u, stage.Events[0].Pages.size()) << v;
        const cEventPage& page = stage.Events[0].Pages[0];
        CheckInts(page, kPageHead, v, "page");
        CheckInts(page, kPageTail, v, "page");
        EXPECT_EQ("必殺", page.CommandName) << v;
        ASSERT_EQ(1u, page.Acts.size()) << v;
        EXPECT_EQ((Ints{45}), Ints(page.Acts[0].Ints.begin(), page.Acts[0].Ints.end())) << v;
        EXPECT_TRUE(stage.OldEvents.empty()) << v;
        EXPECT_EQ(1u, stage.WinConds.size()) << v;
        EXPECT_EQ(2u, stage.LoseConds.size()) << v;
        ASSERT_EQ(3u, stage.OtherConds.size()) << v;
        EXPECT_EQ(29, stage.OtherConds[2].ShownGroup) << v;
        EXPECT_EQ("条件", stage.OtherConds[2].Text) << v;
        // Written as today's layout, what the old file lacked at its defaults.
        EXPECT_TRUE(SameBytes(StageBytes(DATA_VERSION, v), Saved(stage))) << "version " << v;
    }
}

// Files before 68 hold the events ahead of the position groups: the pages
// keep the groups of their own stage, whatever stage was open before.
TEST_F(LayoutTest, OldStageEventsKeepTheGroupsOfTheirOwnStage) {
    g_Stage.Groups.resize(1);
    ASSERT_TRUE(ReadAs(g_Stage, 60, StageBytes(60, 60)));
    ASSERT_EQ(1u, g_Stage.Events.size());
    EXPECT_EQ(3, g_Stage.Events[0].Pages[0].Group);
}

// A damaged old stage whose enemy's movement rule names the largest target
// still loads; the targets renumbered before 50 never pass the int range.
TEST_F(LayoutTest, OldStageWithAnOutOfRangeMovementTarget) {
    cStage old;
    old.PutEnemies.resize(1);
    old.PutEnemies[0].MoveAI.resize(1);
    old.PutEnemies[0].MoveAI[0].Target = INT_MAX;
    g_nDataVersion = 47;  // written as a file of version 47 holds it
    const std::string bytes = Saved(old);
    g_nDataVersion = DATA_VERSION;
    cStage stage;
    ASSERT_TRUE(ReadAs(stage, 47, bytes));
    ASSERT_EQ(1u, stage.PutEnemies.size());
    ASSERT_EQ(1u, stage.PutEnemies[0].MoveAI.size());
    EXPECT_EQ(INT_MAX, stage.PutEnemies[0].MoveAI[0].Target);
}

// ---- World map -------------------------------------------------------------------------

const IntField<cWorldEventPage> kWorldPage[] = {
    {0, &cWorldEventPage::Type, 0, 0},           {0, &cWorldEventPage::Graphic, 2, 0},
    {0, &cWorldEventPage::StageNo, 3, 0},        {0, &cWorldEventPage::PassWithoutClear, 1, 0},
    {0, &cWorldEventPage::PlayAfterClear, 1, 0}, {0, &cWorldEventPage::GameClear, 2, 0},
    {0, &cWorldEventPage::NeedClearStage, 4, 0}, {0, &cWorldEventPage::CondVar, 5, 0},
    {0, &cWorldEventPage::CondValue, 6, 0},      {0, &cWorldEventPage::CondCompare, 7, 0},
    {54, &cWorldEventPage::Variation, 1, 0},     {54, &cWorldEventPage::SetVar, 8, 1},
    {54, &cWorldEventPage::SetValue, 9, 0},
};

// Before 106 the pages named ".stg" files; a load makes them ".stg2".
Bytes WorldEventBytes(int layout, int data, int x, const char* name) {
    Bytes b;
    b.I32(x).I32(1).Str(name).U32(1);
    PutInts(b, kWorldPage, layout, data);
    if (layout >= 107) b.Str(data >= 107 ? "洞窟" : "");
    return b.Str(layout < 106 ? ".\\data\\stg\\洞窟.stg" : ".\\data\\stg\\洞窟.stg2");
}

// WorldMap.dat of `layout` holding what a file of `data` told. Before 98 a
// load replaces the chip table with the ten fixed kinds.
Bytes WorldBytes(int layout, int data) {
    Bytes b;
    b.I32(20).I32(15).I32(32).I32(5).I32(3).I32(4);
    if (layout >= 66)
        b.I32(data >= 66 ? 2 : 1);  // deepest background
    else if (layout >= 20)
        b.U8(9).U8(8).U8(7);
    else
        b.I32(0x070809);
    b.I32(1).Str("大陸").Str(".\\image\\大陸.png");
    if (layout >= 98 && data < 98) {
        b.U32(10);
        for (int i = 0; i < 10; ++i) b.I32(0).I32(i < 5).I32(i).Str("").Str("");
    } else {
        b.U32(3);
        for (int i = 0; i < 3; ++i) b.I32(i).I32(i % 2).I32(i + 10).Str("草原").Str("副");
    }
    b.U32(480);
    for (int i = 0; i < 480; ++i) b.I32(i % 3);
    b.U32(1).Append(WorldEventBytes(layout, data, 1, "町"));
    b.U32(1).Append(WorldEventBytes(layout, data, 0, "デフォルト"));
    return b;
}

TEST_F(LayoutTest, WorldMapFilesOfEveryVersion) {
    for (int v : {10, 19, 20, 53, 54, 65, 66, 97, 98, 105, 106, 107, 269, 270}) {
        cWorldMap map;
        ASSERT_TRUE(ReadAs(map, v, WorldBytes(v, v))) << "version " << v;
        EXPECT_EQ(v >= 66 ? 2 : 1, map.BackNo) << v;
        EXPECT_EQ(1, map.UseBackImage) << v;
        EXPECT_EQ(".\\image\\大陸.png", map.BackImage) << v;
        ASSERT_EQ(v >= 98 ? 3u : 10u, map.Chips.size()) << v;
        EXPECT_EQ(2, map.ChipAt(5, 0)) << v;
        ASSERT_EQ(1u, map.Events.size()) << v;
        ASSERT_EQ(1u, map.EventTemplates.size()) << v;
        const cWorldEventPage& page = map.Events[0].Pages.at(0);
        CheckInts(page, kWorldPage, v, "world page");
        EXPECT_EQ(v >= 107 ? "洞窟" : "", page.StageName) << v;
        EXPECT_EQ(".\\data\\stg\\洞窟.stg2", page.StageFile) << v;
        EXPECT_TRUE(SameBytes(WorldBytes(DATA_VERSION, v), Saved(map))) << "version " << v;
    }
}

// ---- Actions -------------------------------------------------------------------------

// Today's kind of every stored kind 0..26 in files of these versions (0 for
// what no longer exists).
TEST_F(LayoutTest, ActionKindsOfOlderFiles) {
    struct Case {
        int version;
        Ints kinds;
    } cases[] = {
        {24, {0,  1,  2,  3,  4,  6,  10, 11, 12, 13, 14, 15, 16, 17,
              18, 19, 20, 22, 23, 24, 25, 26, 0,  0,  0,  0,  0}},
        {25, {0,  1,  2,  3,  4,  5,  6,  7,  10, 11, 12, 13, 14, 15,
              16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0,  0,  0}},
        {66, {0,  1,  2,  3,  4,  5,  6,  7,  10, 11, 12, 13, 14, 15,
              16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0,  0,  0}},
        {67, {0,  1,  2,  3,  4,  5,  6,  7,  9,  10, 11, 12, 13, 14,
              15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0,  0}},
        {94, {0,  1,  2,  3,  4,  5,  6,  7,  9,  10, 11, 12, 13, 14,
              15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0,  0}},
        {95, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
              14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0}},
        {102, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
               14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 0}},
        {103, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
               14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}},
    };
    for (const Case& c : cases) {
        for (int stored = 0; stored < 27; ++stored) {
            Bytes b;
            b.I32(stored).U32(0).U32(0);
            if (c.version < 55) b.U32(0);
            cEventAct act;
            ASSERT_TRUE(ReadAs(act, c.version, b));
            EXPECT_EQ(c.kinds[stored], act.Kind)
                << "version " << c.version << ", stored " << stored;
            EXPECT_EQ(static_cast<size_t>(g_EventActKind[act.Kind].nIntNum), act.Ints.size());
        }
    }
}

// Parameters as stored (100 + i, or 200 + i) and where each lands.
TEST_F(LayoutTest, ActionParametersOfOlderFiles) {
    auto from = [](int first, int count) {
        Ints v;
        for (int i = 0; i < count; ++i) v.push_back(first + i);
        return v;
    };
    auto join = [](std::initializer_list<Ints> parts) {
        Ints v;
        for (const Ints& p : parts) v.insert(v.end(), p.begin(), p.end());
        return v;
    };
    Ints picture = from(200, 18);
    picture[0] = 1;  // a picture that exists
    struct Case {
        int version;
        int kind;
        Ints stored;
        Ints loaded;
    } cases[] = {
        {62, EACT_MESSAGE, from(100, 26), from(100, 26)},
        {61, EACT_MESSAGE, from(100, 26), join({from(100, 23), {255, 123, 124}})},
        {60, EACT_MESSAGE, from(100, 26), join({from(100, 23), {255, 123, 124}})},
        {59, EACT_MESSAGE, from(100, 26),
         join({from(100, 9), {0}, from(109, 13), {255, 122, 123}})},
        {58, EACT_MESSAGE, from(100, 26),
         join({from(100, 9), {0}, from(109, 11), {0, 0, 255, 120, 121}})},
        {57, EACT_MESSAGE, from(100, 26),
         join({from(100, 9), {0}, from(109, 11), {0, 0, 255, 120, 121}})},
        {56, EACT_MESSAGE, from(100, 26),
         join({from(100, 9), {0}, from(109, 11), {0, 0, 255, 120, 100}})},
        {62, EACT_PICTURE, picture, picture},
        {61, EACT_PICTURE, picture, join({{1}, from(201, 10), {255}, from(211, 6)})},
        {59, EACT_PICTURE, picture, join({{1}, from(201, 10), {255}, from(211, 5), {0}})},
        {58, EACT_PICTURE, picture, join({{1}, from(201, 8), {0, 0, 255}, from(209, 5), {0}})},
        {71, 15, {3, 4}, join({{3, 4}, Ints(14, 0)})},  // today's status action (16)
        {70, 15, {3, 4}, Ints(16, 0)},
        {126, EACT_CHANGEMAPCHIP, {7, 2, 3, 2, 1}, {7, 2, 3, 2, 1}},
        {125, EACT_CHANGEMAPCHIP, {7, 2, 3, 2, 1}, {7, 0, 2, 3, 2}},
    };
    for (const Case& c : cases) {
        Bytes b;
        b.I32(c.kind).U32(static_cast<uint32_t>(c.stored.size()));
        for (int v : c.stored) b.I32(v);
        b.U32(c.kind == EACT_MESSAGE ? 1 : 0);
        if (c.kind == EACT_MESSAGE) b.Str("本文");
        cEventAct act;
        ASSERT_TRUE(ReadAs(act, c.version, b));
        EXPECT_EQ(c.loaded, Ints(act.Ints.begin(), act.Ints.end()))
            << "version " << c.version << ", kind " << c.kind;
    }
}

}  // namespace
