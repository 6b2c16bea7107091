// The stage editor: a modeless dialog owned by the main frame that shows the
// open stage's map and carries the stage menu, the tool bar and the status
// bar through which every stage, project and test-play command is reached.
#pragma once

#include <windows.h>

#include <functional>

#include "app/map_view.h"
#include "model/event.h"
#include "ui/dlg.h"

class DLG_CHIP;
class DLG_ENEMY;
class DLG_EVENT;
class DLG_WORLDMAP;
class PALETTE_CLASS;
class PROP_DATABASE;

class DLG_MAIN : public DLG_CLASS {
public:
    enum { CELL = MAP_VIEW::CELL, MIN_VIEW_W = 384, MIN_VIEW_H = 160, MAX_VIEW_W = 640, MAX_VIEW_H = 480 };

    // `rebuild` asks the owner to replace this editor with a fresh one once
    // the current message is done (after a new, opened or closed stage).
    DLG_MAIN(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList, std::function<void()> rebuild);
    ~DLG_MAIN() override;

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // Edit layers (0 map chips, 1 enemies, 2 events).
    void SetEditLayer(int layer);
    void SetEditLayerIfOpen();

    // Before the editor or the program closes: the stage and the event
    // palette saved when changed and the user wants it. 0 when the user
    // cancelled or a save failed: nothing may close then.
    int ConfirmSave();

    // The stage editor and its palettes together, and the flag of a
    // minimised application.
    void ShowWindows();
    void HideWindows();
    void EnableWindows(int flag);
    void Minimize();
    int IsMinimized() const { return m_bMinimized; }
    void SetMinimized(int flag) { m_bMinimized = flag; }

    // The windows it opened, null when none stands.
    PALETTE_CLASS* Palette() const { return m_lpPalette; }
    DLG_CHIP* ChipPalette() const;
    DLG_ENEMY* EnemyPalette() const;
    DLG_EVENT* EventPalette() const;
    DLG_WORLDMAP* WorldMap() const { return m_lpWorldMap; }
    PROP_DATABASE* Database() const { return m_lpDatabase; }
    const MAP_VIEW& View() const { return m_MapView; }

private:
    // Stage files (stage_file.cpp). Each save names a file it could not write.
    void UpdateTitle();
    int ConfirmSaveStage();  // the stage's question alone, before it is replaced
    int SaveStageAs(int overwrite);
    int OpenStage();
    int SelectDefaultStage();
    int NewStageFromDefault();
    int CloseStage();  // 0 when the user kept the stage open
    int SaveEventPalette();
    void TestPlay();  // test_play.cpp

    void NextEditLayer();
    int RunCommand(WORD id);
    // An operation that shows a file dialog, with every registered window disabled.
    int RunDisabled(int (DLG_MAIN::*operation)());
    void ClearLayer(int layer);
    void AfterStageChange();
    void AfterUndoStep();
    void PushUndo();
    int RunEventDialog(cEvent* event, int existing);  // 1 after OK
    void RefreshActivePalette();
    // The current layer's palette, made when missing in place of another's.
    void ShowPalette(int layer);
    void OnRightDoubleClick();
    void OpenDatabase();
    void OnDatabaseClosed();
    void OpenWorldMap();
    void OnSize();
    void OnWheel(WPARAM wParam);
    void OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    void TakeScrollPositions();
    void ShowEventPopup();

    // Menu and tool-bar state.
    void UpdateMenuState();
    void UpdateToolbarState();
    void UpdateLayerMenu();
    void UpdateLayerToolbar();
    void UpdateUndoMenu();
    void UpdateUndoToolbar();

    std::function<void()> m_Rebuild;
    PALETTE_CLASS* m_lpPalette = nullptr;  // at most one, of the layer m_nPaletteLayer
    int m_nPaletteLayer = -1;
    DLG_WORLDMAP* m_lpWorldMap = nullptr;
    PROP_DATABASE* m_lpDatabase = nullptr;
    int m_bMinimized = 0;
    cEvent m_WorkEvent;  // a new event before it reaches the stage
    MAP_VIEW m_MapView;
    HMENU m_hMenu = nullptr;
    HMENU m_hPopupMenu = nullptr;  // menu 165; its sub-menu 0 is the pop-up
};
