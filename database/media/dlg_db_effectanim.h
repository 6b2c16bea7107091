// The effect-animation page "エフェクトアニメ" (tab 8): animations cut from
// the 64-pixel effect sheets, with the frame dialog "アニメ" and a live
// preview of the selected animation.
#pragma once

#include "database/media/db_anim_page.h"

class DLG_DB_EFFECTANIM : public DLG_DBANIM<cEffectAnimPat, cEffectAnim> {
public:
    DLG_DB_EFFECTANIM(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    void LoadPreview() override { SetPreviewSequence(m_Record); }
    // The sequence of `anim` into the shared player (LoadEffectPreviewSequence).
    static void SetPreviewSequence(const cEffectAnimPat& anim);

protected:
    DLG_CLASS* MakeFrameDialog(cEffectAnim* frame) override;
};

class DLG_DB_EFFECTANIM_ANIM : public DLG_DBANIM_FRAME<cEffectAnim> {
public:
    DLG_DB_EFFECTANIM_ANIM(DLG_DB_EFFECTANIM* page, WND_LIST_CLASS* wndList, cEffectAnim* frame);
};

extern const ANIM_PAGE_KIND g_EffectAnimKind;
