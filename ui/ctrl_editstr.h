// The string edit: an edit item (single- or multi-line) bound to a string
// field. It keeps the text within its limits while the user types: a total
// length, a length per line and a number of lines, counted in bytes or, with
// the character flag, as the game counts characters ("#P" codes count one).
// The limits hold for typing only: a stored text beyond them (another tool's,
// an older version's) is shown whole and stays byte for byte until the user
// edits it; an edit may then shorten it, never lengthen it. That holds line
// by line: one long stored line lets no other line grow past the limit.
#pragma once

#include <string>

#include "ui/ctrl.h"
#include "ui/text_rules.h"

class CTRL_EDITSTR_CLASS : public CTRL_EDIT_CLASS {
public:
    enum { DEFAULT_MAX_LEN = 4096, DEFAULT_LINE_LEN = 1024, DEFAULT_MAX_LINES = 32 };
    // Bits of option[0]. The edit always ends its lines with "\r\n"; the
    // bound string gets the text as the edit holds it unless LINE_FEEDS is
    // set: then the record keeps "\n" alone and the edit shows "\r\n" for it.
    enum { LINE_FEEDS = 1 };
    struct DESC {
        WORD id;
        std::string* value;
        int maxLen;      // bytes of the read buffer; 0: 4096
        int lineLen;     // 0: 1024
        int maxLines;    // 0: 32
        int countChars;  // count characters, break over-long lines (multi-line edits)
        int option[4];   // option[0]: LINE_FEEDS; the others are free
    };
    CTRL_EDITSTR_CLASS() : CTRL_EDIT_CLASS(CTRL_KIND_EDITSTR) {}
    explicit CTRL_EDITSTR_CLASS(DESC desc) : CTRL_EDIT_CLASS(CTRL_KIND_EDITSTR), m_Desc(desc) {}

    void ValueToCtrl() override;
    void CtrlToValue() override;
    void OnChange() override { CheckLimits(); }

    void Attach(DLG_CLASS* dlg, const DESC& desc);
    void AttachDesc(DLG_CLASS* dlg) { Attach(dlg, m_Desc); }
    // The item's text as the edit holds it, within the read buffer.
    std::string GetText() const;
    // Puts a text chosen by the program (a path from a file dialog) into the
    // edit as if typed: what passes the limits is cut, and it is stored.
    void SetProgramText(const std::string& text);

    std::string* m_pValue = nullptr;
    int m_nMaxLen = DEFAULT_MAX_LEN;
    int m_bMultiLine = 0;
    int m_nLineLen = DEFAULT_LINE_LEN;
    int m_nMaxLines = DEFAULT_MAX_LINES;
    int m_bSetup = 0;
    std::string m_strPrev;
    int m_nSelStart = 0, m_nSelEnd = 0;
    int m_nOption[4] = {0, 0, 0, 0};
    DESC m_Desc = {0, nullptr, 0, 0, 0, 0, {0, 0, 0, 0}};

private:
    void CheckLimits();
    // `whole`: the limits rise as far as the text needs (a stored text).
    void ShowText(const std::string& text, int whole);
    void SetLimits(const EDIT_LIMITS& limits);
    // Whether the edit's positions count a double-byte character once.
    int CountsCharacters(const std::string& text) const;
    EDIT_LIMITS Limits() const { return {m_nMaxLen, m_nLineLen, m_nMaxLines, m_bMultiLine}; }
    int m_nPrevStart = 0, m_nPrevEnd = 0;  // the selection of the previous text
    std::string m_strShown;                // the text as the program last put it in
    EDIT_LIMITS m_Declared = {DEFAULT_MAX_LEN, DEFAULT_LINE_LEN, DEFAULT_MAX_LINES, 0};  // what typing keeps to
};

// Shows a path (or any text) chosen by the program in a string edit and runs
// its limits as for a program change; the bound string is written when the
// dialog stores its controls.
void SetPathText(CTRL_EDITSTR_CLASS* edit, const std::string& text);
