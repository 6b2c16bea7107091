// The skill page's previews: the effect graphic recoloured by the three
// sliders and played with the chosen effect animation, and the symbol that
// the "#P" reference names.
#include "database/media/effect_sequence.h"
#include "database/skills/dlg_dbskill.h"
#include "editing/symbol_preview.h"
#include "media/anim_play.h"
#include "media/image_table.h"
#include "model/media_database.h"
#include "resources/db_skills_ids.h"

void DLG_DBSKILL::UpdateEffectColours() {
    if (!m_hWnd) return;
    // The graphic as typed, before it is stored.
    BOOL read = FALSE;
    const short graphic = static_cast<short>(GetDlgItemInt(m_hWnd, IDC_SKILL_EFFECT, &read, TRUE));
    short colours[3] = {0, 0, 0};
    for (size_t k = 0; k < m_Sliders.size() && k < 3; ++k) colours[k] = static_cast<short>(m_Sliders[k].GetPos());
    if (graphic == m_nCacheGraphic && colours[0] == m_nCacheHue && colours[1] == m_nCacheSaturation &&
        colours[2] == m_nCacheValue)
        return;
    m_nCacheGraphic = graphic;
    m_nCacheHue = colours[0];
    m_nCacheSaturation = colours[1];
    m_nCacheValue = colours[2];
    MakeHsvRow64(&g_ImageTable[IMG_HSV64], graphic, colours[0], colours[1], colours[2]);
}

void DLG_DBSKILL::DrawEffectPreview(int advance) {
    CTRL_PICTURE_CLASS* picture = FindCtrl(m_Pictures, IDC_SKILL_PREVIEW);
    cDib* surface = picture ? picture->Surface() : nullptr;
    if (!surface) return;
    surface->Fill(RGB(0, 0, 0));
    int cell = 0;
    if (g_AnimPlay.GetPatternCount() > 0) cell = advance ? g_AnimPlay.Step() : g_AnimPlay.GetCell();
    // Graphic 0 builds no row: the row built last stays on show.
    DrawHsvCell64(surface, 0, 0, cell);
    picture->Present();
}

void DLG_DBSKILL::DrawPreviews(int advance) {
    if (!m_bCreated || !m_hWnd) return;
    CTRL_PICTURE_CLASS* symbol = FindCtrl(m_Pictures, IDC_SKILL_SYMBOL);
    CTRL_COMBO_CLASS<int>* symbols = FindCtrl(m_Combos, IDC_SKILL_SYMBOLS);
    if (symbol && symbols) DrawSymbolPreview(symbol, symbols->GetCurSel());
    DrawEffectPreview(advance);
}

void DLG_DBSKILL::LoadEffectAnimation() {
    CTRL_COMBO_CLASS<int>* anims = FindCtrl(m_Combos, IDC_SKILL_EFFECT_ANIM);
    const int anim = anims ? anims->GetValue() : 0;
    if (anim >= 1 && anim < static_cast<int>(g_Database.EffectAnims.size()))
        LoadEffectPreviewSequence(g_Database.EffectAnims[anim]);
    else
        g_AnimPlay.Load(ANIM_PATTERN_LIST());
}
