// The sound-effect page "　効果音　" (tab 11): named wave files under
// "wave\", played on the sound-effect preview device. Record 0 stands for no
// sound effect and is never shown.
#pragma once

#include "database/media/db_file_page.h"
#include "model/media_records.h"

class DLG_DB_SOUND : public DLG_DBFILE<cEdSound> {
public:
    DLG_DB_SOUND(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

protected:
    // "再生" plays the record's file; a file that cannot play says so and
    // the command goes on.
    int OnPageCommand(WORD id, WORD code) override;
};
