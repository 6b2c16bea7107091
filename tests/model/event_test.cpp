// Events, pages and actions: the old page layout, the action migration of
// older files, the parameter fix-ups by kind and the palette files.
#include <vector>

#include "tests/model/layouts.h"

namespace {

using Ints = std::vector<int>;

Ints AsInts(const VECTOR_CLASS<int>& v) { return Ints(v.begin(), v.end()); }

// The bytes of an action as a file stores it: kind, int vector, string vector.
Bytes ActBytes(int kind, const Ints& ints, const std::vector<std::string>& strs = {}) {
    Bytes b;
    b.I32(kind).U32(static_cast<uint32_t>(ints.size()));
    for (int v : ints) b.I32(v);
    b.U32(static_cast<uint32_t>(strs.size()));
    for (const std::string& s : strs) b.Str(s);
    return b;
}

class EventTest : public SizedRecordsTest {};

TEST_F(EventTest, KindTableShapesTheParameters) {
    int withStrings = 0;
    std::vector<int> startKinds;
    for (int k = 0; k < EACT_KIND_COUNT; ++k) {
        withStrings += g_EventActKind[k].nStrNum;
        if (g_EventActKind[k].bStartEvent) startKinds.push_back(k);
    }
    EXPECT_EQ(1, withStrings);
    EXPECT_EQ((std::vector<int>{11, 15, 16, 17, 19, 20, 21, 22, 23}), startKinds);
    EXPECT_STREQ("", g_EventActKind[0].strName);
    EXPECT_STREQ("引き返す", g_EventActKind[26].strName);
    EXPECT_EQ(26, g_EventActKind[EACT_MESSAGE].nIntNum);
    EXPECT_EQ(16, g_EventActKind[EACT_STATUS].nIntNum);
    // Readers outside the table get kind 0.
    EXPECT_EQ(&g_EventActKind[0], &EventActKind(27));
    EXPECT_EQ(&g_EventActKind[0], &EventActKind(-1));
}

TEST_F(EventTest, ShiftParamsUpLosesTheLastValue) {
    struct Case {
        Ints before;
        int at;
        Ints after;
    } cases[] = {
        {{1, 2, 3, 4}, 1, {1, 2, 2, 3}},
        {{1, 2, 3, 4}, 3, {1, 2, 3, 4}},
        {{1, 2, 3, 4}, 0, {1, 1, 2, 3}},
        {{1, 2}, 5, {1, 2}},  // beyond the list: nothing
        {{}, 0, {}},
    };
    for (const Case& c : cases) {
        VECTOR_CLASS<int> v(c.before.begin(), c.before.end());
        ShiftParamsUp(v, c.at);
        EXPECT_EQ(c.after, AsInts(v)) << "at " << c.at;
    }
}

// Lists: 5 pictures, sounds, BGMs, allies and lands; 3 skill lists of 4
// skills; a 20 × 15 stage with 4 position groups.
TEST_F(EventTest, FixupParamsClampsByKind) {
    struct Case {
        int kind;
        Ints before;
        Ints after;
    } cases[] = {
        {EACT_PICTURE, {7}, {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {EACT_WAIT, {-5, 9, 9}, {-5}},
        {EACT_SETMAPCURSOR, {3, 0, 25, -1}, {3, 1, 19, 0}},
        {EACT_SETMAPCURSOR, {3, 9, 19, 14}, {3, 3, 19, 14}},
        {EACT_WARP, {9, 20, 15, 9}, {9, 19, 14, 9}},
        {EACT_CREASEENEMYGROUP, {999, -999, 7}, {999, -999, 7}},
        {EACT_PUTFRIEND, {0, 7, 7, -2, 99, 7}, {1, 7, 7, 0, 14, 7}},
        {EACT_PUTFRIEND, {5, 0, 0, 0, 0, 0}, {4, 0, 0, 0, 0, 0}},
        {EACT_CHANGESTARTPOS, {0}, {1}},
        {EACT_CHANGEMAPCHIP, {1, 1, 5, -1, 4}, {1, 1, 4, 0, 3}},
        {EACT_PLAYSOUND, {0}, {1}},
        {EACT_CHANGEBGM, {77, 0}, {77, 0}},  // "なし"
        {EACT_CHANGEBGM, {77, -1}, {77, 0}},
        {EACT_CHANGEBGM, {77, 5}, {77, 4}},
        {EACT_ACQUIRESKILL, {5, 2}, {0, 1}},
        {EACT_ACQUIRESKILL, {2, 4}, {2, 1}},
        {EACT_CREASESTOCK, {-1, 3, 8}, {0, 1, 8}},
        {EACT_ADDSHOPSKILL, {1, 3, 8, 9}, {1, 3, 8, 9}},
        {EACT_GETRANDOMSKILL, {3, 50, 1, 1, 1}, {0, 50, 1, 1, 1}},
        {EACT_CHANGEFRIENDSHOP, {9, 1}, {4, 1}},
        {EACT_CHANGEPARTY, {-3, 1}, {1, 1}},
        {EACT_STAGECLEAR, {1, 2}, {}},
    };
    for (const Case& c : cases) {
        cEventAct act;
        act.Kind = c.kind;
        act.Ints.assign(c.before.begin(), c.before.end());
        act.FixupParams(ProjectFixupInputs());
        EXPECT_EQ(c.after, AsInts(act.Ints)) << "kind " << c.kind;
        EXPECT_EQ(static_cast<size_t>(g_EventActKind[c.kind].nStrNum), act.Strs.size());
    }
}

TEST_F(EventTest, FixupParamsAtEmptyAndTinyLists) {
    ProjectSizes sizes;
    sizes.pictures = 0;
    sizes.friends = 1;
    sizes.skillLists = 0;
    ApplySizes(sizes);
    struct Case {
        int kind;
        int p0;
        int p1;
        int expect0;
        int expect1;
    } cases[] = {
        {EACT_PICTURE, 3, 0, -1, 0},  // the lower bound is tested first
        {EACT_PICTURE, -2, 0, 0, 0},       {EACT_CHANGEPARTY, 0, 0, 1, 0},
        {EACT_CHANGEPARTY, 3, 0, 0, 0},    {EACT_ACQUIRESKILL, 0, 0, 0, 1},  // no skill list at all: never indexed
        {EACT_GETRANDOMSKILL, 2, 0, 0, 0},
    };
    for (const Case& c : cases) {
        cEventAct act;
        act.Kind = c.kind;
        act.FixupParams(ProjectFixupInputs());
        act.Ints.At(0) = c.p0;
        act.Ints.At(1) = c.p1;
        act.FixupParams(ProjectFixupInputs());
        EXPECT_EQ(c.expect0, act.Ints[0]) << "kind " << c.kind << " p0 " << c.p0;
        EXPECT_EQ(c.expect1, act.Ints[1]) << "kind " << c.kind << " p0 " << c.p0;
    }
}

// "なし" of a BGM change is kept by the stage file and by the start event's.
TEST_F(EventTest, BgmNoneSurvivesSaveAndLoad) {
    cEventAct none;
    none.Kind = EACT_CHANGEBGM;
    none.FixupParams(ProjectFixupInputs());
    ASSERT_EQ((Ints{0, 0}), AsInts(none.Ints));
    cEvent event;
    event.Pages.At(0).Acts.push_back(none);
    event.Pages.At(0).Acts.back().Ints.At(0) = 2;

    g_Stage.Events.push_back(event);
    cStage stage = RoundTrip(g_Stage);
    ASSERT_EQ(1u, stage.Events.size());
    EXPECT_EQ((Ints{2, 0}), AsInts(stage.Events[0].Pages.At(0).Acts.At(0).Ints)) << "stage";

    ScratchFolder folder("start_event_bgm");
    FolderCreate("data");
    FolderCreate("data\\database");
    ASSERT_TRUE(event.SaveFile(g_PathTable.StartEvent));
    cEvent start;
    ASSERT_TRUE(start.LoadFile(g_PathTable.StartEvent));
    EXPECT_EQ((Ints{2, 0}), AsInts(start.Pages.At(0).Acts.At(0).Ints)) << "start event";
    EXPECT_TRUE(m_mainWindow.Actions().empty());
}

TEST_F(EventTest, KindOutsideTheTableBecomesNone) {
    for (int kind : {27, 100, -1}) {
        cEventAct act;
        ASSERT_TRUE(ReadAs(act, DATA_VERSION, ActBytes(kind, {1, 2, 3}, {"x"})));
        EXPECT_EQ(EACT_NONE, act.Kind);
        EXPECT_TRUE(act.Ints.empty());
        EXPECT_TRUE(act.Strs.empty());
    }
}

TEST_F(EventTest, OldShopListIsReadAndNeverWritten) {
    // A shop action of version 54: its old list of two shop skills (skill only).
    // Today's kind 20 was stored as 18 then (kinds were inserted at 67 and 95).
    Bytes old = ActBytes(18, {1, 2});
    old.U32(2).I32(3).I32(2);
    cEventAct act;
    ASSERT_TRUE(ReadAs(act, 54, old));
    EXPECT_EQ(EACT_ADDSHOPSKILL, act.Kind);
    EXPECT_EQ((Ints{1, 2, 0, 0}), AsInts(act.Ints));
    const std::string saved = Saved(act);
    EXPECT_EQ(ActBytes(EACT_ADDSHOPSKILL, {1, 2, 0, 0}).str(), saved);
    cEventAct again;
    ASSERT_TRUE(ReadAs(again, DATA_VERSION, saved));
    EXPECT_TRUE(again.Compare(act));
}

TEST_F(EventTest, SaveWritesExactlyTheKindsCounts) {
    cEventAct act;
    act.Kind = EACT_MESSAGE;
    act.Ints.assign(40, 3);
    act.Strs.assign(3, "a");
    const std::string bytes = Saved(act);
    EXPECT_EQ(ActBytes(EACT_MESSAGE, Ints(26, 3), {"a"}).str(), bytes);
}

TEST_F(EventTest, PageFixupResetsGroupAndAlly) {
    struct Case {
        int groups;
        int friends;
        int group;
        int ally;
        int expectGroup;
        int expectAlly;
    } cases[] = {
        {4, 5, 3, 4, 3, 4}, {4, 5, 4, 5, 0, 0}, {4, 5, -1, -1, 0, 0}, {1, 5, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ProjectSizes sizes;
        sizes.groups = c.groups;
        sizes.friends = c.friends;
        ApplySizes(sizes);
        cEventPage page;
        page.Group = c.group;
        page.Friend = c.ally;
        const std::string bytes = Saved(page);
        EXPECT_EQ(c.expectGroup, page.Group);
        EXPECT_EQ(c.expectAlly, page.Friend);
        cEventPage read;
        ASSERT_TRUE(ReadAs(read, DATA_VERSION, bytes));
        EXPECT_TRUE(read.Compare(page));
    }
    // A default page on a stage with fewer than two groups.
    ProjectSizes one;
    one.groups = 1;
    ApplySizes(one);
    EXPECT_EQ(0, cEventPage().Group);
}

TEST_F(EventTest, EventPaletteFallsBackToTheDefaultPalette) {
    ScratchFolder folder("eventplt_test");
    FolderCreate("data");
    VECTOR_CLASS<cEvent> palette(3);
    EXPECT_EQ(0, LoadEventPalette(palette));  // neither file
    ASSERT_EQ(1u, palette.size());
    EXPECT_EQ("デフォルト", palette[0].Name);
    EXPECT_EQ(1u, palette[0].Pages.size());

    FolderCreate("data\\plt");
    VECTOR_CLASS<cEvent> plt(2);
    plt[1].Name = "扉";
    ASSERT_TRUE(SaveRecordList(plt, g_szDefaultEventPalette));
    EXPECT_EQ(0, LoadEventPalette(palette));
    ASSERT_EQ(2u, palette.size());
    EXPECT_EQ("扉", palette[1].Name);

    plt.resize(1);
    ASSERT_TRUE(SaveRecordList(plt, g_PathTable.EventPlt));
    EXPECT_EQ(1, LoadEventPalette(palette));
    EXPECT_EQ(1u, palette.size());
}

}  // namespace
