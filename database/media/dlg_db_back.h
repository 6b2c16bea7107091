// The background page "　バック　" (tab 10): backgrounds shown as the battle
// map's chips laid side by side, as an image file under "image\back\" or as
// a plain colour, each with its scroll speeds; a square previews the colour.
#pragma once

#include <vector>

#include "database/media/db_file_page.h"
#include "model/media_records.h"

class DLG_DB_BACK : public DLG_DBFILE<cEdBack> {
public:
    DLG_DB_BACK(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    // The colour preview, from the colour edits as typed.
    void OnPaint() override { DrawPreview(); }
    void DrawPreview();
    // Only the fields of the display mode chosen on screen are enabled.
    void UpdateEnables();

    std::vector<CTRL_EDITVAL_CLASS<unsigned char>> m_ByteEdits;
    std::vector<CTRL_EDITVAL_CLASS<double>> m_RealEdits;

protected:
    void AttachLists() override;
    void BeforeStore() override { UpdateEnables(); }
};

// The display modes' labels, row = value.
extern const char* const BackDispModeNames[];
