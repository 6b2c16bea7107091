#include "tests/database/units/unit_test_support.h"

constexpr int UnitsTest::kRecordLists[3];

std::vector<std::string> UnitsTest::ListRows(HWND list) {
    std::vector<std::string> rows;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

void Send(DLG_CLASS* dialog, int id, int code) {
    SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog->m_hWnd, id)));
}

void ChooseRow(DLG_CLASS* dialog, int id, int row) {
    SendDlgItemMessageA(dialog->m_hWnd, id, CB_SETCURSEL, row, 0);
    Send(dialog, id, CBN_SELCHANGE);
}
