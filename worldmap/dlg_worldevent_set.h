// The world-event editor (dialog 161): one world event's name and pages,
// each page's type, graphic, appearance condition and stage. It edits a copy
// of the event; OK takes an undo snapshot of the map (through the callback),
// writes the copy over the event and marks the world map changed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/worldmap.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"

class DLG_WORLDEVENT_SET : public DLG_RECORD_CLASS {
public:
    // `beforeCommit` runs on OK before the event is written (the map's undo snapshot).
    DLG_WORLDEVENT_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList, cWorldEvent* event, int isNew,
                       std::function<void()> beforeCommit);
    ~DLG_WORLDEVENT_SET() override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;  // the graphic's preview

    // Greys what the page's type and condition leave unused.
    void UpdateEnable();

    cWorldEvent* m_pEvent;
    int m_bNew;
    cWorldEvent m_Work;                     // the event being edited
    VECTOR_CLASS<cWorldEventPage> m_Pages;  // the page list's working copy
    cWorldEventPage m_Page;                 // the current page, bound to the controls

    CTRL_LIST_CLASS<cWorldEventPage> m_PageList;
    VECTOR_CLASS<std::string> m_GraphicRows;
    VECTOR_CLASS<std::string> m_CondVarRows;
    VECTOR_CLASS<std::string> m_SetVarRows;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override { UpdateEnable(); }

private:
    void Commit();
    void BrowseStage();
    // The controls the user edited into the current page, and the page into its row.
    void StoreEditedCtrls();
    void RenameVariable(WORD comboId, WORD buttonId);
    void EnableItems(const WORD* ids, int count, int flag);
    CTRL_COMBO_CLASS<int>* Combo(WORD id) { return FindCtrl(m_Combos, id); }

    std::function<void()> m_BeforeCommit;
};
