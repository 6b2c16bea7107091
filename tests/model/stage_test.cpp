// The stage: a new stage's file, resizing, the event operations, the fix-up
// and the geometry a file may not dictate (its layouts by version are the
// file-versions test's).
#include <vector>

#include "tests/model/layouts.h"

namespace {

using Ints = std::vector<int>;

class StageTest : public SizedRecordsTest {};

TEST_F(StageTest, NewStageAndItsFile) {
    cStage stage;
    EXPECT_EQ(15, stage.Height);
    EXPECT_EQ(5, stage.Shift);
    Bytes expected = StageSettings(DATA_VERSION, -1, "ステージ");
    expected.Append(IntList(Ints(480, 0))).Append(GroupList(2, false));
    expected.U32(0).U32(0).U32(0).U32(0).U32(0);  // enemies, events, three condition lists
    EXPECT_TRUE(SameBytes(expected.str(), Saved(stage)));
}

TEST_F(StageTest, RowShiftFollowsTheWidth) {
    struct Case {
        int width, shift, stride;
    } cases[] = {{0, 0, 1}, {1, 1, 2}, {2, 2, 4}, {20, 5, 32}, {31, 5, 32}, {32, 6, 64}, {64, 7, 128}};
    for (const Case& c : cases) {
        cStage stage;
        stage.Resize(c.width, 3);
        EXPECT_EQ(c.shift, stage.Shift) << c.width;
        EXPECT_EQ(c.stride, stage.Stride) << c.width;
        EXPECT_EQ(static_cast<size_t>(c.stride * 3), stage.Chips.size());
    }
}

TEST_F(StageTest, ResizeKeepsTheSharedRectangle) {
    cStage stage;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) stage.SetChip(x, y, 100 * y + x);
    stage.Resize(10, 30);
    EXPECT_EQ(16, stage.Stride);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < stage.Stride; ++x) {
            const int expected = (y < 15 && x < 10) ? 100 * y + x : 0;
            ASSERT_EQ(expected, stage.Chips[static_cast<size_t>(y * stage.Stride + x)]) << x << "," << y;
        }
    }
    stage.Resize(20, 15);  // back: what was cut stays lost
    EXPECT_EQ(1409, stage.ChipAt(9, 14));
    EXPECT_EQ(0, stage.ChipAt(10, 0));
    // Sizes beyond the allowed ones are taken into range; cells outside read 0.
    stage.Resize(500, -3);
    EXPECT_EQ(64, stage.Width);
    EXPECT_EQ(0, stage.Height);
    EXPECT_TRUE(stage.Chips.empty());
    EXPECT_EQ(0, stage.ChipAt(0, 0));
    stage.SetChip(0, 0, 1);  // no cell: nothing happens
}

// A refused file leaves the stage as it was: the fuzzer checks that for
// every input it refuses.
TEST_F(StageTest, GeometryIsNotTakenFromTheFile) {
    struct Case {
        const char* what;
        int width, height, stride, chips;
        bool loads;
    } cases[] = {
        {"stride recomputed", 20, 15, 99, 480, true},
        {"stride that would overrun", 20, 15, 20, 300, false},
        {"width 0", 0, 15, 1, 15, false},
        {"width 65", 65, 1, 128, 128, false},
        {"negative height", 20, -1, 32, 0, false},
        {"height 65", 20, 65, 32, 32 * 65, false},
        {"largest", 64, 64, 128, 128 * 64, true},
    };
    for (const Case& c : cases) {
        Bytes b = StageSettings(DATA_VERSION, DATA_VERSION, "砦", {c.width, c.height, c.stride});
        b.Append(IntList(Ints(static_cast<size_t>(c.chips), 1))).Append(GroupList(2, false));
        b.U32(0).U32(0).U32(0).U32(0).U32(0);
        cStage stage;
        EXPECT_EQ(c.loads, ReadAs(stage, DATA_VERSION, b)) << c.what;
        if (c.loads) {
            EXPECT_EQ(1 << StageRowShift(c.width), stage.Stride) << c.what;
            EXPECT_EQ(StageRowShift(c.width), stage.Shift) << c.what;
        }
    }
}

// Lists: 5 lands, party variables, backgrounds and BGMs; 4 position groups.
TEST_F(StageTest, FixupClampsEveryReference) {
    cStage& stage = g_Stage;
    stage.StartGroup = 4;
    stage.RewardPtVal = -1;
    stage.Bgm = 5;
    stage.Back = 5;
    stage.SetChip(0, 0, 5);
    stage.SetChip(1, 0, -1);
    stage.SetChip(2, 0, 4);
    stage.Chips[25] = 9;  // beyond the width: not a map cell, left alone
    stage.PutEnemies.resize(3);
    stage.PutEnemies[0].X = 20;
    stage.PutEnemies[0].Y = 3;
    stage.PutEnemies[1].X = 19;
    stage.PutEnemies[1].Y = 14;
    stage.PutEnemies[2].X = -1;
    stage.Events.resize(4);
    stage.Events[0].X = 20;
    stage.Events[1].Y = 15;
    stage.Events[2].X = 19;
    stage.Events[2].Y = 14;
    stage.Events[3].X = 25;
    stage.WinConds.resize(1);
    stage.WinConds[0].CursorGroup = 4;
    stage.WinConds[0].X = 30;
    stage.WinConds[0].Y = -4;
    stage.WinConds[0].ShownGroup = -1;
    stage.OtherConds.resize(1);
    stage.OtherConds[0].Y = 15;
    stage.Fixup(ProjectFixupInputs());
    EXPECT_EQ(0, stage.StartGroup);
    EXPECT_EQ(1, stage.RewardPtVal);
    EXPECT_EQ(0, stage.Bgm);
    EXPECT_EQ(1, stage.Back);
    EXPECT_EQ(0, stage.ChipAt(0, 0));
    EXPECT_EQ(0, stage.ChipAt(1, 0));
    EXPECT_EQ(4, stage.ChipAt(2, 0));
    EXPECT_EQ(9, stage.Chips[25]);
    EXPECT_EQ(-1, stage.PutEnemies[0].X);
    EXPECT_EQ(-1, stage.PutEnemies[0].Y);
    EXPECT_EQ(19, stage.PutEnemies[1].X);
    ASSERT_EQ(1u, stage.Events.size());
    EXPECT_EQ(19, stage.Events[0].X);
    EXPECT_EQ(1, stage.WinConds[0].CursorGroup);
    EXPECT_EQ(19, stage.WinConds[0].X);
    EXPECT_EQ(-4, stage.WinConds[0].Y);
    EXPECT_EQ(0, stage.WinConds[0].ShownGroup);
    EXPECT_EQ(14, stage.OtherConds[0].Y);
}

