#include "database/media/entry_dialog.h"

#include "base/report.h"

int RunEntryDialog(DLG_CLASS*& dialog, CTRL_LIST_BASE& entries) {
    if (!dialog) {
        MemoryShortageExit();
        return 0;
    }
    const int ok = dialog->DoModal(0) == 1;
    SafeDelete(dialog);
    if (ok) {
        entries.FillList();
        entries.RedrawList();
    }
    return ok;
}

int InsertThroughDialog(CTRL_LIST_BASE& entries, const std::function<int()>& edit) {
    if (!entries.InsertRecord()) return ENTRY_FULL;
    const int row = entries.m_nCurRow;
    int result = ENTRY_ADDED;
    if (edit()) {
        entries.SelectNext(0);
    } else {
        entries.DeleteRecords(row, 1);
        result = ENTRY_CANCELLED;
    }
    entries.FillList();
    entries.RedrawList();
    return result;
}
