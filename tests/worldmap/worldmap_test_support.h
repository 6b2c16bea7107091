// The world-map editor opened from the stage editor on the sample project
// for a test, the mouse as the window reads it, and modal dialogs answered
// as they open.
#pragma once

#include <functional>
#include <vector>

#include "tests/app/editor_test.h"
#include "worldmap/dlg_worldmap.h"

// Steps run in order, one as each next dialog finishes its initialisation,
// with that dialog's window.
void QueueDialogStep(std::function<void(HWND)> step);
size_t PendingDialogSteps();
void ClearDialogSteps();

void Click(HWND dlg, int id);

// One editor and one world-map window serve every test of the program (under
// Wine without a window manager each hidden window costs two seconds); each
// test starts from the project's world map and a fresh edit state.
class WorldMapTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;
    DLG_MAIN* Stage() const { return g_lpStageWnd; }
    void Command(WORD id) { SendMessageA(Stage()->m_hWnd, WM_COMMAND, id, 0); }
    ScopedBoxes& Boxes() { return *s_pBoxes; }
    // The window again after a test closed it.
    void Reopen();
    DLG_WORLDMAP* World() const { return Stage()->WorldMap(); }
    HWND WorldWnd() const { return World()->m_hWnd; }
    void WorldCommand(WORD id) { SendMessageA(WorldWnd(), WM_COMMAND, id, 0); }
    // A press on cell (x, y) of the view, moves over the further cells and a
    // release on the last, with the button held as the window reads it.
    void Stroke(UINT down, std::initializer_list<POINT> cells);
    // The pop-up's command on cell (x, y), as the idle step would run it.
    void PopupCommand(int x, int y, WORD id);
    // The client point at the middle of cell (x, y) of the view.
    POINT CellPoint(int x, int y) const;
    // A right click on cell (x, y) through the input queue, handled by the
    // program's own loop; `keys` are typed into the pop-up once it shows.
    // Whether it showed at once.
    bool RightClick(int x, int y, const std::vector<WORD>& keys);

    static ScopedBoxes* s_pBoxes;
};
