// The world map: row pitch, old layouts, world-event pages of older files,
// the fix-up and the stage numbering.
#include <vector>

#include "base/paths.h"
#include "tests/model/records3_support.h"

namespace {

using Ints = std::vector<int>;

struct WorldHead {
    int width = 20, height = 15, pitch = 32, shift = 5, startX = 3, startY = 4, back = 2,
        useImage = 1;
    std::string name = "大陸", image = ".\\image\\world.png";
};

// Everything before the chip table, in the layout of version v.
Bytes HeadBytes(int v, const WorldHead& h) {
    Bytes b;
    b.I32(h.width).I32(h.height).I32(h.pitch).I32(h.shift).I32(h.startX).I32(h.startY);
    if (v >= 66)
        b.I32(h.back);
    else if (v >= 20)
        b.U8(0x10).U8(0x20).U8(0x30);
    else
        b.I32(0x102030);
    return b.I32(h.useImage).Str(h.name).Str(h.image);
}

Bytes ChipTable(int count) {
    Bytes b;
    b.U32(static_cast<uint32_t>(count));
    for (int i = 0; i < count; ++i) b.I32(i).I32(i % 2).I32(i + 10).Str("草原").Str("sub");
    return b;
}

Bytes Cells(const Ints& cells) {
    Bytes b;
    b.U32(static_cast<uint32_t>(cells.size()));
    for (int c : cells) b.I32(c);
    return b;
}

// One page of type `type`, stage `stageNo`, in the layout of version v.
Bytes PageBytes(int v, int type, int stageNo, const std::string& file) {
    Bytes b;
    b.I32(type).I32(2).I32(stageNo).I32(1).I32(0).I32(0).I32(0).I32(5).I32(6).I32(2);
    if (v >= 54) b.I32(1).I32(7).I32(8);
    if (v >= 107) b.Str("洞窟");
    return b.Str(file);
}

Bytes EventList(int v, const std::vector<std::pair<int, int>>& cells) {
    Bytes b;
    b.U32(static_cast<uint32_t>(cells.size()));
    for (const auto& c : cells)
        b.I32(c.first).I32(c.second).Str("町").U32(1).Append(PageBytes(v, 0, 1, ""));
    return b;
}

Bytes WorldFile(int v, const WorldHead& h, int chips, const Ints& cells) {
    Bytes b = HeadBytes(v, h);
    b.Append(ChipTable(chips)).Append(Cells(cells));
    b.Append(EventList(v, {{1, 1}})).Append(EventList(v, {{0, 0}, {0, 0}}));
    return b;
}

class WorldMapTest : public RecordsTest {};

TEST_F(WorldMapTest, PitchIsTheSmallestPowerOfTwoNotBelowTheWidth) {
    struct Case {
        int width, shift, pitch;
    } cases[] = {{0, 1, 2},   {1, 0, 1},   {2, 1, 2},   {3, 2, 4},
                 {17, 5, 32}, {32, 5, 32}, {33, 6, 64}, {200, 8, 256}};
    for (const Case& c : cases) {
        cWorldMap map;
        map.Resize(c.width, 2);
        EXPECT_EQ(c.shift, map.Shift) << c.width;
        EXPECT_EQ(c.pitch, map.Pitch) << c.width;
        EXPECT_EQ(static_cast<size_t>(c.pitch * 2), map.Cells.size()) << c.width;
    }
}

TEST_F(WorldMapTest, NewWorldMapAndItsFile) {
    cWorldMap map;
    EXPECT_EQ(9, map.StartX);
    EXPECT_EQ(7, map.StartY);
    EXPECT_TRUE(map.Chips.empty());
    ASSERT_EQ(1u, map.EventTemplates.size());
    EXPECT_EQ("デフォルト", map.EventTemplates[0].Name);
    ASSERT_EQ(1u, map.EventTemplates[0].Pages.size());
    EXPECT_EQ(1, map.EventTemplates[0].Pages[0].SetVar);

    WorldHead h{20, 15, 32, 5, 9, 7, 1, 0, "ワールド", ""};
    // A new page is all 0 but the common variable it sets (1).
    Bytes page;
    for (int i = 0; i < 11; ++i) page.I32(0);
    page.I32(1).I32(0).Str("").Str("");
    Bytes expected = HeadBytes(DATA_VERSION, h);
    expected.U32(0)
        .Append(Cells(Ints(480, 0)))
        .U32(0)
        .U32(1)
        .I32(0)
        .I32(0)
        .Str("デフォルト")
        .U32(1)
        .Append(page);
    EXPECT_TRUE(SameBytes(expected.str(), Saved(map)));
}

TEST_F(WorldMapTest, ResizeKeepsTheSharedRectangle) {
    cWorldMap map;
    map.Resize(33, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 33; ++x) map.SetChip(x, y, x + 100 * y);
    map.Resize(17, 5);
    EXPECT_EQ(32, map.Pitch);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ((y < 3 && x < 17) ? x + 100 * y : 0,
                      map.Cells[static_cast<size_t>(y * 32 + x)])
                << x << "," << y;
}

TEST_F(WorldMapTest, OldBackgroundFieldsAreDropped) {
    struct Case {
        int version;
        int back;  // expected
    } cases[] = {{10, 1}, {19, 1}, {20, 1}, {50, 1}, {65, 1}, {66, 2}, {DATA_VERSION, 2}};
    for (const Case& c : cases) {
        cWorldMap map;
        ASSERT_TRUE(ReadAs(map, c.version, WorldFile(c.version, WorldHead(), 3, Ints(480, 1))))
            << c.version;
        EXPECT_EQ(c.back, map.BackNo) << c.version;
        EXPECT_EQ("大陸", map.Name) << c.version;
        EXPECT_EQ(1u, map.Events.size()) << c.version;
        EXPECT_EQ(2u, map.EventTemplates.size()) << c.version;
    }
}

TEST_F(WorldMapTest, ChipTableBefore98IsTheTenFixedKinds) {
    cWorldMap old;
    ASSERT_TRUE(ReadAs(old, 97, WorldFile(97, WorldHead(), 3, Ints(480, 7))));
    ASSERT_EQ(10u, old.Chips.size());
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(i, old.Chips[i].nGraphic);
        EXPECT_EQ(i < 5 ? 1 : 0, old.Chips[i].bImpassable);
        EXPECT_EQ("", old.Chips[i].strSub);
    }
    EXPECT_EQ(7, old.ChipAt(0, 0));  // valid against the ten kinds

