// The list control: a list box that shows a vector of records, one row per
// record (optionally numbered) plus an optional empty append row, and lets
// the owner pick records. It edits a working copy that the owner keeps; the
// dialog's refresh copies the source in, its store copies the working copy
// back, and every selection change loads the selected record into the
// owner's bound record.
//
//   CTRL_LIST_DESC<cRecord> desc;
//   desc.id = IDC_LIST;
//   desc.source = &g_Records;
//   desc.working = &m_Work;
//   desc.bound = &m_Record;
//   desc.number = 1;
//   desc.maxCount = 999;
//   desc.appendRow = 1;
//   desc.rowText = RowText;
//   m_List.Subclass(this, desc);
//   AddCtrl(&m_List);
//
// The record commands (cut, copy, paste, new, insert, clear, delete) arrive
// at the owner as WM_COMMAND with the ids kept here.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/containers.h"
#include "ui/ctrl.h"
#include "ui/list_rules.h"

// Everything of the list control that does not depend on the record type.
class CTRL_LIST_BASE : public CTRL_CLASS {
public:
    CTRL_LIST_BASE();

    void ValueToCtrl() override { LoadFromSource(); }
    void CtrlToValue() override { StoreToSource(); }
    void RedrawList() override;
    // The dialog routes LBN_SELCHANGE here before any handler of its own
    // runs: a redraw of the old flags (RedrawList) would otherwise put the
    // previous selection back before the dialog read the new one.
    void OnChange() override { OnSelChange(); }
    void OnCommand() override;
    void OnKeyDown(WPARAM key, LPARAM data, int ctrlHeld) override { OnShortcutKey(key, data, ctrlHeld); }

    void LoadFromSource();
    void StoreToSource();
    void SetCommandIds(WORD cut, WORD copy, WORD paste, WORD add, WORD insert, WORD clear, WORD remove);
    void SetMenuCommandIds(WORD cut, WORD copy, WORD paste, WORD add, WORD insert, WORD clear, WORD remove);
    void SetContextMenu(WORD menuId, WORD cut, WORD copy, WORD paste, WORD add, WORD insert, WORD clear, WORD remove);

    int GetCount() const;
    int GetRecordCount() const;
    int GetCurSel() const;
    int IsAppendRow(int row) const;
    int GetDataPos() const;

    void SetCurSel(int row, int load);
    void SelectOnly(int row, int load);
    void SelectNext(int load);
    void SelectPrev(int load);
    void LoadBoundRecord();
    int OnSelChange();
    int StoreCurrentRecord();
    int SelectAtPoint(POINT screenPt);
    // The pop-up menu for a WM_CONTEXTMENU that `owner` got for window `wnd`:
    // 1 when `wnd` is this list (and enabled), whose row under the pointer
    // is selected first as a left click would (from the keyboard: its
    // current row, the menu at its top left). A list without a menu only
    // selects.
    int TrackContextMenu(HWND owner, HWND wnd, LPARAM lParam);
    void FillList();
    void OnShortcutKey(WPARAM key, LPARAM data, int ctrlHeld);
    // Drawing of the list box: off while a command fills or selects its rows
    // one by one (a long list would be drawn row by row for seconds), on
    // again (and drawn once) when the command ends.
    void SetDrawing(int on);

    // Record commands on the working copy (ctrl_list_cmd.cpp): 1 done, 0
    // refused with a beep. Paste, new and insert refuse what would pass the
    // maximum count, delete never goes below the minimum.
    int OnListCommand(WORD id);      // a key command id, while the list has the focus
    int OnListMenuCommand(WORD id);  // a context-menu command id, likewise
    int Cut();
    virtual int Copy() = 0;   // into the list's own clipboard
    virtual int Paste() = 0;  // from the list's own clipboard
    int NewRecord();
    int InsertRecord();
    int ClearRecords();
    int DeleteRecords(int row, int caretOnly);
    int Resize(int count);
    // Swaps the current record with the one `delta` rows away and selects
    // it there, so that repeated moves carry one record along; 0 on the end
    // row or where the neighbour would lie outside the records.
    int MoveCurrent(int delta);

