// The BGM page "　BGM　" (tab 12): named ".mid" and ".ogg" files under "bgm\"
// with their volume, played through the sound manager's slot 0 until another
// piece plays or the sheet closes.
#pragma once

#include <vector>

#include "database/media/db_file_page.h"
#include "model/media_records.h"
#include "ui/ctrl_slider.h"

class DLG_DB_BGM : public DLG_DBFILE<cEdBgm> {
public:
    DLG_DB_BGM(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    std::vector<CTRL_SLIDER_CLASS<int>> m_Sliders;

protected:
    void AttachLists() override;
    // "再生" restarts the record's file from its beginning at the volume on
    // screen; a file that cannot play says so and ends the command.
    int OnPageCommand(WORD id, WORD code) override;
};
