// The effect-animation preview's sequence: one pattern for the shared player,
// one entry per frame and a closing restart. The effect page and the skill
// page both load their previews through it.
#pragma once

#include "database/media/anim_sequence.h"

// The one pattern an effect animation plays as (BuildAnimSequence).
ANIM_PATTERN_LIST BuildEffectSequence(const cEffectAnimPat& anim);

// Loads `anim` into the shared player, which restarts at its first frame.
void LoadEffectPreviewSequence(const cEffectAnimPat& anim);
