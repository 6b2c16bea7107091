#include "database/media/effect_sequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

cEffectAnimPat Anim(std::vector<std::pair<int, int>> frames) {
    cEffectAnimPat anim;
    anim.vAnim.clear();
    for (auto [cell, time] : frames) {
        cEffectAnim frame;
        frame.nCel = cell;
        frame.nTime = time;
        anim.vAnim.push_back(frame);
    }
    return anim;
}

std::vector<int> Steps(const cEffectAnimPat& anim, int count) {
    LoadEffectPreviewSequence(anim);
    std::vector<int> cells;
    for (int i = 0; i < count; ++i) cells.push_back(g_AnimPlay.Step());
    return cells;
}

TEST(EffectSequence, FramesLoopForTheirTimes) {
    EXPECT_EQ(Steps(Anim({{0, 2}, {1, 1}}), 6), (std::vector<int>{0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(Steps(Anim({{5, 3}}), 4), (std::vector<int>{5, 5, 5, 5}));
    // A first frame of time 0 is passed over at the start only.
    EXPECT_EQ(Steps(Anim({{0, 0}, {1, 1}}), 4), (std::vector<int>{1, 0, 1, 0}));
}

TEST(EffectSequence, HostileFramesStayInsideTheSequence) {
    // Negative patterns would read as hold, restart and jump codes.
    EXPECT_EQ(Steps(Anim({{-1, 1}, {-3, 1}, {-2, 1}, {2, 1}}), 5), (std::vector<int>{0, 0, 0, 2, 0}));
    EXPECT_TRUE(BuildEffectSequence(Anim({})).empty());
    EXPECT_EQ(Steps(Anim({}), 3), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(Steps(Anim({{4, -5}}), 3), (std::vector<int>{4, 4, 4}));
}

}  // namespace
