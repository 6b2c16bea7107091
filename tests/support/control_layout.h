// What of a dialog does not stand whole on the screen: controls outside its
// client area, controls over each other (a group box holds its controls and
// an up-down sits in its edit), and the ends of a number edit's range (with
// the decimals it shows) cut by its room: an up-down's buddy, or the edit a
// trackbar shows its position in.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/text_fit.h"

namespace control_layout {

inline std::string Describe(const char* what, HWND wnd, const RECT& rc) {
    char line[256];
    std::snprintf(line, sizeof(line), "%s %d \"%s\" (%ld,%ld)-(%ld,%ld)", what, GetDlgCtrlID(wnd),
                  text_fit::TextOf(wnd).c_str(), rc.left, rc.top, rc.right, rc.bottom);
    return line;
}

inline std::vector<HWND> VisibleChildren(HWND dlg) {
    std::vector<HWND> out;
    for (HWND item = GetWindow(dlg, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT))
        if (GetWindowLongA(item, GWL_STYLE) & WS_VISIBLE) out.push_back(item);
    return out;
}

// The edit an up-down steps, or none.
inline HWND BuddyOf(HWND wnd) {
    if (text_fit::ClassOf(wnd) != UPDOWN_CLASSA) return nullptr;
    return reinterpret_cast<HWND>(SendMessageA(wnd, UDM_GETBUDDY, 0, 0));
}

inline bool IsGroupBox(HWND wnd) {
    return text_fit::ClassOf(wnd) == "Button" && (GetWindowLongA(wnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace control_layout

inline bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

inline RECT ScreenRect(HWND wnd) {
    RECT rc;
    GetWindowRect(wnd, &rc);
    return rc;
}

inline std::vector<std::string> CutControls(HWND dlg) {
    RECT client;
    GetClientRect(dlg, &client);
    MapWindowPoints(dlg, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::vector<std::string> out;
    for (HWND item : control_layout::VisibleChildren(dlg))
        if (!Inside(ScreenRect(item), client)) out.push_back(control_layout::Describe("cut", item, ScreenRect(item)));
    return out;
}

inline std::vector<std::string> OverlappingControls(HWND dlg) {
    using namespace control_layout;
    std::vector<HWND> items;
    for (HWND item : VisibleChildren(dlg))
        if (!IsGroupBox(item)) items.push_back(item);
    std::vector<std::string> out;
    for (size_t i = 0; i < items.size(); ++i)
        for (size_t j = i + 1; j < items.size(); ++j) {
            const HWND a = items[i], b = items[j];
            RECT both, ra = ScreenRect(a), rb = ScreenRect(b);
            if (BuddyOf(a) != b && BuddyOf(b) != a && IntersectRect(&both, &ra, &rb))
                out.push_back(Describe("over", a, ra) + " /" + Describe("", b, rb));
        }
    return out;
}

namespace control_layout {

// The edit a trackbar shows its position in: the one beside it on its row.
inline HWND EditBeside(HWND dlg, HWND bar) {
    const RECT rb = ScreenRect(bar);
    HWND best = nullptr;
    LONG bestGap = rb.bottom - rb.top;  // no farther than the bar is high
    for (HWND item : VisibleChildren(dlg)) {
        if (text_fit::ClassOf(item) != "Edit") continue;
        const RECT re = ScreenRect(item);
        if (re.bottom <= rb.top || re.top >= rb.bottom) continue;
        const LONG gap = re.left >= rb.right ? re.left - rb.right : rb.left - re.right;
        if (gap < 0 || gap > bestGap) continue;
        best = item;
        bestGap = gap;
    }
    return best;
}

// Both ends of a range as `edit` shows them, with the decimals it shows now,
// where they do not fit its room.
inline void CutEnds(HWND edit, int low, int high, std::vector<std::string>* out) {
    const std::string shown = text_fit::TextOf(edit);
    const size_t dot = shown.find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(shown.size() - dot - 1);
    RECT room;
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    text_fit::Measure m(edit);
    for (int end : {low, high}) {
        char text[32];
        std::snprintf(text, sizeof(text), "%.*f", decimals, static_cast<double>(end));
        if (m.Width(text) > room.right - room.left) out->push_back(Describe("number", edit, room) + " cuts " + text);
    }
}

}  // namespace control_layout

// The numbers an up-down steps its edit to, and a trackbar shows beside it.
inline std::vector<std::string> CutNumbers(HWND dlg) {
    using namespace control_layout;
    std::vector<std::string> out;
    for (HWND item : VisibleChildren(dlg)) {
        if (HWND edit = BuddyOf(item)) {
            int low = 0, high = 0;
            SendMessageA(item, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
            CutEnds(edit, low, high, &out);
        } else if (text_fit::ClassOf(item) == TRACKBAR_CLASSA) {
            if (HWND shown = EditBeside(dlg, item))
                CutEnds(shown, static_cast<int>(SendMessageA(item, TBM_GETRANGEMIN, 0, 0)),
                        static_cast<int>(SendMessageA(item, TBM_GETRANGEMAX, 0, 0)), &out);
        }
    }
    return out;
}
