// The combo control: a drop-down list bound to an int whose value is the row
// plus an offset, or the entry of a value table for the row. The rows come
// from a word table (strings up to the first empty one) or a string vector.
//
//   m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_KIND, &m_Work.nKind, g_WordKinds, nullptr, 0, nullptr}));
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/containers.h"
#include "ui/ctrl.h"

template <class T>
class CTRL_COMBO_CLASS : public CTRL_CLASS {
public:
    struct DESC {
        WORD id;
        T* value;
        const char* const* strings;         // word table ending with "", or null
        VECTOR_CLASS<std::string>* vector;  // or null
        T offset;                           // value of row 0 without a table
        VECTOR_CLASS<T>* table;             // value of each row, or null
    };
    CTRL_COMBO_CLASS() : CTRL_CLASS(CTRL_KIND_COMBO) {}
    explicit CTRL_COMBO_CLASS(DESC desc) : CTRL_CLASS(CTRL_KIND_COMBO), m_Desc(desc) {}

    // A value without a row selects none (not the row shown before).
    void ValueToCtrl() override {
        if (!m_pValue) return;
        int row = ValueToIndex(*m_pValue);
        if (row >= static_cast<int>(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0))) row = -1;
        SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
    // With no row selected (a value the rows lack, or no rows at all) the
    // field keeps what it holds.
    void CtrlToValue() override {
        if (m_pValue && !IsRefreshing() && GetCurSel() >= 0) *m_pValue = GetValue();
    }

    void Attach(DLG_CLASS* dlg, const DESC& desc) {
        CTRL_CLASS::Attach(dlg, desc.id);
        m_Desc = desc;
        m_pValue = desc.value;
        m_pStrings = desc.strings;
        m_pVector = desc.vector;
        if (m_pStrings)
            SetStrings(m_pStrings, nullptr);
        else if (m_pVector)
            SetStrings(*m_pVector, nullptr);
        m_Offset = desc.offset;
        m_pTable = desc.table;
    }
    void AttachDesc(DLG_CLASS* dlg) { Attach(dlg, m_Desc); }

    // Row of a value: value - offset, or its first place in the table (-1: none).
    // Counted wide, so that a value read from a damaged file cannot wrap onto a row.
    int ValueToIndex(T value) const {
        if (!m_pTable) {
            const long long row = static_cast<long long>(value) - static_cast<long long>(m_Offset);
            return row >= 0 && row <= 0x7fffffff ? static_cast<int>(row) : -1;
        }
        for (size_t i = 0; i < m_pTable->size(); ++i)
            if ((*m_pTable)[i] == value) return static_cast<int>(i);
        return -1;
    }
    // The value of the selected row; offset - 1 when none is selected without a table.
    T GetValue() const {
        int row = GetCurSel();
        if (m_pTable && row >= 0) return row < static_cast<int>(m_pTable->size()) ? (*m_pTable)[row] : T(-1);
        return static_cast<T>(m_Offset + row);
    }
    int GetCurSel() const { return static_cast<int>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)); }

    // Refills the rows. A new value table selects row 0; otherwise the value
    // shown before is selected again, none when it has no row now. With none
    // selected before, the bound value is shown when the new rows hold it:
    // a value without a row is never replaced by a row's (which the next
    // store would write).
    void SetStrings(const VECTOR_CLASS<std::string>& strings, VECTOR_CLASS<T>* table = nullptr) {
        std::vector<const char*> rows;
        for (const std::string& s : strings) rows.push_back(s.c_str());
        Refill(rows, table);
    }
    void SetStrings(const char* const* strings, VECTOR_CLASS<T>* table = nullptr) {
        std::vector<const char*> rows;
        for (int i = 0; strings && strings[i] && strings[i][0]; ++i) rows.push_back(strings[i]);
        Refill(rows, table);
    }
    // Without a table: a value below the offset (or no selection) selects
    // row 0, one past the last row selects the last row. Only on request
    // (a value the user must replace); a refill never clamps.
    void ClampSelection() {
        if (m_pTable) return;
        int count = static_cast<int>(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0));
        T value = GetValue(), last = static_cast<T>(m_Offset + count - 1);
        if (value < m_Offset)
            SendMessageA(m_hWnd, CB_SETCURSEL, 0, 0);
        else if (value > last)
            SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
    }

    T* m_pValue = nullptr;
    const char* const* m_pStrings = nullptr;
    VECTOR_CLASS<std::string>* m_pVector = nullptr;
    T m_Offset = T();
    VECTOR_CLASS<T>* m_pTable = nullptr;
    DESC m_Desc = {0, nullptr, nullptr, nullptr, T(), nullptr};

private:
    void Refill(const std::vector<const char*>& rows, VECTOR_CLASS<T>* table) {
        const int selected = GetCurSel() >= 0;
        const T shown = selected ? GetValue() : m_pValue ? *m_pValue : T();
        SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
        for (const char* row : rows) SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
        if (table && table != m_pTable) {
            m_pTable = table;
            if (!table->empty()) SendMessageA(m_hWnd, CB_SETCURSEL, 0, 0);
            return;
        }
        int row = selected || m_pValue ? ValueToIndex(shown) : -1;
        if (row >= static_cast<int>(rows.size())) row = -1;
        SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
};
