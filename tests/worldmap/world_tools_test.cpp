// The world-map tools as plain functions: the chip pen and the rectangle
// pick-up over narrow maps, stage numbering and placing over occupied cells.
#include "worldmap/world_tools.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A map `width` cells wide and 4 high whose cell (x, y) holds (x + y) % 4,
// with `chips` chip kinds.
std::unique_ptr<cWorldMap> NumberedMap(int width, int chips) {
    std::unique_ptr<cWorldMap> map(new cWorldMap);
    map->Chips.assign(chips, cWorldChip());
    map->Resize(width, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < width; ++x) map->SetChip(x, y, (x + y) % 4);
    return map;
}

cWorldEvent Stage(int number, int type = WEVENT_STAGE) {
    cWorldEvent event;
    event.Pages[0].Type = type;
    event.Pages[0].StageNo = number;
    return event;
}

}  // namespace

TEST(ChipTools, PenPaintsOnlyChipsThatExistAndOnlyOnTheMap) {
    auto map = NumberedMap(3, 4);  // stride 4: column 3 is padding
    std::unique_ptr<cWorldEditState> st(new cWorldEditState);
    st->BrushW = st->BrushH = 2;
    st->Brush[0][0] = 9;  // names no chip
    st->Brush[0][1] = 2;
    st->Brush[1][0] = CHIP_NONE;
    st->Brush[1][1] = 3;
    EXPECT_EQ(2, WorldPenChips(*map, *st, 1, 2));
    const struct { int x, y, chip; } after[] = {{1, 2, 3}, {2, 2, 2}, {1, 3, 0}, {2, 3, 3}};
    for (const auto& a : after) EXPECT_EQ(a.chip, map->ChipAt(a.x, a.y)) << a.x << "," << a.y;
    // The right column of the brush falls beyond the map, on the row padding.
    st->Brush[0][0] = st->Brush[1][0] = 1;
    WorldPenChips(*map, *st, 2, 0);
    EXPECT_EQ(1, map->ChipAt(2, 0));
    EXPECT_EQ(0, map->Cells[3]);
    EXPECT_EQ(0, map->Cells[(1 << map->Shift) + 3]);
}

TEST(ChipTools, RectangleBeyondANarrowMapPicksNothingThere) {
    auto map = NumberedMap(3, 4);
    std::unique_ptr<cWorldEditState> st(new cWorldEditState);
    // A brush full of a chip from an earlier pick-up.
    for (auto& row : st->Brush)
        for (int& chip : row) chip = 3;
    WorldSelectStart(*st, 4, 2);  // dragged from beyond the map back into it
    EXPECT_EQ(-1, st->SelIndex);
    EXPECT_EQ(1, st->Selecting);
    WorldSelectEnd(*map, *st, 1, 1);
    EXPECT_EQ(0, st->Dragging);
    EXPECT_EQ(0, st->Selecting) << "the pen ends the selection";
    ASSERT_EQ(4, st->BrushW);
    ASSERT_EQ(2, st->BrushH);
    EXPECT_EQ(2, st->Brush[0][0]);  // (1, 1)
    EXPECT_EQ(0, st->Brush[1][1]);  // (2, 2)
    EXPECT_EQ(CHIP_NONE, st->Brush[0][2]);
    EXPECT_EQ(CHIP_NONE, st->Brush[1][3]);
    // Painted at (0, 0): the two columns that came from beyond the map leave
    // (2, 0) and (2, 1) as they were instead of painting the old chip 3.
    WorldBeginEdit(*map, *st);
    WorldPenChips(*map, *st, 0, 0);
    EXPECT_EQ(2, map->ChipAt(0, 0));
    EXPECT_EQ(0, map->ChipAt(1, 1));
    EXPECT_EQ(2, map->ChipAt(2, 0));
}

