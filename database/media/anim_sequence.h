// The animation previews' sequences for the shared player: one pattern per
// animation, one entry per frame and a closing restart.
#pragma once

#include "media/anim_play.h"
#include "model/media_records.h"

// The one pattern an animation plays as. A negative cell number from a file
// becomes cell 0, so that no frame reads as a control code; an animation
// without frames gives no pattern at all (the player then shows cell 0, still).
template <class Pat>
ANIM_PATTERN_LIST BuildAnimSequence(const Pat& anim) {
    ANIM_PATTERN_LIST list;
    if (anim.vAnim.empty()) return list;
    ANIM_PATTERN pattern;
    for (const auto& frame : anim.vAnim) pattern.push_back({frame.nCel < 0 ? 0 : frame.nCel, frame.nTime, 0});
    pattern.push_back({ANIM_RESTART, 0, 0});
    list.push_back(pattern);
    return list;
}

ANIM_PATTERN_LIST BuildCharaSequence(const cCharaAnimPat& anim);
// Loads `anim` into the shared player, which restarts at its first frame.
void LoadCharaPreviewSequence(const cCharaAnimPat& anim);
