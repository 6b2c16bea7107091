#include "database/media/anim_sequence.h"

ANIM_PATTERN_LIST BuildCharaSequence(const cCharaAnimPat& anim) { return BuildAnimSequence(anim); }

void LoadCharaPreviewSequence(const cCharaAnimPat& anim) { g_AnimPlay.Load(BuildCharaSequence(anim)); }
