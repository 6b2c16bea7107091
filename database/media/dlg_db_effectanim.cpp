#include "database/media/dlg_db_effectanim.h"

#include <new>

#include "database/media/effect_sequence.h"
#include "database/media/media_rules.h"
#include "media/image_table.h"
#include "model/media_database.h"
#include "ui/dlg_selectgraphic.h"

const ANIM_PAGE_KIND g_EffectAnimKind = {IDC_EFFECTANIM_LIST, 64, 127, 1, SelectEffectGraphic, DrawCell64Table};

DLG_DB_EFFECTANIM::DLG_DB_EFFECTANIM(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBANIM(resId, sheet, wndList, &g_Database.EffectAnims, g_EffectAnimKind, FormatEffectAnimPatRow) {
    SetInstance(this);
}

void DLG_DB_EFFECTANIM::SetPreviewSequence(const cEffectAnimPat& anim) { LoadEffectPreviewSequence(anim); }

DLG_CLASS* DLG_DB_EFFECTANIM::MakeFrameDialog(cEffectAnim* frame) {
    return new (std::nothrow) DLG_DB_EFFECTANIM_ANIM(this, m_pWndList, frame);
}

DLG_DB_EFFECTANIM_ANIM::DLG_DB_EFFECTANIM_ANIM(DLG_DB_EFFECTANIM* page, WND_LIST_CLASS* wndList, cEffectAnim* frame)
    : DLG_DBANIM_FRAME(IDD_DB_EFFECTANIM_ANIM, page, wndList, &page->m_Frames, frame, &page->m_Record.nGraphic,
                       g_EffectAnimKind) {
    SetInstance(this);
}
