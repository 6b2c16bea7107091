#include "database/media/db_file_page.h"

#include "base/paths.h"
#include "database/media/media_rules.h"
#include "media/sound.h"
#include "model/media_records.h"
#include "ui/common_dialogs.h"

namespace {

template <class T>
void NameRow(std::string& text, int, const T& record) {
    text = record.strName;
}

}  // namespace

template <class T>
DLG_DBFILE<T>::DLG_DBFILE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList, VECTOR_CLASS<T>* records,
                          WORD listId, const MEDIA_FILE_KIND& kind, int options)
    : DLG_DBLIST<T>(resId, sheet, wndList, records), m_FileKind(kind), m_nOptions(options) {
    if (records->size() < 2) {
        const size_t old = records->size();
        records->resize(2);
        for (size_t i = old; i < records->size(); ++i) (*records)[i].SetDefault();
        this->m_Work.Assign(*records);
    }
    T& r = this->m_Record;
    this->m_ListDesc = RecordListDesc(listId, records, &this->m_Work, &r, 1, 1, 999, 1, NameRow<T>);
    this->m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.strName, 13, 12, 1, 1, {}}));
    this->m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_MEDIA_PATH, &r.strPath, 261, 0, 1, 0, {}}));
    this->m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_MEDIA_BROWSE}));
}

template <class T>
int DLG_DBFILE<T>::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_DBLIST<T>::OnInitDialog(wParam, lParam);
    BeforeStore();
    return 0;
}

template <class T>
LRESULT DLG_DBFILE<T>::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Music started from the sheet ends with it.
    if (msg == WM_DESTROY && (m_nOptions & FILE_PAGE_STOPS_BGM)) g_Sound.Stop();
    return DLG_DBLIST<T>::MsgProc(hwnd, msg, wParam, lParam);
}

template <class T>
int DLG_DBFILE<T>::OnPageCommand(WORD id, WORD code) {
    if (id != IDC_MEDIA_BROWSE || code != BN_CLICKED) return PAGE_CMD_NONE;
    return Browse() ? PAGE_CMD_KEEP : PAGE_CMD_ABORT;
}

template <class T>
int DLG_DBFILE<T>::Browse() {
    char path[MAX_PATH] = "";
    const MEDIA_FILE_KIND& k = m_FileKind;
    if (!SelectOpenFile(this->m_hWnd, path, MAX_PATH, k.folder, k.title, k.filter, k.defaultExt)) return 1;
    // A file on another drive has no path the game could use.
    if (!MakeRelativePath(path)) return 0;
    if (CTRL_EDITSTR_CLASS* edit = this->FindCtrl(this->m_Strs, IDC_MEDIA_PATH)) SetPathText(edit, path);
    return 1;
}

template <class T>
void DLG_DBFILE<T>::BeforeStore() {
    if (m_nOptions & FILE_PAGE_NAME_FOLLOWS) UpdateNameFromFile();
}

template <class T>
void DLG_DBFILE<T>::UpdateNameFromFile() {
    CTRL_CHECK_CLASS<int>* same = this->FindCtrl(this->m_Checks, IDC_MEDIA_SAME_NAME);
    CTRL_EDITSTR_CLASS* name = this->FindCtrl(this->m_Strs, IDC_DBLIST_NAME);
    CTRL_EDITSTR_CLASS* path = this->FindCtrl(this->m_Strs, IDC_MEDIA_PATH);
    if (!same || !name || !path) return;
    const int follows = same->GetCheck() == BST_CHECKED;
    name->Enable(!follows);
    std::string fileName;
    if (follows && NameFromFile(path->GetText(), &fileName) && fileName != name->GetText()) SetPathText(name, fileName);
}

template class DLG_DBFILE<cEdPicture>;
template class DLG_DBFILE<cEdBack>;
template class DLG_DBFILE<cEdSound>;
template class DLG_DBFILE<cEdBgm>;
