// The event palette "イベントパレット" (dialog 166): the event templates
// ("data\EventPlt.dat") beside the stage editor while the event layer is the
// current one, and the two placing options of the editor settings. The
// chosen template is what the pen places. Its changes are no part of the
// stage's undo history; the stage editor offers to save them.
#pragma once

#include <vector>

#include "app/list_palette.h"
#include "model/event.h"

class DLG_EVENT : public LIST_PALETTE {
public:
    DLG_EVENT(WND_CLASS* stageEditor, WND_LIST_CLASS* wndList, cPaletteHost host);
    ~DLG_EVENT() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    // An event copied or cut on the map, to be pasted among the templates.
    void TakeClipboard(const cEvent& event) { m_List.m_Clipboard.assign(1, event); }

    CTRL_LIST_CLASS<cEvent> m_List;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;

private:
    void Publish() override;
    // The event dialog on template `index`; 1 after OK.
    int EditTemplate(int index);
    void InsertAndEdit();
    void SetCount();
    void MarkChanged();
};
