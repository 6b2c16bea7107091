#include "tests/app/list_clicks.h"

#include <algorithm>

#include "tests/support/updown.h"
#include "tests/ui/ui_driver.h"
#include "ui/wnd_list.h"

namespace {

// The messages of the next moments through the main loop's path (its
// filter first): until `ms` after the last message of kind `last` went
// through, or for `ms` when `last` is 0.
void RunInput(UINT last, DWORD ms) {
    RunUpDownMessages(last, ms, [](MSG* msg) { return DispatchAppMessage(msg); });
}

void SendKeys(const std::vector<WORD>& keys, int up) {
    std::vector<INPUT> in(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[up ? keys.size() - 1 - i : i];
        in[i].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    }
    if (!in.empty()) SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// The pointer moved to `at` (screen) and `clicks` left clicks there, with
// `held` keys down meanwhile.
void ClickAt(POINT at, int clicks, const std::vector<WORD>& held) {
    SetCursorPos(at.x, at.y);
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;  // by nothing: the window sees the pointer arrive
    SendInput(1, &move, sizeof(INPUT));
    RunInput(WM_MOUSEMOVE, 10);
    SendKeys(held, 0);
    std::vector<INPUT> in(static_cast<size_t>(clicks) * 2);
    for (size_t i = 0; i < in.size(); ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    SendKeys(held, 1);
    RunInput(WM_LBUTTONUP, 20);
}

int g_nClicks = 0;

// Clicks on a row land a little further right each time: two clicks on one
// row never make a double click unless a double click is meant.
bool ClickRow(HWND list, int row, int clicks = 1, const std::vector<WORD>& held = {}) {
    RECT item = {};
    if (SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item)) == LB_ERR) return false;
    POINT at = {item.left + 8 + (g_nClicks++ % 5) * 10, (item.top + item.bottom) / 2};
    ClientToScreen(list, &at);
    if (WindowFromPoint(at) != list) return false;  // scrolled away or covered
    ClickAt(at, clicks, held);
    return true;
}

void PressKey(WORD key) {
    TypeKeys({key});
    RunInput(WM_KEYUP, 20);
}

std::vector<int> ShownRows(HWND list) {
    std::vector<int> rows;
    if (GetWindowLongA(list, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) {
        const int count = static_cast<int>(SendMessageA(list, LB_GETSELCOUNT, 0, 0));
        rows.resize(count > 0 ? count : 0);
        if (count > 0) SendMessageA(list, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(rows.data()));
    } else {
        const int row = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
        if (row >= 0) rows.push_back(row);
    }
    return rows;
}

std::vector<int> HeldRows(const CTRL_LIST_BASE& list) {
    std::vector<int> rows;
    if (!list.m_bMulti) {
        if (list.m_nCurRow >= 0) rows.push_back(list.m_nCurRow);
        return rows;
    }
    for (size_t i = 0; i < list.m_SelFlags.size(); ++i)
        if (list.m_SelFlags[i]) rows.push_back(static_cast<int>(i));
    return rows;
}

std::string Rows(const std::vector<int>& rows) {
    std::string text = "{";
    for (size_t i = 0; i < rows.size(); ++i) text += (i ? "," : "") + std::to_string(rows[i]);
    return text + "}";
}

std::vector<std::string> RowTexts(HWND list, int numbered) {
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(text.find('\0'));
        // The number goes with the place, not with the record.
        if (numbered && text.find(' ') != std::string::npos) text.erase(0, text.find(' ') + 1);
        texts.push_back(text);
    }
    return texts;
}

// The rows before and after, for a fault.
std::string Listed(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    std::string text = ": before";
    for (const std::string& row : before) text += " [" + row + "]";
    text += ", after";
    for (const std::string& row : after) text += " [" + row + "]";
    return text;
}

BOOL CALLBACK AddShown(HWND wnd, LPARAM lParam) {
    std::string& all = *reinterpret_cast<std::string*>(lParam);
    char kind[32] = {}, text[512] = {};
    GetClassNameA(wnd, kind, sizeof(kind));
    GetWindowTextA(wnd, text, sizeof(text));
    all += std::string(kind) + ":" + text;
    if (lstrcmpiA(kind, "Button") == 0) all += "=" + std::to_string(SendMessageA(wnd, BM_GETCHECK, 0, 0));
    if (lstrcmpiA(kind, "ComboBox") == 0) all += "=" + std::to_string(SendMessageA(wnd, CB_GETCURSEL, 0, 0));
    if (lstrcmpiA(kind, "ListBox") == 0) all += "#" + std::to_string(SendMessageA(wnd, LB_GETCOUNT, 0, 0));
    all += "|";
    return TRUE;
}

// What a window shows: every child's kind, text and state.
std::string Shows(HWND wnd) {
    std::string all;
    EnumChildWindows(wnd, AddShown, reinterpret_cast<LPARAM>(&all));
    return all;
}

// What the dialog that `press` opens shows; it is then closed. Empty when
// no dialog opened.
std::string OpenedBy(const std::function<void()>& press) {
    const HWND before = GetActiveWindow();
    std::string seen;
    bool done = false;
    WhenShown([&] {
        HWND wnd = GetActiveWindow();
        if (!wnd || wnd == before || !IsWindowVisible(wnd)) return false;
        seen = Shows(wnd);
        done = true;
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        return true;
    });
    press();
    for (int i = 0; i < 100 && !done; ++i) RunInput(0, 10);
    if (!done) WhenShown(nullptr);
    RunInput(0, 10);
    return seen;
}

CTRL_LIST_BASE* FindList(DLG_CLASS* host, WORD id) {
    for (CTRL_CLASS* c : host->m_CtrlList)
        if (c->m_wId == id && c->m_nKind == CTRL_KIND_LIST) return static_cast<CTRL_LIST_BASE*>(c);
    return nullptr;
}

}  // namespace