    cWorldMap own;
    ASSERT_TRUE(ReadAs(own, 98, WorldFile(98, WorldHead(), 0, Ints(480, 7))));
    EXPECT_TRUE(own.Chips.empty());
    EXPECT_EQ(0, own.ChipAt(0, 0));
}

TEST_F(WorldMapTest, PagesOfOlderFiles) {
    struct Case {
        int version;
        std::string stored, loaded;
        std::string stageName;
        int setVar;
    } cases[] = {
        {53, "data\\stg\\cave.stg", "data\\stg\\cave.stg2", "", 1},
        {105, ".\\data\\stg\\洞窟.stg", ".\\data\\stg\\洞窟.stg2", "", 7},
        {105, "data\\stg.old\\cave", "data\\stg.old\\cave", "", 7},
        {105, "", "", "", 7},
        {106, "data\\stg\\cave.stg", "data\\stg\\cave.stg", "", 7},
        {107, "data\\stg\\cave.stg", "data\\stg\\cave.stg", "洞窟", 7},
        {105, "data\\" + std::string(300, 'a') + ".stg", "data\\" + std::string(300, 'a') + ".stg",
         "", 7},
    };
    for (const Case& c : cases) {
        cWorldEventPage page;
        ASSERT_TRUE(ReadAs(page, c.version, PageBytes(c.version, 0, 3, c.stored))) << c.version;
        EXPECT_EQ(c.loaded, page.StageFile) << c.version << " " << c.stored;
        EXPECT_EQ(c.stageName, page.StageName) << c.version;
        EXPECT_EQ(c.setVar, page.SetVar) << c.version;
        EXPECT_EQ(3, page.StageNo);
        EXPECT_EQ(2, page.CondCompare);
    }
    // Written with all fifteen fields whatever it was read from.
    cWorldEventPage page;
    ASSERT_TRUE(ReadAs(page, 53, PageBytes(53, 0, 3, "a.stg")));
    Bytes full;
    full.I32(0)
        .I32(2)
        .I32(3)
        .I32(1)
        .I32(0)
        .I32(0)
        .I32(0)
        .I32(5)
        .I32(6)
        .I32(2)
        .I32(0)
        .I32(1)
        .I32(0)
        .Str("")
        .Str("a.stg2");
    EXPECT_TRUE(SameBytes(full.str(), Saved(page)));
}

TEST_F(WorldMapTest, EventsCopyAndCompareWithTheirPages) {
    cWorldEvent a;
    a.Pages.resize(3);
    a.Pages[2].StageFile = "x.stg2";
    cWorldEvent b;
    b = a;
    EXPECT_TRUE(b.Compare(a));
    b.Pages.pop_back();
    EXPECT_FALSE(b.Compare(a));
    cWorldEvent none;
    none.Pages.clear();
    ASSERT_TRUE(ReadAs(none, DATA_VERSION, Saved(none)));
    EXPECT_TRUE(none.Pages.empty());
    none.ClearToNew();
    EXPECT_EQ(1u, none.Pages.size());
}

