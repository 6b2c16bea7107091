// The media pages' window-free rules: the name a file gives a record, the
// frame rows, and the animation sequences of both kinds stepped through
// hostile frames.
#include "database/media/media_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "database/media/effect_sequence.h"

namespace {

TEST(MediaRules, NameFromFile) {
    const struct {
        const char* path;
        int renamed;
        const char* name;
    } cases[] = {
        {"wave\\se\\door.wav", 1, "door"},
        {"bgm\\Battle01.mid", 1, "Battle01"},
        {"image\\picture\\町の地図.png", 1, "町の地図"},
        {"wave\\ソ.wav", 1, "ソ"},  // the trail byte of ソ is a backslash
        {"bgm\\x.tar.ogg", 1, "x.tar"},
        {"wave\\noext", 0, "keep"},
        {"a.b\\c", 0, "keep"},  // a full stop in a folder is no extension
        {"", 0, "keep"},
    };
    for (const auto& c : cases) {
        std::string name = "keep";
        EXPECT_EQ(c.renamed, NameFromFile(c.path, &name)) << c.path;
        EXPECT_EQ(c.name, name) << c.path;
    }
}

TEST(MediaRules, FrameRowsShowCellTimeMovesAndTheEffectStart) {
    const struct {
        int cel, time, x, y, effect, instant;
        const char* chara;
        const char* effectRow;
    } cases[] = {
        {0, 1, 0, 0, 0, 0, "0-1", "0-1"},
        {3, 10, 8, -4, 1, 0, "3-10 X+8 Y-4 エフェクト開始", "3-10 X+8 Y-4"},
        {0, 1, 0, 5, 0, 0, "0-1 Y+5", "0-1 Y+5"},
        {2, 0, -640, 0, 0, 1, "2-0 X-640", "2-0 X-640"},  // instant moves are not shown
    };
    for (const auto& c : cases) {
        cCharaAnim chara;
        chara.nCel = c.cel, chara.nTime = c.time, chara.nMoveX = c.x, chara.nMoveY = c.y;
        chara.bEffectStart = c.effect, chara.bInstant = c.instant;
        cEffectAnim effect;
        effect.nCel = c.cel, effect.nTime = c.time, effect.nMoveX = c.x, effect.nMoveY = c.y;
        effect.bInstant = c.instant;
        std::string row;
        FormatCharaAnimRow(row, 0, chara);
        EXPECT_EQ(c.chara, row);
        FormatEffectAnimPatRow(row, 0, effect);
        EXPECT_EQ(c.effectRow, row);
    }
}

// Frames read from a file may hold any cell and time: whatever the player
// shows stays a cell of the animation (a negative one shows as cell 0), and
// an animation without frames shows cell 0, still.
template <class Pat>
std::set<int> ShownCells(std::vector<std::pair<int, int>> frames, int steps) {
    Pat anim;
    anim.vAnim.clear();
    for (auto [cell, time] : frames) {
        anim.vAnim.emplace_back();
        anim.vAnim.back().nCel = cell;
        anim.vAnim.back().nTime = time;
    }
    g_AnimPlay.Load(BuildAnimSequence(anim));
    std::set<int> cells;
    for (int i = 0; i < steps; ++i) cells.insert(g_AnimPlay.Step());
    return cells;
}

template <class Pat>
void CheckHostileFrames() {
    const struct {
        const char* name;
        std::vector<std::pair<int, int>> frames;
        std::set<int> cells;
    } cases[] = {
        {"hold code", {{ANIM_HOLD, 1}, {4, 1}}, {0, 4}},
        {"restart code", {{3, 1}, {ANIM_RESTART, 2}}, {0, 3}},
        {"jump code to a missing pattern", {{ANIM_JUMP, 7}, {5, 1}}, {0, 5}},
        {"very negative cell and time", {{-100000, -5}, {640, 999}}, {0, 640}},
        {"no frames", {}, {0}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.cells, ShownCells<Pat>(c.frames, 3000)) << c.name;
}

TEST(AnimSequence, HostileFramesStayCellsOfTheAnimationForBothKinds) {
    CheckHostileFrames<cCharaAnimPat>();
    CheckHostileFrames<cEffectAnimPat>();
}

}  // namespace