TEST(ChipTools, RectangleIsCutToTheBrush) {
    auto map = NumberedMap(200, 4);
    map->Resize(200, 150);
    std::unique_ptr<cWorldEditState> st(new cWorldEditState);
    WorldSelectStart(*st, 0, 0);
    WorldSelectEnd(*map, *st, 218, 160);  // the view reaches 19 cells past the last origin
    EXPECT_EQ(cWorldEditState::BRUSH_COLUMNS, st->BrushW);
    EXPECT_EQ(cWorldEditState::BRUSH_ROWS, st->BrushH);
}

TEST(WorldTools, StageNumbersLeaveOutTheReplacedEvent) {
    std::unique_ptr<cWorldMap> map(new cWorldMap);
    for (int n = 1; n <= 999; ++n) {
        cWorldEvent e = Stage(n);
        map->PlaceAt(e, n % 200, n / 200);
    }
    EXPECT_EQ(0, map->FindFreeStageNumber(nullptr)) << "all 999 taken";
    cWorldEvent road = Stage(0, WEVENT_ROAD);
    map->FixupEvents(road, nullptr);
    EXPECT_EQ(0, road.Pages[0].StageNo) << "a road keeps its number";
    // Stage 7 stands on (7, 0): placing there may take its number again.
    EXPECT_EQ(7, map->FindFreeStageNumber(map->FindAt(7, 0)));

    // Placing on an occupied cell replaces what stood there.
    cWorldEvent replacing = Stage(0);
    map->FixupEvents(replacing, map->FindAt(7, 0));
    const size_t count = map->Events.size();
    map->PlaceAt(replacing, 7, 0);
    EXPECT_EQ(count, map->Events.size());
    EXPECT_EQ(7, map->FindAt(7, 0)->Pages[0].StageNo);
}

TEST(WorldTools, EventPenPlacesOnlyOnTheMapWithATemplate) {
    std::unique_ptr<cWorldMap> map(new cWorldMap);  // 20 x 15
    std::unique_ptr<cWorldEditState> st(new cWorldEditState);
    cWorldEvent work;
    int edits = 0, answer = 1;
    WorldEventEditor editor = [&](cWorldEvent& event, int isNew) {
        ++edits;
        event.Name = isNew ? "edited new" : "edited placed";
        return answer;
    };
    const struct {
        int selIndex, x, y;
        cWorldPlaceOptions options;
        int answer, added, edits;
        const char* name;  // of the event on the cell afterwards, or none
    } cases[] = {
        {-1, 3, 3, {0, 0, 0}, 1, 0, 0, nullptr},         // no template chosen
        {0, 20, 3, {0, 0, 0}, 1, 0, 0, nullptr},         // beyond the map
        {0, 3, 3, {0, 0, 0}, 1, 1, 0, "template"},       // placed at once
        {0, 3, 3, {1, 1, 0}, 1, 0, 1, "edited placed"},  // the placed one edited in place
        {0, 4, 3, {1, 1, 0}, 0, 0, 1, nullptr},          // edited first, cancelled
        {0, 4, 3, {0, 1, 0}, 1, 1, 1, "edited new"},     // edited first, placed
    };
    for (const auto& c : cases) {
        st->SelIndex = c.selIndex;
        st->BrushW = st->BrushH = c.selIndex < 0 ? 0 : 1;
        st->PlaceEvent.Name = "template";
        answer = c.answer;
        edits = 0;
        const size_t before = map->Events.size();
        WorldPenEvent(*map, *st, c.options, c.x, c.y, work, editor);
        EXPECT_EQ(c.edits, edits) << c.x << " " << c.options.EditIfPlaced;
        EXPECT_EQ(before + c.added, map->Events.size()) << c.x << " " << c.options.EditIfPlaced;
        const cWorldEvent* there = map->FindAt(c.x, c.y);
        EXPECT_EQ(c.name != nullptr, there != nullptr) << c.x;
        if (c.name && there) {
            EXPECT_EQ(c.name, there->Name);
        }
    }
}
