// The record commands of the list control: cut, copy, paste, new, insert,
// clear, delete and the data count, on the working copy and the bound record.
#include "ui/ctrl_list.h"
#include "ui/dlg.h"

int CTRL_LIST_BASE::Tail() {
    FillList();
    RedrawList();
    return 1;
}

int CTRL_LIST_BASE::OnListCommand(WORD id) {
    if (!id || !m_hWnd || GetFocus() != m_hWnd) return 0;
    for (int slot = 0; slot < LIST_CMD_COUNT; ++slot)
        if (m_KeyIds[slot] == id) return RunCommand(slot);
    return 0;
}

int CTRL_LIST_BASE::OnListMenuCommand(WORD id) {
    if (!id || !m_hWnd || GetFocus() != m_hWnd) return 0;
    for (int slot = 0; slot < LIST_CMD_COUNT; ++slot)
        if (m_MenuIds[slot] == id) return RunCommand(slot);
    return 0;
}

int CTRL_LIST_BASE::RunCommand(int slot) {
    switch (slot) {
    case LIST_CMD_CUT: return Cut();
    case LIST_CMD_COPY: return Copy();
    case LIST_CMD_PASTE: return Paste();
    case LIST_CMD_NEW: return NewRecord();
    case LIST_CMD_INSERT: return InsertRecord();
    case LIST_CMD_CLEAR: return ClearRecords();
    case LIST_CMD_DELETE: return DeleteRecords(-1, 0);
    }
    return 0;
}

int CTRL_LIST_BASE::SelectedRecords(std::vector<int>* indices) {
    indices->clear();
    if (!m_bMulti) {
        m_nCurRow = GetCurSel();
        if (m_nCurRow < 0 || IsAppendRow(m_nCurRow) || m_nCurRow >= ShownRecords()) return 0;
        indices->push_back(m_nCurRow + m_nFirstShown);
        return 1;
    }
    int shown = ShownRecords();
    for (int row = 0; row < static_cast<int>(m_SelFlags.size()) && row < shown; ++row)
        if (m_SelFlags[row]) indices->push_back(row + m_nFirstShown);
    return 1;
}

int CTRL_LIST_BASE::RefuseAtMaximum(int adding) {
    if (!WouldPassMaximum(adding)) return 0;
    MessageBeep(0);
    return 1;
}

int CTRL_LIST_BASE::Cut() {
    // Nothing is deleted that did not reach the clipboard.
    if (!Copy()) return 0;
    if (!DeleteRecords(-1, 0)) return 0;
    m_nLastCommand = LIST_CMD_CUT;
    return 1;
}

int CTRL_LIST_BASE::BeginPaste(int count) {
    m_nLastCommand = LIST_CMD_PASTE;
    m_nCurRow = GetCurSel();
    if (m_nCurRow < 0) {
        MessageBeep(0);
        return -1;
    }
    // A full list refuses any paste, and no paste may carry it past the maximum.
    if (RefuseAtMaximum(count > 0 ? count : 1)) return -1;
    int at = m_nCurRow + m_nFirstShown;
    return at > RecordCount() ? RecordCount() : at;
}

int CTRL_LIST_BASE::EndPaste(int count) {
    if (m_nContainer != LIST_KIND_VECTOR) return Tail();
    if (count > 0) LoadBoundRecord();
    // The first pasted record alone is selected; flags of rows that moved
    // would point at other records.
    if (m_bMulti) {
        m_SelFlags.assign(ShownRows(), 0);
        m_LastFlags.assign(ShownRows(), 0);
        SelectOnly(m_nCurRow, 0);
    }
    return Tail();
}

int CTRL_LIST_BASE::NewRecord() {
    m_nLastCommand = LIST_CMD_NEW;
    if (RefuseAtMaximum(1)) return 0;
    if (m_nContainer != LIST_KIND_VECTOR) return Tail();
    InsertDefaultRecord(RecordCount());
    m_nCurRow = ShownRecords() - 1;
    if (HasBound()) CopyRecordToBound(RecordCount() - 1);
    if (m_bMulti) {
        m_SelFlags.push_back(0);
        m_LastFlags.push_back(0);
    }
    SelectOnly(m_nCurRow, 0);
    return Tail();
}

int CTRL_LIST_BASE::InsertRecord() {
    m_nLastCommand = LIST_CMD_INSERT;
    m_nCurRow = GetCurSel();
    if (m_nCurRow < 0) m_nCurRow = 0;
    if (RefuseAtMaximum(1)) return 0;
    if (m_nContainer != LIST_KIND_VECTOR) return Tail();
    int at = m_nCurRow + m_nFirstShown;
    if (at > RecordCount()) at = RecordCount();
    InsertDefaultRecord(at);
    if (HasBound()) CopyRecordToBound(at);
    if (m_bMulti) {
        // The new record alone is selected: rows below it moved down by one.
        m_SelFlags.assign(ShownRows(), 0);
        m_LastFlags.assign(ShownRows(), 0);
        SelectOnly(m_nCurRow, 0);
    }
    return Tail();
}

