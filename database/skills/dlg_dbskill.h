// The skill page "スキル", the one page of the skill sheet: the skills of one
// skill list (skill 0 is never shown) with every field of the selected one,
// the control rules of its kind, the live effect and symbol previews, and
// the CSV export and import of the list. It edits a working copy of the
// list's skills and commits them into the skill-list page's working record
// on the sheet's OK and Apply.
#pragma once

#include <vector>

#include "database/sheet/db_list_page.h"
#include "model/skill.h"
#include "ui/ctrl_slider.h"

class DLG_DBSKILLLIST;

class DLG_DBSKILL : public DLG_DBLIST<cSkill> {
public:
    // `owner`'s working record is the list edited; it gets a second skill
    // when it has fewer than two. `list` is its position in the owner's
    // working copy, which names its CSV file.
    DLG_DBSKILL(WORD resId, DLG_DBSKILLLIST* owner, WND_LIST_CLASS* wndList, int list);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Every skill numbered, the working copy into the list and the list into
    // the skill-list page's working copy; nothing while the window was never made.
    void Commit() override;
    void OnIdle() override;
    void OnPaint() override { DrawPreviews(0); }

    // The previews (skill_previews.cpp): the effect row recoloured when the
    // graphic or a slider changed; picture 1070 with the effect animation's
    // cell (stepped with `advance`); picture 1069 with the chosen symbol.
    void UpdateEffectColours();
    void DrawEffectPreview(int advance);
    void DrawPreviews(int advance);
    // The effect animation chosen in combo 1098 into the shared player, from its first frame.
    void LoadEffectAnimation();

    // The CSV commands (skill_csv_commands.cpp).
    void ExportCsv();
    void ImportCsv();

    DLG_DBSKILLLIST* m_pOwner;
    cSkillList* m_pSkillList;
    int m_nList;
    int m_nSymbolNo = 0;  // the symbol the reference shows; never stored
    // Rows of the combos that name database records.
    VECTOR_CLASS<std::string> m_CategRows, m_ClassRows, m_CompatiRows, m_ElemRows;
    VECTOR_CLASS<std::string> m_CharaAnimRows, m_EffectAnimRows, m_SoundRows, m_SymbolRows;
    // What the effect row was last recoloured with.
    int m_nCacheGraphic = -1;
    int m_nCacheHue = -1000, m_nCacheSaturation = -1000, m_nCacheValue = -1;
    int m_bRulesChanged = 0;  // the last pass of the rules changed a value shown

    std::vector<CTRL_EDITVAL_CLASS<unsigned char>> m_Bytes;
    std::vector<CTRL_EDITVAL_CLASS<double>> m_Doubles;
    std::vector<CTRL_SLIDER_CLASS<short>> m_Sliders;

protected:
    void AttachLists() override;
    int OnPageCommand(WORD id, WORD code) override;
    void Renumber() override;
    // The control rules of the kind, resource type and check boxes shown.
    void UpdatePageState() override;

private:
    void BuildNameLists();
    void PickEffectGraphic();
    // Applies the control rules; 1 when they changed a value shown (the
    // target, a cleared box).
    int ApplyControlRules();
    // The control bound to item `id`, whatever its kind.
    CTRL_CLASS* FindBound(int id);
    // "このコマンドを実行するには…保存しますか？"; Yes commits.
    int AskCommitFirst(const char* caption);
};
