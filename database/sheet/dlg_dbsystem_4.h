// System page 4 "システム4" (tab 18): the elements, the system BGMs and sound
// effects with their previews, the transparent colour, the formation menu's
// background and the game's font with its sample.
#pragma once

#include "database/sheet/dlg_dbsystem.h"
#include "model/system.h"
#include "ui/ctrl_list.h"
#include "ui/record_sublist.h"

class DLG_DBSYSTEM_4 : public DLG_DBSYSTEM_N {
public:
    DLG_DBSYSTEM_4(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The font sample, once the page is initialised.
    void OnPaint() override;
    // The controls, then the working copy into the record's elements.
    void Commit() override;

    // The elements; entry 0 exists but is never listed.
    VECTOR_CLASS<cElem> m_Elems;
    CTRL_LIST_CLASS<cElem> m_ElemList;
    // The elements' commands: "新規", "編集", "ｸﾘｱ", "ﾃﾞｰﾀ数", keys and menu.
    RECORD_SUBLIST m_ElemEdits;
    CTRL_PICTURE_CLASS m_Sample;
    int m_nSampleRow = -1;  // the font row the sample was drawn with

private:
    void BrowseSound(int row);
    void PlaySoundRow(int row);
    CTRL_EDITSTR_CLASS* SoundEdit(int row);
};

// The face the font sample draws with for a font row: a row outside the
// table draws with the first face.
const char* FontSampleFace(int row);
