// Whether a dialog's texts fit their controls at the font they are shown
// with: labels, buttons, check boxes, group boxes and the rows of drop-down
// lists. A text that is cut, or that wraps where its author wrote one line,
// is reported. Used by the dialog tests and, with ORR_FIT_LOG set, by the
// demonstration programs while they open their dialogs.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace text_fit {

inline std::string ClassOf(HWND wnd) {
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof(name));
    return name;
}

inline std::string TextOf(HWND wnd) {
    const int length = GetWindowTextLengthA(wnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    // The length asked for first may be more than the text copied.
    const int copied = GetWindowTextA(wnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

// The lines of a label as written: "&" marks a mnemonic and takes no room.
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') continue;
        if (c == '\n') {
            lines.emplace_back();
            continue;
        }
        if (c == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
        lines.back() += text[i];
        // The trail byte of a double-byte character is never a mark.
        if (IsDBCSLeadByte(c) && i + 1 < text.size()) lines.back() += text[++i];
    }
    return lines;
}

struct Measure {
    HWND wnd;
    HDC dc;
    HGDIOBJ old;
    explicit Measure(HWND item) : wnd(item), dc(GetDC(item)) {
        old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(wnd, WM_GETFONT, 0, 0)));
    }
    ~Measure() {
        SelectObject(dc, old);
        ReleaseDC(wnd, dc);
    }
    int Width(const std::string& line) const {
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
        return size.cx;
    }
    int LineHeight() const {
        TEXTMETRICA tm = {};
        GetTextMetricsA(dc, &tm);
        return tm.tmHeight;
    }
};

// Whether a written line, wrapped at `width` as a label wraps it (at the
// last blank or between two double-byte characters that fit), leaves a
// word or a few characters alone on its last line.
inline bool WrapsIntoAnOrphan(const Measure& m, const std::string& line, int width) {
    auto isLead = [&line](size_t i) { return IsDBCSLeadByte(static_cast<unsigned char>(line[i])) != 0; };
    auto next = [&](size_t i) { return i + (isLead(i) && i + 1 < line.size() ? 2 : 1); };
    size_t start = 0;
    bool wrapped = false;
    while (start < line.size() && m.Width(line.substr(start)) > width) {
        size_t fit = start, at = start;  // what fits, and the last place to break within it
        for (size_t e = next(start); e <= line.size(); e = next(e)) {
            if (m.Width(line.substr(start, e - start)) > width) break;
            fit = e;
            if (line[e - 1] == ' ' || e == line.size() || isLead(e) || (e >= 2 && isLead(e - 2))) at = e;
            if (e == line.size()) break;
        }
        if (at == start) at = fit > start ? fit : next(start);  // one word longer than the line
        start = at;
        while (start < line.size() && line[start] == ' ') ++start;
        wrapped = true;
    }
    if (!wrapped) return false;
    int characters = 0;
    for (size_t i = start; i < line.size(); i = next(i)) ++characters;
    return characters < 4;
}

