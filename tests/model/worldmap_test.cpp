// The world map: row pitch, a new map's file, the page files of older
// files, the fix-up and the stage numbering (its layouts by version are the
// file-versions test's; the cell and event operations it shares with the
// stage are the stage test's).
#include <vector>

#include "tests/model/layouts.h"

namespace {

using Ints = std::vector<int>;

class WorldMapTest : public SizedRecordsTest {};

TEST_F(WorldMapTest, PitchIsTheSmallestPowerOfTwoNotBelowTheWidth) {
    struct Case {
        int width, shift, pitch;
    } cases[] = {{0, 1, 2}, {1, 0, 1}, {2, 1, 2}, {3, 2, 4}, {17, 5, 32}, {32, 5, 32}, {33, 6, 64}, {200, 8, 256}};
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
    // A new template page is all 0 but the common variable it sets (1).
    Bytes expected;
    expected.I32(20).I32(15).I32(32).I32(5).I32(9).I32(7).I32(1).I32(0).Str("ワールド").Str("");
    expected.U32(0).Append(IntList(std::vector<int>(480, 0))).U32(0);
    expected.U32(1).I32(0).I32(0).Str("デフォルト").U32(1).Append(WorldPageBytes(DATA_VERSION, -1, ""));
    EXPECT_TRUE(SameBytes(expected.str(), Saved(map)));
}

TEST_F(WorldMapTest, PagesOfOlderFiles) {
    const std::string longName = "data\\" + std::string(300, 'a') + ".stg";
    const struct {
        int version;
        std::string stored, loaded;
    } cases[] = {
        {105, ".\\data\\stg\\洞窟.stg", ".\\data\\stg\\洞窟.stg2"},
        {105, "data\\stg.old\\cave", "data\\stg.old\\cave"},
        {105, "", ""},
        {106, "data\\stg\\cave.stg", "data\\stg\\cave.stg"},
        {105, longName, longName},
    };
    for (const auto& c : cases) {
        cWorldEventPage page;
        ASSERT_TRUE(ReadAs(page, c.version, WorldPageBytes(c.version, c.version, c.stored))) << c.version;
        EXPECT_EQ(c.loaded, page.StageFile) << c.version << " " << c.stored;
        // Written with every field whatever it was read from.
        EXPECT_TRUE(SameBytes(WorldPageBytes(DATA_VERSION, c.version, c.loaded), Saved(page))) << c.version;
    }
}

TEST_F(WorldMapTest, AnEventWithoutPagesStaysSoUntilMadeNew) {
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
        {20, 15, 7, 480, true}, {200, 150, 256, 256 * 150, true}, {201, 1, 256, 256, false}, {1, 151, 1, 151, false},
        {0, 15, 1, 15, false},  {20, 15, 20, 300, false},
    };
    for (const Case& c : cases) {
        cWorldMap map;
        EXPECT_EQ(c.loads, ReadAs(map, DATA_VERSION,
                                  WorldBytes(DATA_VERSION, DATA_VERSION, {c.width, c.height, c.pitch, c.cells})))
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

}  // namespace
