// The character-animation page "キャラアニメ" (tab 7): animations cut from
// the 48-pixel character sheets, with the frame dialog "アニメ" and a live
// preview of the selected animation.
#pragma once

#include "database/media/db_anim_page.h"

class DLG_DB_CHARAANIM : public DLG_DBANIM<cCharaAnimPat, cCharaAnim> {
public:
    DLG_DB_CHARAANIM(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    void LoadPreview() override;
    // A frame row: cell, time, moves and " エフェクト開始".
    static void PatternText(std::string& text, int index, const cCharaAnim& frame);

protected:
    DLG_CLASS* MakeFrameDialog(cCharaAnim* frame) override;
};

class DLG_DB_CHARAANIM_ANIM : public DLG_DBANIM_FRAME<cCharaAnim> {
public:
    DLG_DB_CHARAANIM_ANIM(DLG_DB_CHARAANIM* page, WND_LIST_CLASS* wndList, cCharaAnim* frame);
    void DrawCel(WORD pictureId) { DrawFrame(pictureId); }
};

extern const ANIM_PAGE_KIND g_CharaAnimKind;