// Groups, placed enemies and events repair against the stage that holds
// them, not the one being edited (20 x 15, 4 groups), when saved and loaded.
TEST_F(StageTest, RecordsRepairAgainstTheirOwnStage) {
    cStage big;
    big.Resize(40, 30);
    big.Groups.resize(8);
    big.Groups[6].Cells = {{30, 25}};
    big.PutEnemies.resize(1);
    big.PutEnemies[0].X = 30;
    big.PutEnemies[0].Y = 25;
    big.PutEnemies[0].MoveAI.resize(1);
    big.PutEnemies[0].MoveAI[0].Dest = 6;
    cEvent event;
    event.Pages[0].Group = 6;
    event.Pages[0].Acts.resize(1);
    event.Pages[0].Acts[0].Kind = EACT_WARP;
    event.Pages[0].Acts[0].Ints = {0, 35, 28, 0};
    big.PlaceAt(event, 30, 25);
    cStage back;
    ASSERT_TRUE(ReadAs(back, DATA_VERSION, Saved(big)));
    ASSERT_EQ(8u, back.Groups.size());
    EXPECT_EQ(1u, back.Groups[6].Cells.size());
    ASSERT_EQ(1u, back.PutEnemies.size());
    EXPECT_EQ(6, back.PutEnemies[0].MoveAI[0].Dest);
    ASSERT_EQ(1u, back.Events.size());
    EXPECT_EQ(6, back.Events[0].Pages[0].Group);
    EXPECT_EQ((Ints{0, 35, 28, 0}),
              Ints(back.Events[0].Pages[0].Acts[0].Ints.begin(), back.Events[0].Pages[0].Acts[0].Ints.end()));
}

TEST_F(StageTest, ChipLayerOfAnotherSizeIsFittedBeforeSaving) {
    // An undo step taken before a resize brings back a layer of the old size.
    cStage stage;
    stage.SetChip(0, 1, 3);
    VECTOR_CLASS<int> before = stage.Chips;
    stage.Resize(10, 10);
    stage.Chips = before;
    cStage read;
    ASSERT_TRUE(ReadAs(read, DATA_VERSION, Saved(stage)));
    EXPECT_EQ(160u, read.Chips.size());
    EXPECT_EQ(10, read.Width);

    cWorldMap map;
    before = map.Cells;
    map.Resize(40, 3);
    map.Cells = before;
    cWorldMap mapRead;
    ASSERT_TRUE(ReadAs(mapRead, DATA_VERSION, Saved(map)));
    EXPECT_EQ(192u, mapRead.Cells.size());
}

TEST_F(StageTest, EventOperations) {
    cStage stage;
    cEvent palette;
    palette.Name = "宝箱";
    stage.PlaceAt(palette, 3, 4);
    EXPECT_EQ(3, palette.X);
    stage.Events.push_back(stage.Events[0]);  // two events on one cell
    stage.Events.back().Name = "二つ目";
    EXPECT_TRUE(stage.HasEventAt(3, 4));
    EXPECT_FALSE(stage.HasEventAt(4, 3));
    EXPECT_EQ(&stage.Events[0], stage.FindAt(3, 4));
    EXPECT_EQ(nullptr, stage.FindAt(0, 0));

    palette.Name = "扉";
    stage.PlaceAt(palette, 3, 4);
    ASSERT_EQ(1u, stage.Events.size());
    EXPECT_EQ("扉", stage.Events[0].Name);

    // Moving one of the stage's own events onto another cell.
    stage.PlaceAt(palette, 5, 5);
    stage.PlaceAt(stage.Events[0], 5, 5);
    ASSERT_EQ(2u, stage.Events.size());
    EXPECT_EQ(3, stage.Events[0].X);  // the source stays where it was
    EXPECT_EQ(5, stage.Events[1].X);
    EXPECT_EQ(5, stage.Events[1].Y);

    const cEvent copy = stage.Events[0];
    EXPECT_EQ(0, stage.RemoveEvent(&copy));
    EXPECT_EQ(0, stage.RemoveEvent(nullptr));
    EXPECT_EQ(1, stage.RemoveEvent(&stage.Events[0]));
    EXPECT_EQ(1u, stage.Events.size());
    EXPECT_EQ(1, stage.RemoveEventsAt(stage.Events[0].X, stage.Events[0].Y));
    EXPECT_EQ(0, stage.RemoveEventsAt(0, 0));

    stage.SetChip(1, 1, 3);
    stage.Chips.back() = 2;
    stage.ClearChips();
    EXPECT_EQ(0, stage.Chips.CountNonZero());
}

}  // namespace
