// The editor started on the sample project for a test, and shut down after it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/app.h"
#include "app/dlg_enemy.h"
#include "app/dlg_event.h"
#include "app/dlg_main.h"
#include "app/view_main.h"
#include "tests/app/app_test_support.h"

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProject();
        m_Boxes.reset(new ScopedBoxes(IDYES));
        ASSERT_EQ(1, StartEditor());
        m_Boxes->Reset();
    }
    void TearDown() override {
        StopEditor();
        m_Boxes.reset();
    }
    DLG_MAIN* Stage() const { return g_lpStageWnd; }
    HWND StageWnd() const { return g_lpStageWnd->m_hWnd; }
    void Command(WORD id) { SendMessageA(StageWnd(), WM_COMMAND, id, 0); }
    // The enemy and event palettes' windows; the palette must be open.
    HWND Enemies() const { return Stage()->EnemyPalette()->m_hWnd; }
    HWND Events() const { return Stage()->EventPalette()->m_hWnd; }
    ScopedBoxes& Boxes() { return *m_Boxes; }

    std::unique_ptr<ScopedBoxes> m_Boxes;
};
