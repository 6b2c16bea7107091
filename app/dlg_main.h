// The stage editor: a modeless dialog owned by the main frame that shows the
// open stage's map and carries the stage menu, the tool bar and the status
// bar through which every stage, project and test-play command is reached.
#pragma once

#include <windows.h>

#include "media/dib.h"
#include "model/event.h"
#include "ui/dlg.h"

class DLG_WORLDMAP;
class PROP_DATABASE;

class DLG_MAIN : public DLG_CLASS {
public:
    enum { CELL = 32, MIN_VIEW_W = 384, MIN_VIEW_H = 160, MAX_VIEW_W = 640, MAX_VIEW_H = 480 };

    DLG_MAIN(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList);
    ~DLG_MAIN() override;

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // Edit layers (0 map chips, 1 enemies, 2 events) and their palettes.
    void SetEditLayer(int layer);
    void SetEditLayerIfOpen();
    void NextEditLayer();
    void ShowChipPalette();
    void ShowEnemyPalette();
    void ShowEventPalette();
    void RefreshActivePalette();

    // The stage editor and its palettes together.
    void ShowWindows();
    void HideWindows();
    void EnableWindows(int flag);
    void Minimize();
    void OnDatabaseClosed();

    // Menu and tool-bar state.
    void UpdateMenuState();
    void UpdateToolbarState();
    void UpdateLayerMenu();
    void UpdateLayerToolbar();
    void UpdateUndoMenu();
    void UpdateUndoToolbar();

    // Map view (map_view.cpp).
    void DrawMapChips(cDib* dib, int width, int height, int x0, int y0);
    void DrawEnemies(cDib* dib, int width, int height, int x0, int y0);
    void DrawEvents(cDib* dib, int width, int height, int x0, int y0);
    void DrawGroupPositions(cDib* dib, int width, int height, int x0, int y0);
    void DrawCursor(cDib* dib);
    void DrawLinePreview(cDib* dib);
    void DrawRectPreview(cDib* dib);
    void DrawPickRect(cDib* dib);
    cDib& MapSurface() { return m_MapDib; }
    HWND MapView() const { return m_hMapView; }
    int ScrollX() const { return m_nScrollX; }
    int ScrollY() const { return m_nScrollY; }

    // Mouse on the map view.
    void OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    void SetCursorFromMouse(int x, int y);
    void PushUndo();

    // Stage files (stage_file.cpp).
    void UpdateTitle();
    int ConfirmSave();
    int SaveStageAs(int overwrite);
    int OpenStage();
    int SelectDefaultStage();
    int NewStageFromDefault();
    int SaveEventPalette();
    void TestPlay();

    // Owned windows: at most one palette at a time. The dialog classes of the
    // palettes and of the stage dialogs stand behind DLG_CLASS.
    DLG_CLASS* m_lpChipPalette = nullptr;   // DLG_CHIP, dialog 103
    DLG_CLASS* m_lpEnemyPalette = nullptr;  // DLG_ENEMY, dialog 141
    DLG_CLASS* m_lpEventPalette = nullptr;  // DLG_EVENT, dialog 166
    DLG_CLASS* m_lpEventSet = nullptr;      // DLG_EVENT_SET, dialog 167
    DLG_CLASS* m_lpStageDlg = nullptr;      // DLG_STAGE, dialog 144
    DLG_CLASS* m_lpGroupPos = nullptr;      // DLG_GROUPPOS, dialog 146
    DLG_WORLDMAP* m_lpWorldMap = nullptr;
    PROP_DATABASE* m_lpDatabase = nullptr;
    DLG_CLASS* m_lpTestPlay = nullptr;      // DLG_TESTPLAY, dialog 232
    WND_CLASS* m_lpSpare = nullptr;

    int m_bMinimized = 0;
    int m_nEventEditMode = 0;  // 1 while the event dialog edits the start event
    cEvent m_WorkEvent;        // a new or placed event before it reaches the stage
    int m_nWorkEventX = 0;
    int m_nWorkEventY = 0;

private:
    int RunCommand(WORD id);
    // An operation that shows a file dialog, with every registered window disabled.
    int RunDisabled(int (DLG_MAIN::*operation)());
    void ClearLayer(int layer);
    void AfterStageChange();
    void AfterUndoStep();
    void RunEventDialog(cEvent* event, int startEvent, int existing);
    void OpenDatabase();
    void OpenWorldMap();
    void OnSize();
    void OnWheel(WPARAM wParam);
    void TakeScrollPositions();
    void ShowEventPopup();
    void CreateMapView();
    void ResizeMapSurface();

    int m_nScrollX = 0;  // top-left cell of the view
    int m_nScrollY = 0;
    cDib m_MapDib;       // the view's off-screen surface
    HWND m_hMapView = nullptr;
    HDC m_hMapDC = nullptr;
    HMENU m_hMenu = nullptr;
    HMENU m_hPopupMenu = nullptr;  // menu 165; its sub-menu 0 is the pop-up
};