inline void Check(HWND dlg, HWND item, std::vector<std::string>* out) {
    // Its own flag: before the dialog shows, nothing in it is visible.
    if (!(GetWindowLongA(item, GWL_STYLE) & WS_VISIBLE)) return;
    const std::string cls = ClassOf(item);
    const LONG style = GetWindowLongA(item, GWL_STYLE);
    RECT rc;
    GetClientRect(item, &rc);
    const int id = GetDlgCtrlID(item);
    Measure m(item);
    auto report = [&](const std::string& text, int need, int have) {
        char line[512];
        std::snprintf(line, sizeof(line), "dialog \"%s\" id %d (%s): \"%s\" needs %d px, has %d", TextOf(dlg).c_str(),
                      id, cls.c_str(), text.c_str(), need, have);
        out->push_back(line);
    };
    if (cls == "Static") {
        const LONG kind = style & SS_TYPEMASK;
        if (kind != SS_LEFT && kind != SS_CENTER && kind != SS_RIGHT && kind != SS_LEFTNOWORDWRAP) return;
        const std::string text = TextOf(item);
        const std::vector<std::string> lines = LinesOf(text);
        if (text.empty()) return;
        if (kind == SS_LEFTNOWORDWRAP) {
            for (const std::string& line : lines)
                if (m.Width(line) > rc.right) report(line, m.Width(line), rc.right);
            return;
        }
        // As the label draws itself: words wrap at its width.
        RECT need = {0, 0, rc.right, 0};
        const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        DrawTextA(m.dc, text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | prefix);
        const int written = static_cast<int>(lines.size()) * m.LineHeight();
        if (need.bottom > rc.bottom) {
            report(lines[0] + (lines.size() > 1 ? " ..." : ""), need.bottom, rc.bottom);  // cut at the bottom
        } else if (need.bottom > written) {
            // A written line wraps: it may, but not leave a few characters alone.
            for (const std::string& line : lines)
                if (WrapsIntoAnOrphan(m, line, rc.right)) report(line, m.Width(line), rc.right);
        }
        return;
    }
    if (cls == "Button") {
        const LONG kind = style & BS_TYPEMASK;
        if (kind == BS_OWNERDRAW) return;
        const std::string text = LinesOf(TextOf(item))[0];
        if (text.empty()) return;
        int room = rc.right - 2 * GetSystemMetrics(SM_CXEDGE) - 4;  // push buttons
        if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE ||
            kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON)
            room = rc.right - 13 - 4;  // the box and its gap
        if (kind == BS_GROUPBOX) room = rc.right - 16;
        if (m.Width(text) > room) report(text, m.Width(text), room);
        return;
    }
    if (cls == "ComboBox" && (style & 3) == CBS_DROPDOWNLIST) {
        // The shown row stops at the drop button; the list is as wide as the box.
        RECT wr;
        GetWindowRect(item, &wr);
        const int room = wr.right - wr.left - GetSystemMetrics(SM_CXVSCROLL) - 6;
        const int rows = static_cast<int>(SendMessageA(item, CB_GETCOUNT, 0, 0));
        TEXTMETRICA tm = {};
        GetTextMetricsA(m.dc, &tm);
        for (int i = 0; i < rows; ++i) {
            const int length = static_cast<int>(SendMessageA(item, CB_GETLBTEXTLEN, i, 0));
            // No byte is wider than the font's widest character: most rows are short enough unmeasured.
            if (length <= 0 || length * tm.tmMaxCharWidth <= room) continue;
            std::string row(static_cast<size_t>(length) + 1, '\0');
            SendMessageA(item, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&row[0]));
            row.resize(static_cast<size_t>(length));
            if (m.Width(row) > room) report(row, m.Width(row), room);
        }
    }
}

}  // namespace text_fit

// Every text of dialog `dlg` (and of its child dialogs) that does not fit.
inline std::vector<std::string> UnfitTexts(HWND dlg) {
    std::vector<std::string> out;
    for (HWND item = GetWindow(dlg, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
        if (text_fit::ClassOf(item) == "#32770") {
            std::vector<std::string> inner = UnfitTexts(item);
            out.insert(out.end(), inner.begin(), inner.end());
            continue;
        }
        text_fit::Check(dlg, item, &out);
    }
    return out;
}

namespace text_fit {

inline LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    const bool opened = msg->message == WM_INITDIALOG || (msg->message == WM_SHOWWINDOW && msg->wParam);
    if (code == HC_ACTION && opened && ClassOf(msg->hwnd) == "#32770") {
        if (FILE* log = std::fopen(std::getenv("ORR_FIT_LOG"), "ab")) {
            for (const std::string& line : UnfitTexts(msg->hwnd)) std::fprintf(log, "%s\n", line.c_str());
            std::fclose(log);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace text_fit

// With ORR_FIT_LOG naming a file, every dialog of this thread that opens or
// shows writes what of it does not fit there.
inline void LogUnfitTextsOfEveryDialog() {
    if (std::getenv("ORR_FIT_LOG"))
        SetWindowsHookExA(WH_CALLWNDPROCRET, text_fit::AfterInit, nullptr, GetCurrentThreadId());
}
