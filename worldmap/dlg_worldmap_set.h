// The world-map settings (dialog 153): the map's size, the start position,
// the deepest background and the background image. It edits copies of these
// fields; OK writes them to the world map and resizes it, Cancel leaves the
// map as it was.
#pragma once

#include <string>
#include <vector>

#include "ui/dlg_record.h"

class DLG_WORLDMAP_SET : public DLG_RECORD_CLASS {
public:
    DLG_WORLDMAP_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList);
    int OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The working values, in the order of the controls.
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nStartX = 0;
    int m_nStartY = 0;
    int m_nBackNo = 0;
    int m_nUseBackImage = 0;
    std::string m_strBackImage;
    VECTOR_CLASS<std::string> m_BackRows;

protected:
    void AttachCtrls() override;

private:
    void Commit();
    void Browse();
};
