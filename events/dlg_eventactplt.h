// The action palette "イベントアクションパレット": the user's named action
// sequences, renamed, described, reordered and deleted here on a copy that
// reaches the palette and "data\EventActionPlt.dat" only on OK.
#pragma once

#include "model/event.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"

class DLG_EVENTACTPLT : public DLG_RECORD_CLASS {
public:
    // `palette`: the event dialog's copy; `selectLast`: open on the last entry.
    DLG_EVENTACTPLT(WND_CLASS* parent, WND_LIST_CLASS* wndList, VECTOR_CLASS<cEventActPlt>* palette, int selectLast);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    int m_bSelectLast;
    VECTOR_CLASS<cEventActPlt>* m_pPalette;
    CTRL_LIST_CLASS<cEventActPlt> m_List;
    cEventActPlt m_Entry;  // the selected entry

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override { ShowContent(); }

private:
    void ShowContent();
};