    int m_bDrawing = 1;                     // the list box draws as it changes
    std::vector<std::string> m_FilledRows;  // the rows FillList put in the list box
    int m_nCurRow = -1;
    int m_nAnchorRow = -1;
    VECTOR_CLASS<int> m_SelFlags;
    int m_nLastRow = -1;
    VECTOR_CLASS<int> m_LastFlags;
    int m_nTopRow = 0;
    int m_nContainer = LIST_KIND_LIST;
    int m_bMulti = 0;
    int m_bNumber = 0;
    int m_nMinCount = 0;
    int m_nMaxCount = 0;
    int m_bNoSelection = 0;
    int m_nFirstShown = 0;
    int m_bAppendRow = 0;
    WORD m_KeyIds[LIST_CMD_COUNT];
    WORD m_MenuIds[LIST_CMD_COUNT];
    int m_nLastCommand = 0;
    HMENU m_hMenu = nullptr;
    std::string m_strAppendRow;

protected:
    // The record side, supplied by CTRL_LIST_CLASS<T>.
    virtual int RecordCount() const = 0;
    virtual std::string RowText(int index) = 0;
    virtual int HasBound() const = 0;
    virtual void CopyRecordToBound(int index) = 0;
    virtual void CopyDefaultToBound() = 0;
    virtual void CopyBoundToRecord(int index) = 0;
    virtual void CopySourceToWorking() = 0;
    virtual void CopyWorkingToSource() = 0;

    // The set-up common to every record type (after the vectors are taken).
    void SetUp(int multi, int number, int minCount, int maxCount, int firstShown, int appendRow, int noSelection);
    void SubclassListBox();
    int ShownRows() const { return RecordCount() - m_nFirstShown + m_bAppendRow; }
    void SelectRowFlag(int row);
    // The selection flags onto the list box's rows: every row cleared at
    // once, then the flagged rows selected.
    void ApplySelFlags();

    // The record side of the commands.
    virtual void InsertDefaultRecord(int index) = 0;  // index = count appends
    virtual void EraseRecord(int index) = 0;
    virtual void ResetRecord(int index) = 0;    // the record type's own reset
    virtual void ResizeRecords(int count) = 0;  // new records reset
    virtual void SwapRecords(int a, int b) = 0;
    int ShownRecords() const { return RecordCount() - m_nFirstShown; }
    int WouldPassMaximum(int adding) const { return ShownRecords() + adding > m_nMaxCount; }
    int RefuseAtMaximum(int adding);  // beeps when adding would pass the maximum
    int IsAtMinimum() const { return ShownRecords() <= m_nMinCount; }
    // Working indices of the selected records in row order (the append row
    // never counts); 0 in a single-selection list without a record row.
    int SelectedRecords(std::vector<int>* indices);
    // Checks a paste of `count` records: the working index it goes to, or -1 (beeped).
    int BeginPaste(int count);
    // After `count` records were pasted at the current row.
    int EndPaste(int count);
    int RunCommand(int slot);
    int Tail();

private:
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// A record's reset for the clear and data-count commands: its SetDefault
// when it has one, else a default-constructed record.
template <class T>
auto ResetListRecordImpl(T& record, int) -> decltype(record.SetDefault(), void()) {
    record.SetDefault();
}
template <class T>
void ResetListRecordImpl(T& record, long) {
    record = T();
}
template <class T>
void ResetListRecord(T& record) {
    ResetListRecordImpl(record, 0);
}
template <class T>
T ResetListRecordCopy() {
    T record{};
    ResetListRecord(record);
    return record;
}

// How a list is bound, set field by field; what an owner leaves alone keeps
// its default: a single-selection, unnumbered list of the working copy that
// no command may grow (maxCount 0).
template <class T>
struct CTRL_LIST_DESC {
    typedef void (*ROW_TEXT)(std::string& text, int index, const T& record);
    int id = 0;
    int container = LIST_KIND_VECTOR;    // LIST_KIND_LIST is refused
    int multi = 0;                       // several rows may be selected
    VECTOR_CLASS<T>* source = nullptr;   // the owner's records, or null
    VECTOR_CLASS<T>* working = nullptr;  // the working copy the rows show
    T* bound = nullptr;                  // receives the selected record, or null
    int number = 0;                      // rows start with their number
    int minCount = 0, maxCount = 0;      // record counts the commands keep to
    int firstShown = 0;                  // records before it are never shown
    int appendRow = 0;                   // an empty row after the last record
    int noSelection = 0;                 // the current row may be none
    ROW_TEXT rowText = nullptr;
};

// The descriptor of a list of records as the editors show them: several
// rows may be selected and an end row follows the last record.
template <class T>
CTRL_LIST_DESC<T> RecordListDesc(int id, VECTOR_CLASS<T>* source, VECTOR_CLASS<T>* working, T* bound, int numbered,
                                 int minCount, int maxCount, int firstShown,
                                 typename CTRL_LIST_DESC<T>::ROW_TEXT rowText) {
    CTRL_LIST_DESC<T> d;
    d.id = id;
    d.multi = 1;
    d.source = source;
    d.working = working;
    d.bound = bound;
    d.number = numbered;
    d.minCount = minCount;
    d.maxCount = maxCount;
    d.firstShown = firstShown;
    d.appendRow = 1;
    d.rowText = rowText;
    return d;
}

template <class T>
class CTRL_LIST_CLASS : public CTRL_LIST_BASE {
public:
    typedef CTRL_LIST_DESC<T> DESC;

