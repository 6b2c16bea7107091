// The unit pages' tests: the database sheet over the sample project with
// realistic units, and the modal dialogs of the pages answered as a user
// would.
#pragma once

#include <functional>

#include "tests/database/sheet/sheet_test_support.h"
#include "tests/database/units/unit_test_data.h"

enum { TAB_CLASS = 0, TAB_FRIEND = 1, TAB_ENEMY = 2 };

class UnitsTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        MakeUnitDatabase();
    }
    // The record at `row` of a page's record list selected alone.
    void SelectRecord(int tab, int row) { SelectRows(tab, kRecordLists[tab], {row}); }
    // A notification of a page's control.
    void Notify(int tab, int id, int code) {
        SendMessageA(m_pSheet->Page(tab)->m_hWnd, WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(Item(tab, id)));
    }
    // The rows of a list box as it shows them.
    std::vector<std::string> Rows(int tab, int id) const { return ListRows(Item(tab, id)); }

    static constexpr int kRecordLists[3] = {1029, 1121, 1179};

public:
    static std::vector<std::string> ListRows(HWND list);
};

// Runs `act` on the next dialog of class D once it is open; `act` ends it.
template <class D>
void WhenDialog(std::function<void(D*)> act) {
    WhenOpen([act] {
        D* dialog = OpenBox<D>();
        if (!dialog) return false;
        act(dialog);
        return true;
    });
}

// A command of a dialog's control, as its click or notification sends it.
void Send(DLG_CLASS* dialog, int id, int code = BN_CLICKED);
void ChooseRow(DLG_CLASS* dialog, int id, int row);
