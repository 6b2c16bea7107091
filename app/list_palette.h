// The frame of the enemy and event palettes: a palette whose records stand
// in a list with "挿入", "編集", "削除" and "ﾃﾞｰﾀ数" beside it, keys 117 and
// the pop-up menu 116. The row chosen in it is what the stage editor's pen
// places; the next palette that opens chooses the same row.
#pragma once

#include <functional>
#include <vector>

#include "app/palette.h"
#include "ui/ctrl_list.h"

// What the stage editor lends its list palettes.
struct cPaletteHost {
    std::function<void()> PushUndo;   // an undo step of the stage, before the stage changes
    std::function<void()> ShowStage;  // the stage editor shows the stage as it now is
};

// What the list palettes publish besides the edit state's palette number.
struct cPaletteChoice {
    int SavedRow = 0;   // the row the next palette that opens selects
    int RowChosen = 0;  // a record's row is chosen (not none, not the append row)
    int PutEnemy = 0;   // the enemy palette's row last chosen
};
extern cPaletteChoice g_PaletteChoice;

class LIST_PALETTE : public PALETTE_CLASS {
public:
    enum { MAX_RECORDS = 999 };

    LIST_PALETTE(WORD resId, WND_CLASS* stageEditor, WND_LIST_CLASS* wndList, cWndPosInfo* place, cPaletteHost host);

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The rows again from the records (after an undo, a stroke of the pen ...).
    void Refresh() override;
    // The record of the current row, -1 for none or the append row.
    int CurrentRecord() const;

protected:
    // Once the list is subclassed: the keys, the pop-up menu, the count
    // button, the saved row selected and published.
    void SetUpList(CTRL_LIST_BASE* list);
    // "データ数" asked from 1 to MAX_RECORDS, starting at the record count; 1 after OK.
    int AskCount(int* count);
    // The current row to the stage editor and to the next palette.
    virtual void Publish() = 0;
    // The window's size, kept with its place.
    SIZE SizeToStore(HWND wnd) const override;
    void PushUndo() {
        if (m_Host.PushUndo) m_Host.PushUndo();
    }
    void ShowStage() {
        if (m_Host.ShowStage) m_Host.ShowStage();
    }

    CTRL_LIST_BASE* m_pList = nullptr;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;
    cPaletteHost m_Host;
};