int CTRL_LIST_BASE::ClearRecords() {
    m_nLastCommand = LIST_CMD_CLEAR;
    if (m_nContainer != LIST_KIND_VECTOR) return Tail();
    std::vector<int> indices;
    if (SelectedRecords(&indices)) {
        for (int index : indices) ResetRecord(index);
        int current = m_nCurRow + m_nFirstShown;
        if (HasBound() && m_nCurRow >= 0 && !IsAppendRow(m_nCurRow) && current < RecordCount())
            CopyRecordToBound(current);
    }
    return Tail();
}

int CTRL_LIST_BASE::DeleteRecords(int row, int caretOnly) {
    m_nLastCommand = LIST_CMD_DELETE;
    if (!m_bMulti) {
        int r = row == -1 ? GetCurSel() : row;
        m_nCurRow = r;
        if (r < 0 || IsAppendRow(r) || r >= ShownRecords() || m_nContainer != LIST_KIND_VECTOR) return Tail();
        if (IsAtMinimum()) {
            MessageBeep(0);
            return 0;
        }
        EraseRecord(r + m_nFirstShown);
        if (r + m_nFirstShown >= RecordCount()) {
            // The last record went: the one before it becomes current.
            m_nCurRow = r - 1;
            SendMessageA(m_hWnd, LB_SETCURSEL, m_nCurRow, 0);
            if (ShownRecords() > 0) {
                if (HasBound()) CopyRecordToBound(m_nCurRow + m_nFirstShown);
            } else {
                if (HasBound()) CopyDefaultToBound();
                m_nCurRow = -1;
            }
        } else if (HasBound()) {
            CopyRecordToBound(r + m_nFirstShown);
        }
        return Tail();
    }

    if (IsAtMinimum() || m_SelFlags.empty()) {
        MessageBeep(0);
        return 0;
    }
    if (row != -1) m_nCurRow = row;
    int deleted = 0;
    for (int i = 0; i < static_cast<int>(m_SelFlags.size());) {
        if (IsAtMinimum()) break;
        bool looked = !caretOnly || i == m_nCurRow;
        if (looked && !IsAppendRow(i) && i < ShownRecords() && m_SelFlags[i]) {
            if (i < m_nCurRow) --m_nCurRow;
            EraseRecord(i + m_nFirstShown);
            m_SelFlags.EraseAt(static_cast<unsigned>(i));
            ++deleted;
            if (caretOnly) break;
            continue;  // the next row moved into this one
        }
        ++i;
    }
    if (!deleted) {
        MessageBeep(0);
        return 0;
    }
    int shown = ShownRecords();
    if (shown > 0 && m_nCurRow >= shown && !IsAppendRow(m_nCurRow)) m_nCurRow = shown - 1;
    m_SelFlags.assign(ShownRows(), 0);
    if (m_nCurRow >= 0 && m_nCurRow < static_cast<int>(m_SelFlags.size())) m_SelFlags[m_nCurRow] = 1;
    m_nAnchorRow = m_nCurRow;
    if (HasBound()) {
        if (shown == 0) {
            CopyDefaultToBound();
            m_nCurRow = -1;
        } else if (IsAppendRow(m_nCurRow)) {
            CopyDefaultToBound();
        } else {
            CopyRecordToBound(m_nCurRow + m_nFirstShown);
        }
    }
    return Tail();
}

int CTRL_LIST_BASE::Resize(int count) {
    if (count < m_nMinCount || count > m_nMaxCount) {
        MessageBeep(0);
        return 0;
    }
    if (m_nContainer != LIST_KIND_VECTOR) return Tail();
    ResizeRecords(m_nFirstShown + count);
    if (static_cast<unsigned>(m_nCurRow + m_nFirstShown) >= static_cast<unsigned>(RecordCount()) || m_nCurRow < 0) {
        m_nCurRow = 0;
        SendMessageA(m_hWnd, LB_SETCURSEL, 0, 0);
        if (ShownRecords() > 0) {
            if (HasBound()) CopyRecordToBound(m_nFirstShown);
        } else {
            if (HasBound()) CopyDefaultToBound();
            m_nCurRow = -1;
        }
        if (m_bMulti) m_SelFlags.assign(ShownRows(), 0);
        SelectOnly(m_nCurRow, 0);
    } else if (HasBound()) {
        CopyRecordToBound(m_nCurRow + m_nFirstShown);
    }
    // A flag for every row, the new ones too: a row without one could not be
    // selected (SelectRowFlag would fall back on the last flagged row).
    if (m_bMulti) m_SelFlags.resize(ShownRows(), 0);
    return Tail();
}

int CTRL_LIST_BASE::MoveCurrent(int delta) {
    const int row = GetCurSel();
    if (row < 0 || IsAppendRow(row)) return 0;
    SelectOnly(row, 0);
    const int to = row + delta;
    if (to < 0 || to >= ShownRecords()) return 0;
    SwapRecords(m_nFirstShown + row, m_nFirstShown + to);
    FillList();
    SelectOnly(to, 1);
    return 1;
}