    void Subclass(DLG_CLASS* dlg, const DESC& desc);

    VECTOR_CLASS<T>* m_pSource = nullptr;
    VECTOR_CLASS<T>* m_pWork = nullptr;
    T* m_pBound = nullptr;
    VECTOR_CLASS<T> m_Clipboard;
    // What new records and the end row start from: the record's own reset
    // unless the owner sets another.
    T m_Default = ResetListRecordCopy<T>();
    typename DESC::ROW_TEXT m_pfnRowText = nullptr;

protected:
    int RecordCount() const override { return m_pWork ? static_cast<int>(m_pWork->size()) : 0; }
    std::string RowText(int index) override {
        std::string text;
        if (m_pfnRowText) m_pfnRowText(text, index, m_pWork->At(index));
        return text;
    }
    int HasBound() const override { return m_pBound != nullptr; }
    void CopyRecordToBound(int index) override {
        if (m_pBound && m_pWork) *m_pBound = m_pWork->At(index);
    }
    void CopyDefaultToBound() override {
        if (m_pBound) *m_pBound = m_Default;
    }
    void CopyBoundToRecord(int index) override {
        if (m_pBound && m_pWork) m_pWork->At(index) = *m_pBound;
    }
    void CopySourceToWorking() override {
        if (m_pSource && m_pWork) m_pWork->Assign(*m_pSource);
    }
    void CopyWorkingToSource() override {
        if (m_pSource && m_pWork) m_pSource->Assign(*m_pWork);
    }

public:
    // The selected records into the clipboard / into a vector of the owner.
    int Copy() override {
        m_nLastCommand = LIST_CMD_COPY;
        return CopyTo(m_Clipboard, 1);
    }
    int Copy(VECTOR_CLASS<T>& destination) { return CopyTo(destination, 0); }
    // Copies of the records inserted before the current row (appended on the append row).
    int Paste() override { return Paste(m_Clipboard); }
    int Paste(const VECTOR_CLASS<T>& source);

protected:
    // New and insert add the list's default record, the one its end row shows.
    void InsertDefaultRecord(int index) override {
        if (m_pWork) m_pWork->insert(m_pWork->begin() + index, m_Default);
    }
    void EraseRecord(int index) override {
        if (m_pWork) m_pWork->EraseAt(static_cast<unsigned>(index));
    }
    void ResetRecord(int index) override {
        if (m_pWork) ResetListRecord(m_pWork->At(index));
    }
    void ResizeRecords(int count) override {
        if (!m_pWork) return;
        size_t old = m_pWork->size();
        m_pWork->resize(static_cast<size_t>(count));
        for (size_t i = old; i < m_pWork->size(); ++i) ResetListRecord((*m_pWork)[i]);
    }
    void SwapRecords(int a, int b) override {
        if (m_pWork) std::swap((*m_pWork)[a], (*m_pWork)[b]);
    }

private:
    int CopyTo(VECTOR_CLASS<T>& destination, int own);
};

template <class T>
int CTRL_LIST_CLASS<T>::CopyTo(VECTOR_CLASS<T>& destination, int own) {
    if (!own) destination.clear();
    std::vector<int> indices;
    if (!SelectedRecords(&indices)) {
        MessageBeep(0);
        return 0;
    }
    destination.clear();
    for (int index : indices) destination.push_back(m_pWork->At(index));
    return own || !destination.empty() ? 1 : 0;
}

template <class T>
int CTRL_LIST_CLASS<T>::Paste(const VECTOR_CLASS<T>& source) {
    int at = BeginPaste(static_cast<int>(source.size()));
    if (at < 0) return 0;
    if (m_nContainer == LIST_KIND_VECTOR && m_pWork) {
        // Copied first: the source may be the working copy itself.
        VECTOR_CLASS<T> records(source);
        m_pWork->insert(m_pWork->begin() + at, records.begin(), records.end());
    }
    return EndPaste(static_cast<int>(source.size()));
}

template <class T>
void CTRL_LIST_CLASS<T>::Subclass(DLG_CLASS* dlg, const DESC& desc) {
    Attach(dlg, static_cast<WORD>(desc.id));
    m_nContainer = desc.container;
    if (m_nContainer == LIST_KIND_VECTOR) {
        m_pSource = desc.source;
        m_pWork = desc.working;
        m_pBound = desc.bound;
    } else {
        m_pSource = m_pWork = nullptr;
        m_pBound = nullptr;
    }
    m_pfnRowText = desc.rowText;
    SetUp(desc.multi, desc.number, desc.minCount, desc.maxCount, desc.firstShown, desc.appendRow, desc.noSelection);
}
