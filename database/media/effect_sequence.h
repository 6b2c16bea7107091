// The effect-animation preview's sequence: one pattern for the shared player,
// one entry per frame and a closing restart. The effect page and the skill
// page both load their previews through it.
#pragma once

#include "media/anim_play.h"
#include "model/media_records.h"

// The one pattern an effect animation plays as. A negative pattern number
// from a file becomes cell 0, so that no frame reads as a control code; an
// animation without frames gives no pattern at all (the player then shows
// cell 0, still).
ANIM_PATTERN_LIST BuildEffectSequence(const cEffectAnimPat& anim);

// Loads `anim` into the shared player, which restarts at its first frame.
void LoadEffectPreviewSequence(const cEffectAnimPat& anim);
