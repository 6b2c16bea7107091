#include "database/media/dlg_db_picture.h"

#include "model/media_database.h"

namespace {

const MEDIA_FILE_KIND kPictureFiles = {"image\\picture\\", "画像の選択", "ImageFile ( *.png;*.bmp )\0*.png;*.bmp\0",
                                       "png;bmp"};

}  // namespace

DLG_DB_PICTURE::DLG_DB_PICTURE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBFILE(resId, sheet, wndList, &g_Database.Pictures, IDC_PICTURE_LIST, kPictureFiles, FILE_PAGE_NAME_FOLLOWS) {
    SetInstance(this);
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_MEDIA_SAME_NAME, &m_Record.bSameAsFileName}));
}
