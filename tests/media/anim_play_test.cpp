#include "media/anim_play.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/media/test_files.h"

namespace {

ANIM_PATTERN Pattern(std::vector<cAnimFrame> frames) {
    ANIM_PATTERN p;
    for (const cAnimFrame& f : frames) p.push_back(f);
    return p;
}

std::vector<int> Steps(cAnimPlay& player, int count) {
    std::vector<int> cells;
    for (int i = 0; i < count; ++i) cells.push_back(player.Step());
    return cells;
}

struct cSequenceCase {
    const char* name;
    std::vector<std::vector<cAnimFrame>> patterns;
    std::vector<int> expected;
};

TEST(AnimPlay, Sequences) {
    const cSequenceCase cases[] = {
        {"restart", {{{5, 2, 0}, {6, 1, 0}, {ANIM_RESTART, 0, 0}}}, {5, 5, 6, 5, 5, 6, 5, 5}},
        {"hold", {{{5, 1, 0}, {ANIM_HOLD, 0, 0}}}, {5, 5, 5, 5}},
        {"hold keeps the cell before the code", {{{3, 1, 0}, {4, 2, 0}, {ANIM_HOLD, 0, 0}}}, {3, 4, 4, 4, 4, 4}},
        {"jump starts the new pattern with tick 0",
         {{{5, 1, 0}, {ANIM_JUMP, 1, 0}}, {{9, 3, 0}, {ANIM_RESTART, 0, 0}}},
         {5, 9, 9, 9, 9, 9, 9}},
        {"zero ticks leave at the next step", {{{1, 0, 0}, {2, 0, 0}, {ANIM_RESTART, 0, 0}}}, {2, 1, 2, 1}},
        // Degenerate sequences stay inside their patterns.
        {"hold at frame 0 holds frame 0", {{{ANIM_HOLD, 0, 0}}}, {ANIM_HOLD, ANIM_HOLD}},
        {"no closing code stays on the last frame", {{{7, 1, 0}, {8, 1, 0}}}, {7, 8, 8, 8}},
        {"jump to a missing pattern restarts the current one", {{{5, 1, 0}, {ANIM_JUMP, 4, 0}}}, {5, 5, 5, 5}},
        {"empty pattern", {{}}, {0, 0}},
    };
    for (const cSequenceCase& c : cases) {
        ANIM_PATTERN_LIST list;
        for (const auto& frames : c.patterns) list.push_back(Pattern(frames));
        cAnimPlay player;
        player.Load(list);
        EXPECT_EQ(c.expected, Steps(player, static_cast<int>(c.expected.size()))) << c.name;
    }
}

TEST(AnimPlay, EmptyPlayerGivesCellZero) {
    cAnimPlay player;
    EXPECT_EQ(0, player.Step());
    EXPECT_EQ(0, player.GetCell());
    EXPECT_EQ(0, player.SetPattern(0, 1));
    EXPECT_TRUE(player.PatternAt(3).empty());
}

TEST(AnimPlay, LoadRestartsAndCopies) {
    ANIM_PATTERN_LIST list;
    list.push_back(Pattern({{5, 1, 0}, {6, 1, 0}, {ANIM_RESTART, 0, 0}}));
    cAnimPlay player;
    player.Load(list);
    Steps(player, 2);
    EXPECT_EQ(6, player.GetCell());
    list[0][0].nCell = 42;  // the player holds its own copy
    player.Load(list);
    EXPECT_EQ(0, player.GetFrameIndex());
    EXPECT_EQ(0, player.GetTick());
    EXPECT_EQ(42, player.GetCell());
    EXPECT_EQ(42, player.Step());
}

TEST(AnimPlay, HoldFlagRefusesUnforcedSwitch) {
    ANIM_PATTERN_LIST list;
    list.push_back(Pattern({{5, 3, 1}, {ANIM_RESTART, 0, 0}}));
    list.push_back(Pattern({{9, 1, 0}, {ANIM_HOLD, 0, 0}}));
    cAnimPlay player;
    player.Load(list);
    player.Step();
    EXPECT_EQ(0, player.SetPattern(1, 0));
    EXPECT_EQ(0, player.GetPatternIndex());
    EXPECT_EQ(1, player.GetTick());
    EXPECT_EQ(1, player.SetPattern(1, 1));
    EXPECT_EQ(1, player.GetPatternIndex());
    EXPECT_EQ(9, player.GetCell());
    // Without the hold flag an unforced switch goes through.
    EXPECT_EQ(1, player.SetPattern(0, 0));
    EXPECT_EQ(0, player.SetPattern(-1, 1));  // missing: refused, current restarts
    EXPECT_EQ(0, player.GetPatternIndex());
    EXPECT_EQ(0, player.GetFrameIndex());
}

// The index error goes to the report log and to the second log.
TEST(AnimPlay, PatternAtOutsideGivesPatternZero) {
    LogCapture log;
    ANIM_PATTERN_LIST list;
    list.push_back(Pattern({{5, 1, 0}}));
    list.push_back(Pattern({{6, 1, 0}, {7, 1, 0}}));
    cAnimPlay player;
    player.Load(list);
    EXPECT_EQ(2u, player.PatternAt(1).size());
    EXPECT_EQ(5, player.PatternAt(2)[0].nCell);
    EXPECT_EQ(5, player.PatternAt(-1)[0].nCell);
    const std::vector<std::string> lines = {"err V[2] ( 2 , 24 )", "err V[-1] ( 2 , 24 )"};
    EXPECT_EQ(lines, log.Report());
    EXPECT_EQ(lines, log.Ec());
}

}  // namespace