bool InModal(const std::function<void()>& open, const std::function<DLG_CLASS*()>& dialog,
             const std::function<void(DLG_CLASS*)>& inside) {
    bool ran = false;
    WhenShown([&] {
        DLG_CLASS* d = dialog();
        if (!d || GetActiveWindow() != d->m_hWnd) return false;
        ran = true;
        inside(d);
        if (dialog() == d) d->End(0);
        return true;
    });
    open();
    if (!ran) WhenShown(nullptr);
    return ran;
}

void InModeless(DLG_CLASS* window, HWND top, const std::function<void(DLG_CLASS*)>& inside) {
    SetForegroundWindow(top);
    SetActiveWindow(top);
    RunInput(0, 50);
    inside(window);
}

void ClickWindow(HWND wnd) {
    RECT rc = {};
    GetWindowRect(wnd, &rc);
    ClickAt({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}, 1, {});
}

std::vector<std::string> ClickThroughList(const cListCase& c, DLG_CLASS* host) {
    std::vector<std::string> faults;
    CTRL_LIST_BASE* list = FindList(host, c.list);
    HWND box = GetDlgItem(host->m_hWnd, c.list);
    if (!list || !box) return {c.name + ": no list " + std::to_string(c.list)};
    const int numbered = list->m_bNumber;
    auto records = [&] { return list->GetRecordCount(); };
    auto fault = [&](const std::string& step, const std::string& text) {
        faults.push_back(c.name + ", " + step + ": " + text);
    };
    // The rows shown selected, the rows the list holds and its current row.
    auto expect = [&](const std::string& step, std::vector<int> rows, int current) {
        const std::string want = Rows(rows), shown = Rows(ShownRows(box)), held = Rows(HeldRows(*list));
        if (shown != want) fault(step, "shows " + shown + " selected, not " + want);
        if (held != want) fault(step, "holds " + held + " selected, not " + want);
        if (current >= 0 && list->GetCurSel() != current)
            fault(step, "its current row is " + std::to_string(list->GetCurSel()) + ", not " + std::to_string(current));
    };
    auto click = [&](const std::string& step, int row, int clicks, const std::vector<WORD>& held) {
        if (!ClickRow(box, row, clicks, held)) fault(step, "row " + std::to_string(row) + " is not on the screen");
    };
    auto press = [&](WORD button) { return [host, button] { ClickWindow(GetDlgItem(host->m_hWnd, button)); }; };
    // A row picked as the dialog is told of it; what its edit dialog shows.
    auto pick = [&](int row) {
        list->SelectOnly(row, 1);
        list->FillList();
        SendMessageA(host->m_hWnd, WM_COMMAND, MAKEWPARAM(c.list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    };
    auto reference = [&](int row) {
        pick(row);
        return OpenedBy(press(c.edit));
    };
    // A cleared row shows what the first clear showed; a delete leaves the other rows.
    std::string cleared;
    auto acted = [&](const std::string& step, const std::vector<int>& rows) {
        const std::vector<std::string> before = RowTexts(box, numbered);
        press(c.change)();
        const std::vector<std::string> after = RowTexts(box, numbered);
        std::vector<std::string> want;
        for (size_t i = 0; i < before.size(); ++i) {
            const bool chosen = std::find(rows.begin(), rows.end(), static_cast<int>(i)) != rows.end();
            if (c.changes == LIST_CLEARS && chosen && cleared.empty() && after.size() > i && after[i] != before[i])
                cleared = after[i];
            if (c.changes == LIST_CLEARS) want.push_back(chosen ? cleared : before[i]);
            if (c.changes == LIST_DELETES && !chosen) want.push_back(before[i]);
        }
        if (after != want)
            fault(step, (c.changes == LIST_CLEARS ? "cleared other rows than " : "deleted other rows than ") +
                            Rows(rows) + Listed(before, after));
    };

    // A delete takes a row from the clicks after it.
    if (records() < (c.change && c.changes == LIST_DELETES ? 4 : 3)) return {c.name + ": too few records to click"};
    std::string edits[2];
    auto edited = [&](const std::string& step, const std::string& opened, int which) {
        if (opened != edits[which])
            fault(step, std::string("the edit opened another record than ") + (which ? "the last row's" : "row 1's"));
    };
    if (c.edit) {
        edits[0] = reference(1);
        edits[1] = reference(records() - 1);
        if (edits[0].empty()) return {c.name + ": its edit button opened nothing"};
        if (edits[0] == edits[1]) return {c.name + ": the edit dialog shows row 1 and the last alike"};
        pick(0);
    }

    click("a click on row 1", 1, 1, {});
    expect("a click on row 1", {1}, 1);
    if (c.edit) edited("edit after a click on row 1", OpenedBy(press(c.edit)), 0);
    int last = records() - 1;
    click("a click on the last row", last, 1, {});
    expect("a click on the last row", {last}, last);
    PressKey(VK_UP);
    expect("Up", {last - 1}, last - 1);
    PressKey(VK_DOWN);
    expect("Down", {last}, last);
    if (c.edit) edited("edit after Down", OpenedBy(press(c.edit)), 1);
    auto doubleClick = [&] { click("a double click on row 1", 1, 2, {}); };
    if (c.edit)
        edited("a double click on row 1", OpenedBy(doubleClick), 0);
    else
        doubleClick();
    expect("a double click on row 1", {1}, 1);
    if (c.change) acted("a change after the double click on row 1", {1});
    if (list->m_bMulti) {
        last = records() - 1;
        click("a click on the last row", last, 1, {});
        click("Shift+click on row 1", 1, 1, {VK_SHIFT});
        std::vector<int> span;
        for (int row = 1; row <= last; ++row) span.push_back(row);
        expect("Shift+click on row 1", span, 1);
        click("Ctrl+click on the last row", last, 1, {VK_CONTROL});
        span.pop_back();
        expect("Ctrl+click on the last row", span, 1);
        if (c.change) acted("a change of rows 1 to the last but one", span);
    }
    return faults;
}