// 5 backgrounds in the media database.
TEST_F(WorldMapTest, FixupBringsEverythingIntoRange) {
    cWorldMap map;
    map.Chips.resize(3);
    map.StartX = 25;
    map.StartY = -1;
    map.BackNo = 5;
    map.SetChip(0, 0, 3);
    map.SetChip(1, 0, -2);
    map.SetChip(2, 0, 2);
    map.Events.resize(3);
    map.Events[0].X = 20;
    map.Events[1].Y = 14;
    map.Events[2].Y = 15;
    map.Fixup(ProjectFixupInputs());
    EXPECT_EQ(19, map.StartX);
    EXPECT_EQ(-1, map.StartY);
    EXPECT_EQ(1, map.BackNo);
    EXPECT_EQ(0, map.ChipAt(0, 0));
    EXPECT_EQ(0, map.ChipAt(1, 0));
    EXPECT_EQ(2, map.ChipAt(2, 0));
    ASSERT_EQ(1u, map.Events.size());
    EXPECT_EQ(14, map.Events[0].Y);
}

TEST_F(WorldMapTest, GeometryIsNotTakenFromTheFile) {
    struct Case {
        int width, height, pitch, cells;
        bool loads;
    } cases[] = {
        {20, 15, 32, 480, true},   {20, 15, 7, 480, true},   {200, 150, 256, 256 * 150, true},
        {201, 1, 256, 256, false}, {1, 151, 1, 151, false},  {0, 15, 1, 15, false},
        {20, 15, 20, 300, false},  {20, 15, 32, 481, false}, {-4, 15, 32, 480, false},
    };
    for (const Case& c : cases) {
        WorldHead h;
        h.width = c.width;
        h.height = c.height;
        h.pitch = c.pitch;
        h.shift = 30;
        cWorldMap map;
        EXPECT_EQ(c.loads,
                  ReadAs(map, DATA_VERSION,
                         WorldFile(DATA_VERSION, h, 2, Ints(static_cast<size_t>(c.cells), 0))))
            << c.width << "x" << c.height;
        if (c.loads) {
            EXPECT_EQ(1 << map.Shift, map.Pitch);
        }
    }
}

TEST_F(WorldMapTest, StageNumbers) {
    cWorldMap& map = g_WorldMap;
    EXPECT_EQ(1, map.FindFreeStageNumber(nullptr));
    map.Events.resize(4);
    auto page = [](int type, int no) {
        cWorldEventPage p;
        p.Type = type;
        p.StageNo = no;
        return p;
    };
    map.Events[0].Pages = {page(0, 1), page(0, 2)};
    map.Events[1].Pages = {page(0, 4), page(1, 3)};  // a road's number does not count
    map.Events[2].Pages = {page(0, 3)};              // excluded below
    map.Events[3].Pages.clear();
    EXPECT_EQ(3, FindFreeStageNumber(&map.Events[2]));
    EXPECT_EQ(5, map.FindFreeStageNumber(nullptr));

    cWorldEvent fresh;
    fresh.Pages = {page(0, 0), page(2, 9), page(0, 77)};
    map.FixupEvents(fresh, &map.Events[2]);
    EXPECT_EQ(3, fresh.Pages[0].StageNo);
    EXPECT_EQ(9, fresh.Pages[1].StageNo);
    EXPECT_EQ(3, fresh.Pages[2].StageNo);

    map.Events.assign(1, cWorldEvent());
    map.Events[0].Pages.clear();
    for (int n = 1; n <= 999; ++n) map.Events[0].Pages.push_back(page(0, n));
    EXPECT_EQ(0, map.FindFreeStageNumber(nullptr));
    EXPECT_EQ(1, map.FindFreeStageNumber(&map.Events[0]));
}

TEST_F(WorldMapTest, PlaceAndRemoveEvents) {
    cWorldMap map;
    cWorldEvent event;
    event.Name = "町";
    map.PlaceAt(event, 2, 3);
    map.PlaceAt(event, 2, 3);
    ASSERT_EQ(1u, map.Events.size());
    EXPECT_EQ(2, event.X);
    EXPECT_TRUE(map.HasEventAt(2, 3));
    EXPECT_EQ(&map.Events[0], map.FindAt(2, 3));
    EXPECT_EQ(0, map.RemoveEvent(&event));
    EXPECT_EQ(1, map.RemoveEvent(map.FindAt(2, 3)));
    EXPECT_EQ(0, map.RemoveEventsAt(2, 3));
    map.SetChip(5, 5, 4);
    map.ClearChips();
    EXPECT_EQ(0, map.Cells.CountNonZero());
}

TEST_F(WorldMapTest, FileRoundTripThroughTheDatabaseFolder) {
    ScratchFolder folder("worldmap_file");
    FolderCreate("data");
    FolderCreate("data\\database");
    cWorldMap map;
    map.Resize(40, 30);
    map.Chips.resize(4);
    map.SetChip(39, 29, 3);
    map.PlaceAt(map.EventTemplates[0], 10, 10);
    ASSERT_TRUE(map.SaveFile(g_PathTable.WorldMap));
    cWorldMap read;
    ASSERT_TRUE(read.LoadFile(g_PathTable.WorldMap));
    EXPECT_TRUE(read.Compare(map));
    EXPECT_EQ(3, read.ChipAt(39, 29));
}

}  // namespace
