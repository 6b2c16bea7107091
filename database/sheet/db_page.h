// What every page of the database sheet shares: the control families of the
// record dialogs (each page binds them at its own point of opening), the
// sheet it belongs to, the applied flag, the commit that Apply calls, the
// sheet's Apply button enabled after every command, and the two duties of
// the sheet's first page (it answers Apply for the whole sheet and reports
// the sheet's end).
#pragma once

#include "ui/dlg_record.h"

class PROP_DATABASE;
class PROP_DBSKILL;

class DLG_DBPAGE : public DLG_RECORD_CLASS {
public:
    DLG_DBPAGE(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    // Writes the page's edits into the database objects; nothing while the
    // page's window was never made.
    virtual void Commit() {}
    // The sheet's idle step while the page shows: a preview is drawn again;
    // an animation page also steps its animation when `advance` is set.
    virtual void OnTick(int /*advance*/) { OnPaint(); }
    int HasWindow() const { return m_hWnd != nullptr; }
    // The skill sheet the page holds open (the skill-list page's), or none.
    virtual PROP_DBSKILL* SkillSheet() const { return nullptr; }

    PROP_DATABASE* m_pDatabase;

protected:
    // The page procedure's common part: the generic dialog procedure, the
    // sheet leaving the page, then Apply and the end of the sheet when this
    // is its first page. Sets *handled when the message needs no more.
    LRESULT PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, int* handled);
    // What an edit of the page holds finished as if it were left.
    void FinishTyping();
    // PSM_CHANGED: the sheet's Apply button becomes available.
    void MarkChanged();
    // Whether a WM_NOTIFY is the page's PSN_SETACTIVE.
    static int IsSetActive(UINT msg, LPARAM lParam);
};
