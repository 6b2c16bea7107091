#include "database/media/dlg_db_charaanim.h"

#include <new>

#include "database/media/anim_sequence.h"
#include "database/media/media_rules.h"
#include "media/image_table.h"
#include "model/media_database.h"
#include "ui/dlg_selectgraphic.h"

const ANIM_PAGE_KIND g_CharaAnimKind = {IDC_CHARAANIM_LIST, 48, 159, 0, SelectCharaGraphic, DrawCell48Table};

DLG_DB_CHARAANIM::DLG_DB_CHARAANIM(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBANIM(resId, sheet, wndList, &g_Database.CharaAnims, g_CharaAnimKind, PatternText) {
    SetInstance(this);
}

void DLG_DB_CHARAANIM::LoadPreview() { LoadCharaPreviewSequence(m_Record); }

void DLG_DB_CHARAANIM::PatternText(std::string& text, int index, const cCharaAnim& frame) {
    FormatCharaAnimRow(text, index, frame);
}

DLG_CLASS* DLG_DB_CHARAANIM::MakeFrameDialog(cCharaAnim* frame) {
    return new (std::nothrow) DLG_DB_CHARAANIM_ANIM(this, m_pWndList, frame);
}

DLG_DB_CHARAANIM_ANIM::DLG_DB_CHARAANIM_ANIM(DLG_DB_CHARAANIM* page, WND_LIST_CLASS* wndList, cCharaAnim* frame)
    : DLG_DBANIM_FRAME(IDD_DB_CHARAANIM_ANIM, page, wndList, &page->m_Frames, frame, &page->m_Record.nGraphic,
                       g_CharaAnimKind) {
    SetInstance(this);
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_FRAME_EFFECT_START, &frame->bEffectStart}));
}
