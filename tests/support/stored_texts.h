// Stored texts beyond the limits of the string edits that show them (names
// from another tool or an older version), and what an open dialog must do
// with them: show each whole, keep it byte for byte until it is edited, and
// refuse typing that would lengthen it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/text_fit.h"
#include "ui/ctrl_editstr.h"
#include "ui/dlg.h"
#include "ui/text_rules.h"

// A text of double-byte characters past `units` (bytes or characters) by a
// few, on `lines` lines joined by `lineEnd`.
inline std::string OverLongText(int units, int lines = 1, const char* lineEnd = "\n") {
    std::string line;
    for (int i = 0; i < units + 3; ++i) line += "\x92\xB7";
    std::string text;
    for (int i = 0; i < lines; ++i) text += (i ? lineEnd : "") + line;
    return text;
}

// A text past every limit of `edit` as its descriptor declares them: each
// line too long, and as many lines as a multi-line edit takes.
inline std::string OverLongTextFor(const CTRL_EDITSTR_CLASS& edit) {
    const CTRL_EDITSTR_CLASS::DESC& d = edit.m_Desc;
    const int maxLen = d.maxLen ? d.maxLen : CTRL_EDITSTR_CLASS::DEFAULT_MAX_LEN;
    const int lineLen = d.lineLen ? d.lineLen : CTRL_EDITSTR_CLASS::DEFAULT_LINE_LEN;
    const int maxLines = d.maxLines ? d.maxLines : CTRL_EDITSTR_CLASS::DEFAULT_MAX_LINES;
    const bool multiLine = (GetWindowLongA(edit.m_hWnd, GWL_STYLE) & ES_MULTILINE) != 0;
    const int units = d.countChars ? lineLen : std::min(maxLen, lineLen);
    const char* lineEnd = d.option[0] & CTRL_EDITSTR_CLASS::LINE_FEEDS ? "\n" : "\r\n";
    return OverLongText(units, multiLine ? maxLines : 1, lineEnd);
}

inline std::vector<CTRL_EDITSTR_CLASS*> StringEdits(DLG_CLASS* dlg) {
    std::vector<CTRL_EDITSTR_CLASS*> edits;
    for (CTRL_CLASS* c : dlg->m_CtrlList)
        if (c->m_nKind == CTRL_KIND_EDITSTR) edits.push_back(static_cast<CTRL_EDITSTR_CLASS*>(c));
    return edits;
}

// Checks every string edit of an open dialog against its bound text: it shows
// the text whole, and with `typeAtEnd` a character typed after it changes
// neither what it shows nor, once the dialog stores, the text, and in a
// multi-line edit a line typed over keeps to the line length.
// What failed, one line per edit; `count` gets the number of string edits.
inline std::vector<std::string> StoredTextFaults(DLG_CLASS* dlg, bool typeAtEnd, size_t* count) {
    std::vector<std::string> faults;
    const std::vector<CTRL_EDITSTR_CLASS*> edits = StringEdits(dlg);
    if (count) *count = edits.size();
    for (CTRL_EDITSTR_CLASS* e : edits) {
        if (!e->m_pValue) continue;
        const std::string value = *e->m_pValue;
        const std::string want = e->m_Desc.option[0] & CTRL_EDITSTR_CLASS::LINE_FEEDS ? ToEditText(value) : value;
        const std::string id = std::to_string(e->m_wId);
        if (text_fit::TextOf(e->m_hWnd) != want) faults.push_back(id + " shows " + text_fit::TextOf(e->m_hWnd));
        if (!typeAtEnd) continue;
        SendMessageA(e->m_hWnd, EM_SETSEL, 100000, 100000);
        SendMessageA(e->m_hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("X"));
        if (text_fit::TextOf(e->m_hWnd) != want) faults.push_back(id + " grew to " + text_fit::TextOf(e->m_hWnd));
        if (!(GetWindowLongA(e->m_hWnd, GWL_STYLE) & ES_MULTILINE)) continue;
        // Typed over the end of the last line a key at a time: once shortened,
        // the line keeps to the edit's own limit, however long the others.
        const int lineLen = e->m_Desc.lineLen ? e->m_Desc.lineLen : CTRL_EDITSTR_CLASS::DEFAULT_LINE_LEN;
        const int last = static_cast<int>(SendMessageA(e->m_hWnd, EM_GETLINECOUNT, 0, 0)) - 1;
        SendMessageA(e->m_hWnd, EM_SETSEL, SendMessageA(e->m_hWnd, EM_LINEINDEX, last, 0), 100000);
        for (int i = 0; i <= lineLen; ++i) SendMessageA(e->m_hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("X"));
        const std::string line = text_fit::TextOf(e->m_hWnd).substr(want.rfind('\n') + 1);
        if ((e->m_Desc.countChars ? CountTextChars(line.c_str()) : static_cast<int>(line.size())) > lineLen)
            faults.push_back(id + " took a line of " + line);
        *e->m_pValue = value;  // shown again as stored: a page may have stored what was typed
        e->ValueToCtrl();
    }
    return faults;
}
