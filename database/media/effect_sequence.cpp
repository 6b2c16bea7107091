#include "database/media/effect_sequence.h"

ANIM_PATTERN_LIST BuildEffectSequence(const cEffectAnimPat& anim) { return BuildAnimSequence(anim); }

void LoadEffectPreviewSequence(const cEffectAnimPat& anim) { g_AnimPlay.Load(BuildEffectSequence(anim)); }
