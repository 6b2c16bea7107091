// The frame of the pages whose records name a file of the project: pictures,
// backgrounds, sound effects and BGM. Each record has a name and a path;
// "参照" chooses the file (its folder, title and filter are the page's file
// kind) and keeps its path relative to the project; where the record has
// "ファイル名と同じ", the name follows the file's name while it is ticked.
// The pages add their own fields, their play button or their preview.
#pragma once

#include <string>

#include "database/sheet/db_list_page.h"
#include "resources/db_media_ids.h"

// The files a page chooses from: the open-file dialog's folder, title,
// filter (label and pattern, NUL-separated) and default extension.
struct MEDIA_FILE_KIND {
    const char* folder;
    const char* title;
    const char* filter;
    const char* defaultExt;
};

// How a page of files treats its records.
enum {
    FILE_PAGE_NAME_FOLLOWS = 1,  // "ファイル名と同じ" (check box 1035)
    FILE_PAGE_STOPS_BGM = 2,     // the BGM stops when the page's window goes
};

template <class T>
class DLG_DBFILE : public DLG_DBLIST<T> {
public:
    // A database list of fewer than two records is first grown to two
    // default records; record 0 is never shown.
    DLG_DBFILE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList, VECTOR_CLASS<T>* records, WORD listId,
               const MEDIA_FILE_KIND& kind, int options);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // While "ファイル名と同じ" is ticked the name edit is disabled and shows
    // the name of the file the path edit names (a path without an extension
    // leaves it); unticked, the name edit is enabled.
    void UpdateNameFromFile();

    const MEDIA_FILE_KIND& m_FileKind;
    int m_nOptions;

protected:
    int OnPageCommand(WORD id, WORD code) override;
    // The rules that follow the screen; also at the end of the set-up and
    // when the page shows again after an Apply.
    void BeforeStore() override;
    void OnApplied() override { BeforeStore(); }

private:
    // The open-file dialog; 0 when the chosen file cannot be named relative
    // to the project (the command then ends).
    int Browse();
};
