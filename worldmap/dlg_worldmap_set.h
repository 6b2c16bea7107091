// The world-map settings (dialog 153): the map's size, the start position,
// the deepest background and the background image. It edits copies of these
// fields; OK writes them to the world map and resizes it, Cancel leaves the
// map as it was.
#pragma once

#include <string>
#include <vector>

#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

class DLG_WORLDMAP_SET : public DLG_CLASS {
public:
    DLG_WORLDMAP_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }

    // The working values, in the order of the controls.
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nStartX = 0;
    int m_nStartY = 0;
    int m_nBackNo = 0;
    int m_nUseBackImage = 0;
    std::string m_strBackImage;

    std::vector<CTRL_EDITVAL_CLASS<int>> m_Edits;
    std::vector<CTRL_EDITSTR_CLASS> m_Strings;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;
    VECTOR_CLASS<std::string> m_BackRows;

private:
    void Commit();
    void Browse();
};
