// The world-event palette (dialog 158): the world map's event templates,
// edited in place, beside the world-map window while the event layer is
// active. The template chosen in its list is what the pen places; its check
// boxes hold the placing options of the editor settings.
#pragma once

#include <vector>

#include "model/worldmap.h"
#include "ui/ctrl_list.h"
#include "ui/dlg.h"

class DLG_WORLDMAP;

class DLG_WORLDEVENT : public DLG_CLASS {
public:
    enum { MAX_TEMPLATES = 99 };

    DLG_WORLDEVENT(DLG_WORLDMAP* map, WND_LIST_CLASS* wndList);
    ~DLG_WORLDEVENT() override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // The rows again from the templates (after an undo, a new template ...).
    void Refill();
    // An event copied or cut on the map, to be pasted among the templates.
    void TakeClipboard(const cWorldEvent& event);
    // The edit state follows the current row: the template the pen places,
    // or none on the append row.
    void SyncSelection();

    CTRL_LIST_CLASS<cWorldEvent> m_List;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;

private:
    int CurrentTemplate() const;  // the current row's template, or -1
    int EditTemplate(int row, int isNew);
    void InsertAndEdit();
    void SetCount();

    DLG_WORLDMAP* m_pMap;
};
