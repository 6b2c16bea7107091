// The world-map window: opened modeless from the stage editor, with the
// other windows hidden; closing it brings the stage editor back. It edits
// g_WorldMap in place, its chips with the chip palette beside it and its
// events with the event palette, and saves it with its own commands.
#pragma once

#include <functional>

#include "model/worldmap.h"
#include "ui/dlg.h"
#include "worldmap/world_view.h"

class DLG_WORLDCHIP;
class DLG_WORLDEVENT;
class DLG_WORLDMAP_SET;
class DLG_WORLDEVENT_SET;

class DLG_WORLDMAP : public DLG_CLASS {
public:
    enum { CELL = 32, MIN_VIEW_W = 192, MIN_VIEW_H = 160, MAX_VIEW_W = 640, MAX_VIEW_H = 480 };

    // `onClosed` runs when the window is destroyed.
    DLG_WORLDMAP(WND_CLASS* parent, WND_LIST_CLASS* wndList, std::function<void()> onClosed);
    ~DLG_WORLDMAP() override;
    void OnIdle() override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // Makes layer 0 (chips) or 1 (events) the active one: its menu item and
    // button marked, its palette opened in place of the other.
    void SetLayer(int layer);
    // An undo snapshot before an edit; the undo and redo states follow.
    void BeginEdit();
    void RefreshPalette();
    void UpdateUndoState();

    // The window and its open palette.
    void ShowWindows();
    void HideWindows();
    void EnableWindows(int flag);

    // The world-event editor, modal, on an event (edited in place on OK);
    // `parent` null means this window. 1 for OK.
    int RunEventEditor(cWorldEvent& event, int isNew, WND_CLASS* parent);
    // "data\database\WorldMap.dat" written; 1, or 0 after an error box.
    int Save();

    // The cursor cell from a view pixel; outside the view the pixel is
    // first brought to its nearest pixel. The cell may lie beyond the map.
    void SetCursorFromView(int x, int y);
    // What the event pop-up acts on: the cell, the event standing there and
    // the items enabled for them. The menu itself opens on a right click.
    void PreparePopup(int x, int y);
    HMENU Popup() const;

    cWorldView& View() { return m_View; }
    int OriginX() const { return m_nOriginX; }
    int OriginY() const { return m_nOriginY; }

    DLG_WORLDCHIP* m_lpChipPalette = nullptr;
    DLG_WORLDEVENT* m_lpEventPalette = nullptr;
    DLG_WORLDMAP_SET* m_lpSettings = nullptr;
    DLG_WORLDEVENT_SET* m_lpEventDlg = nullptr;
    cWorldEvent m_NewEvent;  // the event the create commands and the pen work on
    int m_bMinimized = 0;    // set when it minimised the application

private:
    int RunCommand(WORD id);
    int RunPopupCommand(WORD id);
    void RunSettings();
    int CloseQuestion();  // 1 when the window may close
    void ClearLayer(int layer);
    void AfterHistoryStep();
    void HandToPalette(const cWorldEvent& event);
    void UpdateLayerMarks();
    void OnSize();
    void OnMouse(UINT msg, LPARAM lParam);
    void Pen(UINT msg);
    void Rectangle(UINT msg);
    void ShowPopup();
    void PopupOnRightClick();
    void DragOutside();
    void DrawEvents(cDib* dib);
    void DrawCursor(cDib* dib);
    int ViewW() const { return m_View.Width(); }
    int ViewH() const { return m_View.Height(); }

    std::function<void()> m_OnClosed;
    cWorldView m_View;
    int m_nOriginX = 0;  // the map cell at the view's top-left corner
    int m_nOriginY = 0;
    int m_nKeptX = 0;  // the right-clicked cell while the pop-up's commands run
    int m_nKeptY = 0;
    HMENU m_hMenu = nullptr;
    HMENU m_hPopupMenu = nullptr;
    HFONT m_hNumberFont = nullptr;
};
