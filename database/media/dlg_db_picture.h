// The picture page "ピクチャー" (tab 9): named image files under
// "image\picture\" that events show by number.
#pragma once

#include "database/media/db_file_page.h"
#include "model/media_records.h"

class DLG_DB_PICTURE : public DLG_DBFILE<cEdPicture> {
public:
    DLG_DB_PICTURE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);
};
