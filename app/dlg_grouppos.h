// The position groups of the open stage: "位置グループの設定" (dialog 146)
// lists them (group 0 is reserved and never shown) and "位置グループの
// 編集" (dialog 147) edits one on a view of the map, where a click adds or
// removes a cell. The groups reach the stage only with the list's OK.
#pragma once

#include <string>
#include <vector>

#include "app/surface_view.h"
#include "model/placement.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"
#include "ui/record_sublist.h"

class DLG_GROUPPOS_SET;

class DLG_GROUPPOS : public DLG_RECORD_CLASS {
public:
    enum { MAX_GROUPS = 99 };

    // The stage gets groups 0 and 1 when it has fewer, cancelled or not.
    DLG_GROUPPOS(WND_CLASS* parent, WND_LIST_CLASS* wndList);
    ~DLG_GROUPPOS() override;

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    VECTOR_CLASS<cGroupPos> m_Groups;  // the list's working copy
    CTRL_LIST_CLASS<cGroupPos> m_List;
    // "新規", "編集" (the group in "位置グループの編集"), "ｸﾘｱ", "ﾃﾞｰﾀ数", keys and menu.
    RECORD_SUBLIST m_GroupEdits;
    DLG_GROUPPOS_SET* m_lpGroupSet = nullptr;

protected:
    void AttachCtrls() override;
    void OnCtrlsShown() override { m_List.SelectOnly(0, 0); }

private:
};

class DLG_GROUPPOS_SET : public DLG_CLASS {
public:
    enum { CELL = 32, VIEW_W = 640, VIEW_H = 480, STRIP_H = 30 };

    DLG_GROUPPOS_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList, cGroupPos* group);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

    cGroupPos* m_pGroup;
    VECTOR_CLASS<cCellPos> m_Cells;  // the clicks change these; OK gives them to the group
    cCellPos m_Cursor;               // the stage cell last under the pointer
    cSurfaceView m_View;
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Edits;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
    std::vector<CTRL_LABEL_CLASS> m_Labels;

    // The view's top-left cell, as its bars stand.
    int ScrollX() const { return m_HScroll.m_hWnd ? m_HScroll.GetPos() : 0; }
    int ScrollY() const { return m_VScroll.m_hWnd ? m_VScroll.GetPos() : 0; }

private:
    void PlaceStrip(int stripTop);
    // The stage cell under the pointer at client position lParam; 0 for none.
    int CellAtPointer(LPARAM lParam, cCellPos* cell) const;
};

// Runs the position groups on the open stage; 1 after OK.
int RunGroupPositions(WND_CLASS* parent, WND_LIST_CLASS* wndList);
