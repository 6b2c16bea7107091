#include "database/media/effect_sequence.h"

ANIM_PATTERN_LIST BuildEffectSequence(const cEffectAnimPat& anim) {
    ANIM_PATTERN_LIST list;
    if (anim.vAnim.empty()) return list;
    ANIM_PATTERN pattern;
    for (const cEffectAnim& frame : anim.vAnim) pattern.push_back({frame.nCel < 0 ? 0 : frame.nCel, frame.nTime, 0});
    pattern.push_back({ANIM_RESTART, 0, 0});
    list.push_back(pattern);
    return list;
}

void LoadEffectPreviewSequence(const cEffectAnimPat& anim) { g_AnimPlay.Load(BuildEffectSequence(anim)); }
